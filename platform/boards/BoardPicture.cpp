#include "platform/boards/BoardPicture.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace ldr {
namespace {

std::string Extension(const std::string& path) {
  size_t dot = path.find_last_of('.');
  size_t slash = path.find_last_of('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext;
}

void Check(cairo_status_t status, const std::string& path) {
  if (status != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("Cannot write " + path + ": " + cairo_status_to_string(status));
}

void Paint(cairo_t* cr, const gdi::Bitmap& image, int x) {
  image.Flush();
  cairo_set_source_surface(cr, image.Surface(), x, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
}

void Compose(cairo_surface_t* target, const PictureBoard& left, const PictureBoard& right, int width, int height) {
  cairo_t* cr = cairo_create(target);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, 0, 0, width, height);
  cairo_fill(cr);
  Paint(cr, left.VisibleImage(), 0);
  Paint(cr, right.VisibleImage(), left.Width());
  cairo_destroy(cr);
}

} // namespace

void RenderBoards(const PictureBoard& left, const PictureBoard& right, const std::string& path) {
  int width = left.Width() + right.Width();
  int height = std::max(left.Height(), right.Height());
  std::string ext = Extension(path);
  if (ext == "png") {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    Compose(surface, left, right, width, height);
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    Check(status, path);
    return;
  }
  cairo_surface_t* surface = nullptr;
  if (ext == "svg")
    surface = cairo_svg_surface_create(path.c_str(), width, height);
  else if (ext == "pdf")
    surface = cairo_pdf_surface_create(path.c_str(), width, height);
  else
    throw std::invalid_argument("Cannot render to " + path + ": the name must end in .png, .svg or .pdf");
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_status_t failed = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    Check(failed, path);
  }
  Compose(surface, left, right, width, height);
  cairo_surface_finish(surface);
  cairo_status_t status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  Check(status, path);
}

} // namespace ldr
