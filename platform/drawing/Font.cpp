#include "platform/drawing/Font.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace ldr::gdi {

struct Font::Impl {
  LogFont Log;
  std::string Family;
  double Em = 0;
  std::string Key;
  PangoFontDescription* Description = nullptr;
  ~Impl() {
    if (Description) pango_font_description_free(Description);
  }
};

namespace {

constexpr const char* kMono = "DejaVu Sans Mono";
constexpr const char* kSans = "DejaVu Sans";
constexpr const char* kSerif = "DejaVu Serif";
constexpr int kDefaultEm = 13;

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

bool IsFixedFace(const std::string& face) {
  static constexpr std::array<const char*, 10> kFixed = {
      "miriam fixed", "small fonts",    "courier",  "courier new",      "fixedsys",
      "terminal",     "lucida console", "consolas", "dejavu sans mono", "monospace"};
  std::string f = Lower(face);
  return std::any_of(kFixed.begin(), kFixed.end(), [&](const char* name) { return f == name; });
}

bool IsRomanFace(const std::string& face) {
  std::string f = Lower(face);
  return f == "times new roman" || f == "times" || f == "serif" || f == "dejavu serif";
}

// Character height per pixel of cell height (ascent + descent) of a family.
double EmPerCellPixel(const std::string& family) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  PangoFontDescription* probe = pango_font_description_new();
  pango_font_description_set_family(probe, family.c_str());
  pango_font_description_set_absolute_size(probe, 100.0 * PANGO_SCALE);
  PangoFontMetrics* metrics = pango_context_get_metrics(context, probe, nullptr);
  double cell = static_cast<double>(pango_font_metrics_get_ascent(metrics) + pango_font_metrics_get_descent(metrics)) /
                PANGO_SCALE;
  pango_font_metrics_unref(metrics);
  pango_font_description_free(probe);
  g_object_unref(context);
  return cell > 0 ? 100.0 / cell : 1.0;
}

} // namespace

std::string Font::FamilyFor(const LogFont& d) {
  if (IsFixedFace(d.FaceName)) return kMono;
  if (IsRomanFace(d.FaceName)) return kSerif;
  int pitch = d.PitchAndFamily & 0x03;
  int family = d.PitchAndFamily & 0xF0;
  if (pitch == FIXED_PITCH || family == FF_MODERN) return kMono;
  if (family == FF_ROMAN) return kSerif;
  return kSans;
}

Font::Font(const LogFont& description) {
  auto impl = std::make_shared<Impl>();
  impl->Log = description;
  impl->Family = FamilyFor(description);
  if (description.Height < 0)
    impl->Em = -description.Height;
  else if (description.Height > 0)
    impl->Em = std::max(1.0, std::round(description.Height * EmPerCellPixel(impl->Family)));
  else
    impl->Em = kDefaultEm;
  impl->Description = pango_font_description_new();
  pango_font_description_set_family(impl->Description, impl->Family.c_str());
  pango_font_description_set_absolute_size(impl->Description, impl->Em * PANGO_SCALE);
  int weight = description.Weight <= 0 ? FW_NORMAL : std::clamp(description.Weight, 100, 1000);
  pango_font_description_set_weight(impl->Description, static_cast<PangoWeight>(weight));
  pango_font_description_set_style(impl->Description, description.Italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  impl->Key = impl->Family + "|" + std::to_string(static_cast<long>(impl->Em * PANGO_SCALE)) + "|" +
              std::to_string(weight) + "|" + (description.Italic ? "i" : "") + (description.Underline ? "u" : "") +
              (description.StrikeOut ? "s" : "") + (description.Quality != NONANTIALIASED_QUALITY ? "a" : "");
  mImpl = std::move(impl);
}

Font Font::Default() {
  // Made once: every device context starts with it. A font never changes,
  // so sharing it is sharing a constant.
  static const Font kDefault = [] {
    LogFont log;
    log.Height = -11;
    log.FaceName = "MS Sans Serif";
    log.PitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    return Font(log);
  }();
  return kDefault;
}

LogFont Font::Describe() const { return mImpl ? mImpl->Log : LogFont{}; }

const std::string& Font::Family() const {
  static const std::string kNone;
  return mImpl ? mImpl->Family : kNone;
}

double Font::EmPixels() const { return mImpl ? mImpl->Em : 0; }

bool Font::Antialiased() const { return mImpl && mImpl->Log.Quality != NONANTIALIASED_QUALITY; }

const PangoFontDescription* Font::PangoDescription() const { return mImpl ? mImpl->Description : nullptr; }

const std::string& Font::CacheKey() const {
  static const std::string kNone;
  return mImpl ? mImpl->Key : kNone;
}

} // namespace ldr::gdi
