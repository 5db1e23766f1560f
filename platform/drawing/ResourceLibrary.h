#pragma once
// The component's pictures, looked up by name and kind: the bitmaps of strip
// headers and element boxes, the element cursor and the drag icons. Each is
// drawn once, on first use, and every load hands out its own copy, so a
// caller may draw on what it gets. A name that is not there (or not of that
// kind) is an error naming it: std::out_of_range.

#include "platform/drawing/Bitmap.h"
#include "platform/drawing/Picture.h"

#include <string>
#include <vector>

namespace ldr::gdi {

struct ResourceInfo {
  std::string Name;
  ResourceKind Kind;
  int Width;
  int Height;
};

class ResourceLibrary {
public:
  static Picture Load(const std::string& name, ResourceKind kind);
  static Bitmap LoadBitmap(const std::string& name);
  // The library's own bitmap, not a copy: to draw from (a BitBlt source),
  // never to draw on. Saves the copy where a picture is only shown.
  static const Bitmap& SharedBitmap(const std::string& name);
  static Picture LoadCursor(const std::string& name);
  static Picture LoadIcon(const std::string& name);
  static bool Contains(const std::string& name, ResourceKind kind);
  // Every picture the library holds.
  static std::vector<ResourceInfo> Catalogue();
};

} // namespace ldr::gdi
