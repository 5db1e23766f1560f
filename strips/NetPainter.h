#pragma once
// The picture of a net: the body on the right board (white ground, grid dots
// under every row line, the bottom separator, the number of a collapsed net,
// the junction dots of the last compile) and the left zone on the left board
// (selection ground, disabled hatch, power rail, number, compile mark,
// collapse button and resize handle). Coordinates are pixels relative to the
// net's top-left corner; the caller has moved the origins there.

#include "platform/drawing/GdiTypes.h"

#include <cstdint>
#include <vector>

namespace ldr {

namespace gdi {
class DeviceContext;
}
struct GdiResources;

// What the picture depends on.
struct NetLook {
  std::int32_t HeightRows = 0;
  std::int32_t ShowNum = 0;
  bool IsSelected = false;
  bool IsCollapsed = false;
  bool IsDisabled = false; // IsCompilable = 2
  bool IsReturnStrip = false;
  bool PowerRail = false; // the rail carries power (after an on-line evaluation)
  gdi::COLORREF PowerFlowColor = 0;
  bool NeedsCompile = false;
};

class NetPainter {
public:
  static constexpr int kBoardWidth = 770;
  static constexpr int kLeftZoneWidth = 28;
  static constexpr int kRailX = 27;
  static constexpr gdi::COLORREF kDisabledHatchColor = gdi::RGB(0, 255, 0);

  NetPainter(const NetLook& look, GdiResources& resources) : mLook(look), mRes(resources) {}

  void DrawBody(gdi::DeviceContext& board) const;
  // Pairs (column, row) in edit-zone grid units from byte 2 on; the caller
  // has checked that the count of bytes is even.
  void DrawJunctionDots(gdi::DeviceContext& board, const std::vector<std::uint8_t>& junctions) const;
  void DrawLeftZone(gdi::DeviceContext& left) const;

private:
  int HeightPixels() const;
  void DrawGridRows(gdi::DeviceContext& board) const;
  void DrawLeftNumber(gdi::DeviceContext& left) const;
  static void DrawBitmap(gdi::DeviceContext& dc, const char* name, int x, int y);
  static void DrawCentredNumber(gdi::DeviceContext& dc, std::int32_t number, gdi::Rect rect);

  const NetLook& mLook;
  GdiResources& mRes;
};

} // namespace ldr
