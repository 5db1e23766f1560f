#include "elements/UtilElementTable.h"

#include <algorithm>
#include <iterator>

namespace ldr {
namespace {

// type, box title, printed title, picture, tool tip, inputs, outputs
constexpr UtilityBoxLook kLooks[] = {
    {1200, "SHR", "SHR", "ROTATE_SHIFT", "Shift right", 2, 2},
    {1201, "SHL", "SHL", "ROTATE_SHIFT", "Shift left", 2, 2},
    {1202, "ROR", "ROR", "ROTATE_SHIFT", "Rotate right", 2, 2},
    {1203, "ROL", "ROL", "ROTATE_SHIFT", "Rotate left", 2, 2},
    {1204, "FACTOR", "FACTOR", "FACTOR", "Factor", 3, 1},
    {1205, "VEC. FILL", "VEC. FILL", "FILL", "Fill vector", 3, 0},
    {1206, "BIT to NUM", "BIT to NUM", "BIT_MANIPULATION", "Bits pattern to numeric", 3, 0},
    {1207, "NUM to BIT", "NUM to BIT", "BIT_MANIPULATION", "Numeric to bits pattern", 3, 0},
    {1208, "POWER", "POWER", "POWER", "Power function", 2, 1},
    {1209, "SQRT", "SQRT", "SQRT", "Square root", 1, 1},
    {1210, "MIN", "MIN", "MIN_MAX", "Minimum value", 2, 1},
    {1211, "MAX", "MAX", "MIN_MAX", "Maximum value", 2, 1},
    {1212, "FIND", "FIND", "FIND_BIT", "Find value within defined Vector", 3, 1},
    {1213, "VEC. COPY", "VEC. COPY", "VECT_COPY", "Copy vector", 3, 0},
    {1214, "TEST BIT", "TEST BIT", "TEST_BIT", "Test Bit", 2, 1},
    {1215, "SET BIT", "SET BIT", "SET_BIT", "SET Bit", 2, 0},
    {1216, "RESET BIT", "RESET BIT", "RESET_BIT", "RESET Bit", 2, 0},
    {1217, "VEC. LOAD", "VEC. LOAD", "GET_BIT", "Load value from Vector to operand", 2, 1},
    {1218, "VEC. STORE", "VEC. STORE", "PUT_BIT", "Store value to Vector from operand", 3, 0},
    {1219, "VEC. CMP", "VEC. CMP", "VECT_COMP", "Compare vectors", 3, 2},
    {1220, "VEC. FILL", "VEC. FILL", "OFFSET_VECT_FILL", "Fill vector", 4, 0},
    {1221, "VEC. COPY", "VEC. COPY", "OFFSET_VECT_COPY", "Copy vector", 5, 0},
    {1222, "VEC. CMP", "VEC. CMP", "OFFSET_VECT_COMP", "Compare vectors", 5, 2},
    {1223, "DT R.RAW", "DT R.RAW", "SIMPLE_DB_READ", "DT read direct", 5, 0},
    {1224, "DT W.RAW", "DT W.RAW", "SIMPLE_DB_WRITE", "DT write direct", 5, 0},
    {1225, "DS LOADED", "DS LOADED", "HMI_PAGE_LOADED", "HMI Display Loaded", 1, 1},
    {1226, "COPY MEM", "COPY MEM", "OFFSET_VECT_COPY", "Copy Memory", 5, 0},
    {1227, "Num To ASCII", "Num To ASCII", "NUM_TO_STR", "Convert Numeric Value to String", 5, 1},
    {1228, "DRAW PIXEL", "DRAW PIXEL", "DRAW_PIXEL", "Draw Pixel", 3, 0},
    {1229, "DRAW LINE", "DRAW LINE", "DRAW_LINE", "Draw Line", 6, 0},
    {1230, "RS FLIP", "RS FLIP", "FLIP_FLOP_RS", "RS Flip Flop", 2, 1},
    {1231, "SR FLIP", "SR FLIP", "FLIP_FLOP_SR", "SR Flip Flop", 2, 1},
    {1232, "RTC To ASCII", "RTC To ASCII", "RTC_TO_STR", "Convert the system RTC to String", 1, 1},
    {1233, "VEC. SHIFT", "VEC. SHIFT", "VECT_SHIFT", "Moves all bytes in vector 1 byte to the left", 2, 0},
    {1234, "Load Timer Bit", "Load Timer Bit", "INDIRECT_LOAD", "Load Timer scan bit", 1, 1},
    {1235, "Read Input", "Read Input", "READ_INPUT", "Immediate update input value", 1, 0},
    {1236, "Write Output", "Write Output", "WRITE_OUTPUT", "Immediate write output value", 1, 0},
    {1237, "Update H.S.I", "Update H.S.I", "READ_HSI", "Immediate update High Speed Input", 1, 0},
    {1238, "IP To ASCII", "IP To ASCII", "IP2STR", "Convert Binary IP Address to String", 2, 1},
    {1239, "CLEAR RECT", "CLEAR RECT", "CLEAR_RECT", "Clear Rectangle", 4, 0},
    {1240, "Time To ASCII", "Time To ASCII", "TIME_TO_STR", "Convert Numeric Value to Time-formatted String", 4, 1},
    {1241, "NUM to BCD", "NUM to BCD", "NUM_TO_BCD", "Num to BCD", 1, 1},
    {1242, "BCD to NUM", "BCD to NUM", "BCD_TO_NUM", "BCD to Num", 1, 1},
    {1243, "RTC to UTC", "RTC to UTC", "RTC_TO_UTC", "RTC to UTC", 1, 1},
    {1244, "UTC to RTC", "UTC to RTC", "RTC_TO_UTC", "UTC to RTC", 1, 1},
    {1245, "Write A.O", "Write A.O", "WRITE_ANALOG_OUTPUT", "Immediate write Analog Output value", 1, 0},
    {1246, "ASCII To Num", "ASCII To Num", "STR_TO_NUM", "Convert String to Numeric Value", 2, 2},
    {1247, "Swap Bytes", "Swap Bytes", "SWAP_BYTES", "Exchange low bytes with high bytes", 3, 0},
    {1248, "RLO to BIT", "RLO to BIT", "SET_BIT", "RLO to Bit", 2, 0},
    {1249, "VEC. SORT", "VEC. SORT", "VECT_SORT", "Sort vector", 3, 1},
    {1250, "STR LENGTH", "STR LENGTH", "STRING_LENGTH", "Calculate vector String length", 1, 1},
    {1251, "IS LAST DS", "IS LAST DS", "HMI_PAGE_LOADED", "Is HMI Last Displayed", 1, 1},
    {1252, "Set Str. Lib.", "Set Str. Lib.", "SET_STORAGE", "Set String Library", 1, 0},
    {1253, "STR TO VEC", "STR TO VEC", "STR_TO_VEC", "Library String to ASCII", 2, 2},
    {1254, "Toggle # Bit", "Toggle # Bit", "TOGGLE_NUM_BIT", "Toggle Bit In Register", 2, 0},
    {1255, "Toggle Bit", "Toggle Bit", "TOGGLE_VEC_BIT", "Toggle Bit In Vector", 2, 0},
    {1256, "Step In Range", "Step In Range", "COUNT_IN_RANGE", "Count within Range", 7, 1},
    {1257, "Rem. from Str.", "Rem. from Str.", "STR_REMOVE", "Remove from String", 3, 1},
    {1258, "Ins. to Str.", "Ins. to Str.", "STR_INSERT", "Insert into String", 3, 1},
    {1259, "Str. Left", "Str. Left", "STR_LEFT", "String Left", 2, 1},
    {1260, "Str. Right", "Str. Right", "STR_RIGHT", "String Right", 2, 1},
    {1261, "Str. MID", "Str. MID", "STR_MID", "String MID", 3, 1},
    {1262, "Str. Find", "Str. Find", "STR_FIND_IN_STR", "Find String in String", 3, 1},
    {1263, "PLC Net ID", "PLC Net ID", "SET_STORAGE", "Set PLC Net ID", 1, 0},
    {1264, "T -> ASCII", "T -> ASCII", "TIMER_TO_STR", "Timer to ASCII", 5, 1},
    {1265, "DRAW LINE", "DRAW LINE", "DRAW_COLOR_LINE", "Draw Line", 7, 0},
    {1267, "Str. Replace", "Str. Replace", "STR_REPLACE", "Replace Substring A with Substring B in String", 5, 1},
    {1269, "Stp Trnd->SD", "Stp Trnd->SD", "STOP_TREND_TO_SD", "Stop Saving Trend to SD", 1, 0},
};

constexpr bool SortedByType() {
  for (std::size_t i = 1; i < std::size(kLooks); ++i)
    if (kLooks[i - 1].Type >= kLooks[i].Type) return false;
  return true;
}
static_assert(SortedByType(), "the utility box rows must be sorted by type");

} // namespace

const UtilityBoxLook* UtilElementTable::Find(std::int32_t elementType) {
  const auto* found = std::lower_bound(std::begin(kLooks), std::end(kLooks), elementType,
                                       [](const UtilityBoxLook& row, std::int32_t type) { return row.Type < type; });
  return found != std::end(kLooks) && found->Type == elementType ? found : nullptr;
}

} // namespace ldr
