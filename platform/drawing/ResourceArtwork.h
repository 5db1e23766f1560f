#pragma once
// The component's own pictures: every bitmap, cursor and icon the editor
// loads by name, with its size and the code that draws it. Bitmaps that
// have a "_SELECTED" twin draw the same pictogram on the grey of a selection
// band instead of white.

#include "platform/drawing/Picture.h"
#include "platform/drawing/Sketch.h"

#include <functional>
#include <string>
#include <vector>

namespace ldr::gdi {

struct ArtworkEntry {
  std::string Name;
  ResourceKind Kind;
  int Width;
  int Height;
  Point HotSpot;
  std::function<void(Sketch&)> Paint;
  bool Selected; // drawn on the selection grey
};

class ResourceArtwork {
public:
  // Every picture, in no particular order.
  static std::vector<ArtworkEntry> Entries();
  // Draws one entry.
  static Picture Draw(const ArtworkEntry& entry);
  // The size of the utility-box pictures.
  static constexpr int kUtilitySize = 32;
};

} // namespace ldr::gdi
