#pragma once
// A font, created from its description (LogFont). A handle: copies share the
// same font. The faces a description names are mapped to the fonts every
// machine of this project has: fixed-pitch faces ("Miriam Fixed", "Small
// Fonts", "Courier New", ...) and fixed-pitch or modern requests to DejaVu
// Sans Mono, roman faces to DejaVu Serif, everything else to DejaVu Sans, at
// the pixel height the description asks for.

#include "platform/drawing/GdiTypes.h"

#include <memory>
#include <string>

typedef struct _PangoFontDescription PangoFontDescription;

namespace ldr::gdi {

class Font {
public:
  Font() = default;
  explicit Font(const LogFont& description);

  // The font a fresh device context has selected: the boards' own font
  // (one shared font, however often asked for).
  static Font Default();

  bool IsEmpty() const { return !mImpl; }
  LogFont Describe() const;
  // The family that draws the font, e.g. "DejaVu Sans Mono".
  const std::string& Family() const;
  // The character (em) height in pixels.
  double EmPixels() const;
  bool Antialiased() const;
  const PangoFontDescription* PangoDescription() const;
  // Equal for fonts that draw alike (family, size, weight, style, lines,
  // anti-aliasing), however they were made; empty for no font.
  const std::string& CacheKey() const;

  friend bool operator==(const Font& a, const Font& b) { return a.mImpl == b.mImpl; }

  static std::string FamilyFor(const LogFont& description);

private:
  struct Impl;
  std::shared_ptr<const Impl> mImpl;
};

} // namespace ldr::gdi
