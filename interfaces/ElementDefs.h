#pragma once
// The small types every element shares: families, flow direction, logic
// value, grid point, grid constants and the grid-to-pixel conversion.

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace ldr {

// The family of an element type: its hundreds block, with the exceptions
// GetFamilyType knows about.
enum enElementFamilyType : std::int32_t {
  eEFT_Undefined = 0,
  eEFT_LineElements = 100,
  eEFT_SimpleElements = 200,
  eEFT_CompareElements = 300,
  eEFT_2x1Elements = 400,
  eEFT_Nx1Elements = 500,
  eEFT_JumpElements = 600,
  eEFT_DirectClocks = 700,
  eEFT_InDirectClocks = 800,
  eEFT_StoreElements = 900,
  eEFT_LoadElements = 1000,
  eEFT_StoreLoadTimerElements = 1100,
  eEFT_UtilElements = 1200,
  eEFT_UtilExElements = 1300,
  eEFT_UtilEx1Elements = 1400,
  eEFT_0x1Elements = 1500,
  eEFT_UtilEx2Elements = 1600,
  eEFT_InRangeElements = 1700,
  eEFT_StoreElementsEx = 1900,
  eEFT_FunctionBlockElements = 100000,
};

// Direction of power flow through a line piece.
enum enFLOW_DIRECTION : std::int32_t {
  eFD_None = 0,
  eFD_Up = 1,
  eFD_Down = 2,
  eFD_Right = 3,
  eFD_Left = 4,
  eFD_BiDirectional = 5,
};

// Logic value arriving at an element's inlet.
enum enRloValue : std::int32_t { eRV_Low = 0, eRV_High = 1 };

// A grid point; element positions are relative to the top-left corner of the
// owning net's edit zone, Y grows downwards.
struct tyLdrPoint {
  std::int32_t X = 0;
  std::int32_t Y = 0;

  friend bool operator==(const tyLdrPoint&, const tyLdrPoint&) = default;
  friend tyLdrPoint operator+(tyLdrPoint a, tyLdrPoint b) { return {a.X + b.X, a.Y + b.Y}; }
  friend tyLdrPoint operator-(tyLdrPoint a, tyLdrPoint b) { return {a.X - b.X, a.Y - b.Y}; }
};

enum enLadderConstants : std::int32_t {
  PIXEL_PER_GRID = 14,
  STRIP_WIDTH = 53,
  LDR_EDIT_WIDTH = 52,
  LDR_STRIP_WIDTH = 54,
  EDITING_OFST_X = 2,
  MIN_NUM_OF_NETS = 16,
};

enum enMaxValues : std::int32_t { MAX_NUM_OF_RISE_FALL_ELEMENTS_IN_LADDER = 256 };

// Grid units to pixels; a result outside 32 bits is an overflow, not a wrap.
inline std::int32_t GridToPixel(std::int32_t grid) {
  const std::int64_t pixels = static_cast<std::int64_t>(grid) * PIXEL_PER_GRID;
  if (pixels > std::numeric_limits<std::int32_t>::max() || pixels < std::numeric_limits<std::int32_t>::min()) {
    throw std::overflow_error("grid position too large to convert to pixels");
  }
  return static_cast<std::int32_t>(pixels);
}

} // namespace ldr
