#include "platform/drawing/ResourceArtwork.h"

#include <algorithm>
#include <utility>

namespace ldr::gdi {
namespace {

using S = Sketch;
using Painter = std::function<void(Sketch&)>;

constexpr COLORREF kInk = Sketch::kInk;
constexpr COLORREF kRed = Sketch::kRed;
constexpr COLORREF kGreen = Sketch::kGreen;

void AddPair(std::vector<ArtworkEntry>& out, const std::string& name, int w, int h, Painter paint) {
  out.push_back({name, ResourceKind::eRK_Bitmap, w, h, {}, paint, false});
  out.push_back({name + "_SELECTED", ResourceKind::eRK_Bitmap, w, h, {}, paint, true});
}

// "<base>_NORMAL" on white and "<base>_SELECTED" on grey.
void AddNormalSelected(std::vector<ArtworkEntry>& out, const std::string& base, int w, int h, Painter paint) {
  out.push_back({base + "_NORMAL", ResourceKind::eRK_Bitmap, w, h, {}, paint, false});
  out.push_back({base + "_SELECTED", ResourceKind::eRK_Bitmap, w, h, {}, paint, true});
}

void AddOne(std::vector<ArtworkEntry>& out, const std::string& name, int w, int h, Painter paint) {
  out.push_back({name, ResourceKind::eRK_Bitmap, w, h, {}, std::move(paint), false});
}

// ---- strip header pictures ----

void NeedToCompile(S& s) {
  s.Polygon({{7, 1}, {14, 14}, {1, 14}}, S::kYellow, S::kBlack);
  s.Line(7, 5, 7, 10, S::kBlack);
  s.Line(8, 5, 8, 10, S::kBlack);
  s.Fill(7, 12, 9, 14, S::kBlack);
}

void Collapse(S& s) {
  s.Box(0, 0, 11, 11, S::kWhite, S::kDarkGrey);
  s.Line(2, 5, 8, 5, S::kBlack);
}

void Expand(S& s) {
  Collapse(s);
  s.Line(5, 2, 5, 8, S::kBlack);
}

void StripResizer(S& s) {
  s.Line(2, 7, 13, 7, kInk);
  s.Line(2, 9, 13, 9, kInk);
  s.Polygon({{8, 0}, {12, 4}, {4, 4}}, kInk, kInk);
  s.Polygon({{8, 15}, {12, 11}, {4, 11}}, kInk, kInk);
}

void Comment(S& s) {
  s.Polygon({{1, 1}, {14, 1}, {14, 10}, {7, 10}, {3, 14}, {4, 10}, {1, 10}}, S::kWhite, kInk);
  s.Line(3, 4, 12, 4, kInk);
  s.Line(3, 7, 10, 7, kInk);
}

// ---- jumps, calls and returns: the rung runs along row 7 ----

void JumpToLabel(S& s) {
  s.Line(0, 7, 5, 7, S::kBlack);
  s.Polygon({{5, 1}, {15, 7}, {5, 13}}, S::kWhite, S::kBlack);
  s.Text(8, 2, "L", 8, kInk);
}

void JumpToSub(S& s) {
  s.Line(0, 7, 2, 7, S::kBlack);
  s.Line(13, 7, 15, 7, S::kBlack);
  s.Box(2, 1, 14, 14, S::kWhite, S::kBlack);
  s.Text(8, 2, "S", 9, kInk);
}

void ReturnFromJump(S& s) {
  s.Line(0, 7, 2, 7, S::kBlack);
  s.Line(13, 7, 15, 7, S::kBlack);
  s.Box(2, 1, 14, 14, S::kWhite, S::kBlack);
  s.Line(11, 4, 11, 9, kInk);
  s.Arrow(11, 9, 4, 9, kInk);
}

void JumpToPage(S& s) {
  s.Line(0, 7, 2, 7, S::kBlack);
  s.Line(13, 7, 15, 7, S::kBlack);
  s.Box(2, 1, 14, 11, S::kWhite, S::kBlack);
  s.Fill(4, 3, 12, 9, RGB(160, 200, 255));
  s.Line(8, 11, 8, 12, S::kBlack);
  s.Line(5, 13, 11, 13, S::kBlack);
}

// ---- indirect store and load boxes: box sides, pins and an indirection ----

void IndirectBox(S& s, int inputs) {
  int right = s.Width() - 1;
  int boxRight = std::min(76, right - 4);
  COLORREF inside = s.Background();
  s.Fill(6, 0, boxRight + 1, s.Height(), inside);
  s.Line(6, 0, 6, s.Height() - 1, S::kBlack);
  s.Line(boxRight, 0, boxRight, s.Height() - 1, S::kBlack);
  s.Line(0, 21, 6, 21, S::kBlack);
  s.Text(13, 14, "A", 9, S::kBlack, false);
  if (inputs > 1) {
    s.Line(0, 70, 6, 70, S::kBlack);
    s.Text(13, 63, "B", 9, S::kBlack, false);
  }
  s.Line(boxRight, 21, right, 21, S::kBlack);
  s.Text(boxRight - 7, 14, inputs > 1 ? "C" : "B", 9, S::kBlack, false);
  // [A] -> B : the value is reached through an address.
  int mid = (6 + boxRight) / 2;
  s.Frame(mid - 13, 4, mid - 3, 16, kInk);
  s.Text(mid - 8, 5, "@", 8, kInk);
  s.Arrow(mid - 2, 10, mid + 12, 10, kInk);
}

// ---- utility box pictures (32 x 32) ----

void RotateShift(S& s) {
  s.Cells(3, 12, 4, 8, 8, ".#.#");
  s.Line(27, 8, 27, 5);
  s.Line(27, 5, 5, 5);
  s.Arrow(5, 5, 5, 11);
  s.Arrow(27, 24, 6, 24, kRed);
}

void Factor(S& s) {
  s.Text(16, 2,
         "A\xC2\xB7"
         "B",
         10);
  s.Line(5, 15, 26, 15);
  s.Text(16, 18, "C", 10);
}

void FillVector(S& s, bool offset) {
  s.Arrow(16, 1, 16, 11, kRed);
  s.Cells(2, 12, 4, 8, 8, "####");
  if (offset) s.Text(16, 21, "+n", 9, kGreen);
}

void CopyVector(S& s, bool offset) {
  s.Cells(2, 2, 4, 8, 7, "#.#.");
  s.Arrow(16, 10, 16, 20, kRed);
  s.Cells(2, 22, 4, 8, 7, "#.#.");
  if (offset) s.Text(27, 11, "n", 8, kGreen);
}

void CompareVector(S& s, bool offset) {
  s.Cells(2, 2, 4, 8, 7, "#..#");
  s.Text(16, 10, "=?", 9, kRed);
  s.Cells(2, 22, 4, 8, 7, "#..#");
  if (offset) s.Text(29, 10, "n", 8, kGreen);
}

void BitManipulation(S& s) {
  s.Cells(1, 3, 5, 7, 7, "#.##.");
  s.Arrow(16, 11, 16, 19, kRed);
  s.Text(16, 20, "123", 9);
}

void Power(S& s) {
  s.Text(12, 9, "X", 14);
  s.Text(23, 2, "Y", 9, kRed);
}

void SquareRoot(S& s) {
  s.Line(2, 18, 6, 16);
  s.Line(6, 16, 10, 27);
  s.Line(10, 27, 15, 5);
  s.Line(15, 5, 30, 5);
  s.Text(22, 9, "x", 12);
}

void MinMax(S& s) {
  s.Fill(4, 20, 9, 29, kInk);
  s.Fill(12, 6, 17, 29, kRed);
  s.Fill(20, 14, 25, 29, kInk);
  s.Line(2, 29, 29, 29, S::kBlack);
  s.Line(10, 4, 19, 4, kRed);
}

void FindBit(S& s) {
  s.Cells(1, 4, 4, 8, 7, "..#.");
  s.Circle(18, 20, 6, kRed);
  s.Line(22, 24, 28, 30, kRed, 2);
}

void BitCell(S& s, const char* symbol, bool filled, COLORREF mark) {
  s.Box(8, 4, 24, 20, filled ? kInk : S::kWhite, kInk);
  s.Text(16, 6, symbol, 11, filled ? S::kWhite : kInk);
  s.Text(16, 21, "bit", 8, mark, false);
}

void GetBit(S& s) {
  s.Cells(1, 3, 4, 8, 7, ".#..");
  s.Arrow(12, 10, 16, 20, kRed);
  s.Box(12, 21, 21, 30, kInk);
}

void PutBit(S& s) {
  s.Box(12, 21, 21, 30, kInk);
  s.Arrow(16, 20, 12, 11, kRed);
  s.Cells(1, 3, 4, 8, 7, ".#..");
}

void DbTable(S& s, bool write) {
  s.Box(2, 6, 20, 26, S::kWhite, kInk);
  s.Line(2, 12, 19, 12);
  s.Line(2, 19, 19, 19);
  s.Line(9, 6, 9, 25);
  if (write)
    s.Arrow(31, 16, 21, 16, kRed);
  else
    s.Arrow(21, 16, 31, 16, kRed);
}

void HmiLoaded(S& s) {
  s.Screen(2, 3, 30, 28);
  s.Line(9, 13, 13, 17, kGreen, 2);
  s.Line(13, 17, 22, 8, kGreen, 2);
}

void Conversion(S& s, const char* from, const char* to) {
  s.Text(16, 1, from, 9);
  s.Arrow(16, 12, 16, 20, kRed);
  s.Text(16, 21, to, 9);
}

void DrawPixel(S& s) {
  s.Screen(2, 3, 30, 28);
  s.Fill(15, 11, 18, 14, kRed);
}

void DrawLine(S& s, COLORREF color) {
  s.Screen(2, 3, 30, 28);
  s.Line(7, 19, 25, 8, color);
}

void ClearRect(S& s) {
  s.Screen(2, 3, 30, 28);
  s.Dc().DrawFocusRect(Rect{8, 8, 24, 19});
}

void FlipFlop(S& s, bool resetDominant) {
  s.Box(6, 2, 26, 30, S::kWhite, kInk);
  s.Text(11, 5, resetDominant ? "R" : "S", 9, resetDominant ? kRed : kInk);
  s.Text(11, 18, resetDominant ? "S" : "R", 9, resetDominant ? kInk : kRed);
  s.Text(21, 11, "Q", 9, kGreen);
  s.Line(1, 9, 5, 9);
  s.Line(1, 22, 5, 22);
  s.Line(27, 16, 31, 16);
}

void ClockTo(S& s, const char* to) {
  s.ClockFace(10, 10, 8);
  s.Arrow(18, 18, 23, 23, kRed);
  s.Text(23, 21, to, 9);
}

void VectShift(S& s) {
  s.Cells(2, 12, 4, 8, 8, "###.");
  s.Arrow(28, 6, 4, 6, kRed);
}

void IoPoint(S& s, const char* label, bool output) {
  s.Box(12, 4, 30, 28, S::kWhite, kInk);
  s.Text(21, 10, label, 10);
  if (output)
    s.Arrow(12, 16, 1, 16, kRed);
  else
    s.Arrow(1, 16, 11, 16, kRed);
}

void HighSpeedInput(S& s) {
  for (int i = 0; i < 3; ++i) {
    int x = 2 + i * 9;
    s.Line(x, 14, x, 6);
    s.Line(x, 6, x + 4, 6);
    s.Line(x + 4, 6, x + 4, 14);
    s.Line(x + 4, 14, x + 9, 14);
  }
  s.Text(16, 19, "HSI", 9, kRed);
}

void AnalogOutput(S& s) {
  int ys[] = {12, 8, 6, 8, 12, 16, 18, 16, 12};
  for (int i = 0; i + 1 < 9; ++i) s.Line(2 + i * 3, ys[i], 5 + i * 3, ys[i + 1]);
  s.Arrow(14, 21, 30, 21, kRed);
  s.Text(8, 20, "AO", 8);
}

void UtcClock(S& s) {
  s.ClockFace(9, 9, 7);
  s.Circle(22, 22, 8, kGreen);
  s.Line(14, 22, 30, 22, kGreen);
  s.Line(22, 14, 22, 30, kGreen);
}

void SwapBytes(S& s) {
  s.Box(2, 4, 14, 13, S::kWhite, kInk);
  s.Box(18, 4, 30, 13, kInk, kInk);
  s.Arrow(8, 14, 22, 26, kRed);
  s.Arrow(24, 14, 10, 26, kRed);
}

void VectSort(S& s) {
  for (int i = 0; i < 5; ++i) s.Fill(3 + i * 5, 26 - i * 5, 7 + i * 5, 29, i == 4 ? kRed : kInk);
  s.Line(2, 29, 29, 29, S::kBlack);
}

void StringLength(S& s) {
  s.Text(16, 3, "abc", 11);
  s.Line(4, 20, 4, 26);
  s.Line(27, 20, 27, 26);
  s.Arrow(16, 23, 5, 23, kRed);
  s.Arrow(16, 23, 26, 23, kRed);
}

void SetStorage(S& s) {
  for (int i = 0; i < 3; ++i) s.Box(4 + i * 2, 20 - i * 7, 26 + i * 2, 27 - i * 7, S::kWhite, kInk);
  s.Text(17, 5, "S", 8, kRed);
}

void StrToVec(S& s) {
  s.Text(16, 1, "\"ab\"", 9);
  s.Arrow(16, 12, 16, 20, kRed);
  s.Cells(4, 22, 3, 9, 8, "##.");
}

void ToggleNumBit(S& s) {
  s.Box(4, 6, 20, 22, S::kWhite, kInk);
  s.Text(12, 8, "1", 10);
  s.Arrow(24, 8, 24, 20, kRed);
  s.Arrow(28, 20, 28, 8, kRed);
}

void ToggleVecBit(S& s) {
  s.Cells(2, 6, 4, 8, 8, ".#..");
  s.Text(16, 17, "~", 11, kRed);
}

void CountInRange(S& s) {
  s.Line(2, 20, 29, 20);
  for (int x = 4; x < 30; x += 5) s.Line(x, 18, x, 22);
  s.Line(9, 12, 9, 26, kRed);
  s.Line(24, 12, 24, 26, kRed);
  s.Text(16, 3, "+1", 9, kGreen);
}

void StringOp(S& s, const char* text, COLORREF mark, int markLeft, int markRight) {
  s.Text(16, 6, text, 10);
  if (markRight > markLeft) s.Frame(markLeft, 4, markRight, 20, mark);
  s.Line(3, 24, 28, 24, S::kDarkGrey);
}

void StrRemove(S& s) {
  StringOp(s, "abcd", kRed, 0, 0);
  s.Line(12, 12, 20, 12, kRed);
}

void StrInsert(S& s) {
  StringOp(s, "ab cd", kRed, 0, 0);
  s.Polygon({{16, 18}, {19, 26}, {13, 26}}, kRed, kRed);
}

void StrFind(S& s) {
  s.Text(12, 4, "abc", 10);
  s.Circle(19, 20, 6, kRed);
  s.Line(23, 24, 29, 30, kRed, 2);
}

void StrReplace(S& s) {
  s.Text(8, 4, "a", 11);
  s.Arrow(12, 10, 22, 10, kRed);
  s.Text(25, 4, "b", 11, kGreen);
  s.Text(16, 19, "abc", 9);
}

void TimerToStr(S& s) {
  s.Polygon({{3, 2}, {17, 2}, {10, 11}}, S::kWhite, kInk);
  s.Polygon({{10, 11}, {17, 20}, {3, 20}}, kInk, kInk);
  s.Arrow(18, 18, 23, 23, kRed);
  s.Text(25, 21, "A", 9);
}

void StopTrend(S& s) {
  s.Polygon({{4, 4}, {18, 4}, {22, 8}, {22, 28}, {4, 28}}, S::kWhite, kInk);
  s.Text(13, 13, "SD", 8);
  s.Box(20, 18, 30, 28, kRed, kRed);
}

void Linearization(S& s, bool vector) {
  s.Line(3, 2, 3, 29, S::kBlack);
  s.Line(3, 29, 30, 29, S::kBlack);
  s.Line(4, 26, 12, 20, kRed);
  s.Line(12, 20, 20, 9, kRed);
  s.Line(20, 9, 29, 5, kRed);
  if (vector) {
    s.Line(4, 28, 14, 24, kGreen);
    s.Line(14, 24, 29, 14, kGreen);
  }
}

void Pid(S& s) {
  s.Box(8, 6, 24, 18, S::kWhite, kInk);
  s.Text(16, 7, "PID", 8);
  s.Arrow(1, 12, 7, 12, kRed);
  s.Line(25, 12, 30, 12, kRed);
  s.Line(30, 12, 30, 26, kRed);
  s.Line(30, 26, 3, 26, kRed);
  s.Arrow(3, 26, 3, 14, kRed);
}

void LoadLastHmiPage(S& s) {
  s.Screen(2, 3, 30, 28);
  s.Arrow(23, 13, 9, 13, kRed);
}

void OnlinePoint(S& s) {
  s.Circle(16, 16, 4, kRed, true);
  s.Circle(16, 16, 9, kGreen);
  s.Circle(16, 16, 14, kInk);
}

void RefreshHmiVars(S& s) {
  s.Screen(2, 3, 30, 28);
  s.Circle(16, 13, 6, kGreen);
  s.Polygon({{20, 5}, {24, 9}, {18, 11}}, kGreen, kGreen);
}

void AddUtilityPictures(std::vector<ArtworkEntry>& out) {
  const int n = ResourceArtwork::kUtilitySize;
  auto add = [&](const std::string& name, Painter paint) { AddPair(out, name, n, n, std::move(paint)); };
  add("ROTATE_SHIFT", RotateShift);
  add("FACTOR", Factor);
  add("FILL", [](S& s) { FillVector(s, false); });
  add("OFFSET_VECT_FILL", [](S& s) { FillVector(s, true); });
  add("BIT_MANIPULATION", BitManipulation);
  add("POWER", Power);
  add("SQRT", SquareRoot);
  add("MIN_MAX", MinMax);
  add("FIND_BIT", FindBit);
  add("VECT_COPY", [](S& s) { CopyVector(s, false); });
  add("OFFSET_VECT_COPY", [](S& s) { CopyVector(s, true); });
  add("VECT_COMP", [](S& s) { CompareVector(s, false); });
  add("OFFSET_VECT_COMP", [](S& s) { CompareVector(s, true); });
  add("TEST_BIT", [](S& s) { BitCell(s, "?", false, kInk); });
  add("SET_BIT", [](S& s) { BitCell(s, "1", true, kGreen); });
  add("RESET_BIT", [](S& s) { BitCell(s, "0", false, kRed); });
  add("GET_BIT", GetBit);
  add("PUT_BIT", PutBit);
  add("SIMPLE_DB_READ", [](S& s) { DbTable(s, false); });
  add("SIMPLE_DB_WRITE", [](S& s) { DbTable(s, true); });
  add("HMI_PAGE_LOADED", HmiLoaded);
  add("NUM_TO_STR", [](S& s) { Conversion(s, "123", "\"123\""); });
  add("STR_TO_NUM", [](S& s) { Conversion(s, "\"12\"", "12"); });
  add("IP2STR", [](S& s) { Conversion(s, "IP", "\"1.2\""); });
  add("NUM_TO_BCD", [](S& s) { Conversion(s, "12", "BCD"); });
  add("BCD_TO_NUM", [](S& s) { Conversion(s, "BCD", "12"); });
  add("DRAW_PIXEL", DrawPixel);
  add("DRAW_LINE", [](S& s) { DrawLine(s, kInk); });
  add("DRAW_COLOR_LINE", [](S& s) { DrawLine(s, kRed); });
  add("CLEAR_RECT", ClearRect);
  add("FLIP_FLOP_RS", [](S& s) { FlipFlop(s, true); });
  add("FLIP_FLOP_SR", [](S& s) { FlipFlop(s, false); });
  add("RTC_TO_STR", [](S& s) { ClockTo(s, "A"); });
  add("TIME_TO_STR", [](S& s) { ClockTo(s, "s"); });
  add("RTC_TO_UTC", UtcClock);
  add("VECT_SHIFT", VectShift);
  add("READ_INPUT", [](S& s) { IoPoint(s, "I", false); });
  add("WRITE_OUTPUT", [](S& s) { IoPoint(s, "O", true); });
  add("READ_HSI", HighSpeedInput);
  add("WRITE_ANALOG_OUTPUT", AnalogOutput);
  add("SWAP_BYTES", SwapBytes);
  add("VECT_SORT", VectSort);
  add("STRING_LENGTH", StringLength);
  add("SET_STORAGE", SetStorage);
  add("STR_TO_VEC", StrToVec);
  add("TOGGLE_NUM_BIT", ToggleNumBit);
  add("TOGGLE_VEC_BIT", ToggleVecBit);
  add("COUNT_IN_RANGE", CountInRange);
  add("STR_REMOVE", StrRemove);
  add("STR_INSERT", StrInsert);
  add("STR_LEFT", [](S& s) { StringOp(s, "abcd", kRed, 3, 17); });
  add("STR_RIGHT", [](S& s) { StringOp(s, "abcd", kRed, 15, 29); });
  add("STR_MID", [](S& s) { StringOp(s, "abcd", kRed, 9, 23); });
  add("STR_FIND_IN_STR", StrFind);
  add("STR_REPLACE", StrReplace);
  add("TIMER_TO_STR", TimerToStr);
  add("STOP_TREND_TO_SD", StopTrend);
  add("LINEARIZATION", [](S& s) { Linearization(s, false); });
  add("VECT_LINEARIZATION", [](S& s) { Linearization(s, true); });
  add("PID", Pid);
  add("LOAD_LAST_HMI_PAGE", LoadLastHmiPage);
  add("ONLINE_POINT", OnlinePoint);
  add("REFRESH_HMI_VARS", RefreshHmiVars);
}

// ---- pointers (32 x 32, transparent) ----

void PointerArrow(S& s) {
  s.Polygon({{0, 0}, {0, 15}, {4, 11}, {7, 17}, {9, 16}, {6, 10}, {11, 10}}, S::kWhite, S::kBlack);
}

void ElementCreate(S& s) {
  PointerArrow(s);
  s.Box(14, 16, 30, 26, S::kWhite, S::kBlack);
  s.Line(22, 18, 22, 23, S::kBlack);
  s.Line(20, 21, 24, 21, S::kBlack);
}

void ElementMove(S& s) {
  PointerArrow(s);
  s.Dc().DrawFocusRect(Rect{12, 16, 30, 28});
}

void ElementCopy(S& s) {
  ElementMove(s);
  s.Box(22, 22, 31, 31, S::kWhite, S::kBlack);
  s.Line(26, 24, 26, 28, S::kBlack);
  s.Line(24, 26, 28, 26, S::kBlack);
}

void BigArrow(S& s, bool up) {
  std::vector<Point> shape = {{16, 2}, {29, 15}, {21, 15}, {21, 29}, {11, 29}, {11, 15}, {3, 15}};
  if (!up)
    for (Point& p : shape) p.Y = 31 - p.Y;
  s.Polygon(shape, S::kWhite, S::kBlack);
}

void AddPointers(std::vector<ArtworkEntry>& out) {
  out.push_back({"ELMNT_CREATE", ResourceKind::eRK_Cursor, 32, 32, {0, 0}, ElementCreate, false});
  out.push_back({"ELMNT_MOVE", ResourceKind::eRK_Icon, 32, 32, {0, 0}, ElementMove, false});
  out.push_back({"ELMNT_COPY", ResourceKind::eRK_Icon, 32, 32, {0, 0}, ElementCopy, false});
  out.push_back({"UP_ARROW", ResourceKind::eRK_Icon, 32, 32, {16, 2}, [](S& s) { BigArrow(s, true); }, false});
  out.push_back({"DOWN_ARROW", ResourceKind::eRK_Icon, 32, 32, {16, 29}, [](S& s) { BigArrow(s, false); }, false});
}

} // namespace

std::vector<ArtworkEntry> ResourceArtwork::Entries() {
  std::vector<ArtworkEntry> out;
  AddNormalSelected(out, "NEEDTOCOMPILE", 16, 16, NeedToCompile);
  AddNormalSelected(out, "STRIP_RESIZER", 16, 16, StripResizer);
  AddNormalSelected(out, "COMMENT", 16, 16, Comment);
  AddOne(out, "COLLAPSE", 11, 11, Collapse);
  AddOne(out, "EXPAND", 11, 11, Expand);
  AddOne(out, "JUMP_TO_LABEL", 16, 16, JumpToLabel);
  AddOne(out, "JUMP_TO_SUB", 16, 16, JumpToSub);
  AddOne(out, "RETURN_FROM_JUMP", 16, 16, ReturnFromJump);
  AddOne(out, "JUMP_TO_PAGE", 16, 14, JumpToPage);
  out.push_back({"INDIRECT_STORE", ResourceKind::eRK_Bitmap, 81, 87, {}, [](S& s) { IndirectBox(s, 2); }, false});
  out.push_back(
      {"INDIRECT_STORE_SELECTED", ResourceKind::eRK_Bitmap, 79, 87, {}, [](S& s) { IndirectBox(s, 2); }, true});
  AddPair(out, "INDIRECT_LOAD", 83, 36, [](S& s) { IndirectBox(s, 1); });
  AddUtilityPictures(out);
  AddPointers(out);
  return out;
}

Picture ResourceArtwork::Draw(const ArtworkEntry& entry) {
  bool pointer = entry.Kind != ResourceKind::eRK_Bitmap;
  COLORREF background = entry.Selected ? Sketch::kGrey : Sketch::kWhite;
  Sketch sketch(entry.Width, entry.Height, pointer ? Bitmap::Format::Argb : Bitmap::Format::Rgb, background, pointer);
  entry.Paint(sketch);
  return Picture(entry.Name, entry.Kind, sketch.Image(), entry.HotSpot);
}

} // namespace ldr::gdi
