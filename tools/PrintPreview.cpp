#include "tools/PrintPreview.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <stdexcept>

namespace ldr {

namespace {

// Paper sizes in points.
constexpr double kA4Width = 595.276, kA4Height = 841.89;
constexpr double kLetterWidth = 612.0, kLetterHeight = 792.0;

} // namespace

PrintPreview::PrintPreview(PaperSize paper) : mPaper(paper) {
  const double scale = (PaperWidthPoints() - 2 * kMarginPoints) / kPageWidth;
  mPageHeight = static_cast<int>(std::floor((PaperHeightPoints() - 2 * kMarginPoints) / scale));
}

double PrintPreview::PaperWidthPoints() const { return mPaper == PaperSize::A4 ? kA4Width : kLetterWidth; }
double PrintPreview::PaperHeightPoints() const { return mPaper == PaperSize::A4 ? kA4Height : kLetterHeight; }

gdi::DeviceContext& PrintPreview::NewPage() {
  PrintedPage page;
  page.Image = gdi::Bitmap(kPageWidth, mPageHeight);
  page.Context = std::make_unique<gdi::DeviceContext>(page.Image);
  page.Context->PatBlt(0, 0, kPageWidth, mPageHeight, gdi::WHITENESS);
  mPages.push_back(std::move(page));
  return *mPages.back().Context;
}

gdi::DeviceContext& PrintPreview::CurrentPage() {
  if (mPages.empty()) return NewPage();
  return *mPages.back().Context;
}

const gdi::Bitmap& PrintPreview::PageImage(long index) const {
  if (index < 0 || index >= PageCount()) throw std::out_of_range("no page " + std::to_string(index + 1));
  return mPages[static_cast<size_t>(index)].Image;
}

void PrintPreview::Clear() { mPages.clear(); }

void PrintPreview::WritePdf(const std::string& path) const {
  if (mPages.empty()) throw std::runtime_error("there is nothing to print");
  cairo_surface_t* pdf = cairo_pdf_surface_create(path.c_str(), PaperWidthPoints(), PaperHeightPoints());
  if (cairo_surface_status(pdf) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(pdf);
    throw std::runtime_error("cannot write " + path);
  }
  cairo_t* cr = cairo_create(pdf);
  const double scale = (PaperWidthPoints() - 2 * kMarginPoints) / kPageWidth;
  for (const auto& page : mPages) {
    page.Image.Flush();
    cairo_save(cr);
    cairo_translate(cr, kMarginPoints, kMarginPoints);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, page.Image.Surface(), 0, 0);
    // Crisp one-pixel lines: no smoothing between ladder pixels.
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(pdf);
  const cairo_status_t status = cairo_surface_status(pdf);
  cairo_surface_destroy(pdf);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path);
}

void PrintPreview::WritePagePng(long index, const std::string& path) const {
  const auto& image = PageImage(index);
  image.Flush();
  if (cairo_surface_write_to_png(image.Surface(), path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path);
}

} // namespace ldr
