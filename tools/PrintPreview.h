#pragma once
// The print-preview control the printing service draws on: pages of one
// paper size (A4 or Letter, portrait), each a white page image in ladder
// pixels covering the printable area inside the margins. The pages can be
// shown as images (a preview) and written as one PDF, each image scaled to
// the printable area of its PDF page.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

enum class PaperSize { A4, Letter };

class PrintPreview {
public:
  // The printable width in ladder pixels: both boards side by side.
  static constexpr int kPageWidth = 800;
  static constexpr double kMarginPoints = 36.0; // half an inch

  explicit PrintPreview(PaperSize paper = PaperSize::A4);

  PaperSize Paper() const { return mPaper; }
  // The printable area in ladder pixels.
  int PageWidth() const { return kPageWidth; }
  int PageHeight() const { return mPageHeight; }
  // The paper in PDF points (1/72 inch).
  double PaperWidthPoints() const;
  double PaperHeightPoints() const;

  // A new blank page, now the current one; its device context draws on it.
  gdi::DeviceContext& NewPage();
  gdi::DeviceContext& CurrentPage();
  long PageCount() const { return static_cast<long>(mPages.size()); }
  const gdi::Bitmap& PageImage(long index) const;
  void Clear();

  // Throws std::runtime_error when the file cannot be written or there is
  // no page.
  void WritePdf(const std::string& path) const;
  void WritePagePng(long index, const std::string& path) const;

private:
  struct PrintedPage {
    gdi::Bitmap Image;
    std::unique_ptr<gdi::DeviceContext> Context;
  };

  PaperSize mPaper;
  int mPageHeight;
  std::vector<PrintedPage> mPages;
};

} // namespace ldr
