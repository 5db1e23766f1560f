#include "outside/operands/ParamsKind.h"

#include <algorithm>

namespace ldr {
namespace {

using K = ParamsFieldKind;

// Wide enough for most catalogue titles in the box.
constexpr long kBoxColumns = 25;

// --- fields, shared by several kinds -------------------------------------------------------

// Layout 2 of the serial port added the character framing; a layout-1 block
// reads back with 8 data bits, no parity and one stop bit.
constexpr ParamsField kSerialPort[] = {
    {"port", K::Port, "COM port", 0, 0, 4},
    {"baud", K::Number, "baud rate", 9600, 300, 115200},
    {"dataBits", K::Number, "data bits", 8, 7, 8, 2},
    {"parity", K::Number, "parity (0 none, 1 odd, 2 even)", 0, 0, 2, 2},
    {"stopBits", K::Number, "stop bits", 1, 1, 2, 2},
};
constexpr ParamsField kTableRow[] = {
    {"table", K::Number, "data table", 1, 1, 255},
    {"row", K::Operand, "Row index"},
    {"data", K::Operand, "First operand of the row"},
};
constexpr ParamsField kTableColumn[] = {
    {"table", K::Number, "data table", 1, 1, 255},
    {"column", K::Number, "column", 1, 1, 64},
    {"data", K::Operand, "First operand of the column"},
};
constexpr ParamsField kTable[] = {{"table", K::Number, "data table", 1, 1, 255}};
constexpr ParamsField kEthernetCard[] = {
    {"ip", K::Text, "IP address", 0, 0, 0, 1, "192.168.0.10"},
    {"mask", K::Text, "subnet mask", 0, 0, 0, 1, "255.255.255.0"},
    {"gateway", K::Text, "gateway", 0, 0, 0, 1, "192.168.0.1"},
};
constexpr ParamsField kSocketInit[] = {
    {"socket", K::Number, "socket", 0, 0, 3},
    {"protocol", K::Number, "protocol (0 TCP, 1 UDP)", 0, 0, 1},
    {"localPort", K::Number, "local port", 502, 1, 65535},
};
constexpr ParamsField kTcpConnect[] = {
    {"socket", K::Number, "socket", 0, 0, 3},
    {"remoteIp", K::Text, "remote IP address", 0, 0, 0, 1, "192.168.0.20"},
    {"remotePort", K::Number, "remote port", 502, 1, 65535},
};
constexpr ParamsField kSocket[] = {{"socket", K::Number, "socket", 0, 0, 3}};
constexpr ParamsField kDial[] = {
    {"port", K::Port, "COM port", 0, 0, 4},
    {"phone", K::Text, "phone number"},
};
constexpr ParamsField kPort[] = {{"port", K::Port, "COM port", 0, 0, 4}};
constexpr ParamsField kPlcName[] = {{"name", K::Operand, "First operand of the PLC name"}};
constexpr ParamsField kSdPassword[] = {{"password", K::Operand, "First operand of the password"}};
constexpr ParamsField kInterval[] = {{"interval", K::Number, "interval number", 1, 1, 16}};
constexpr ParamsField kCount[] = {{"count", K::Number, "number of elements", 1, 1, 1000}};
constexpr ParamsField kTableFile[] = {
    {"table", K::Number, "data table", 1, 1, 255},
    {"file", K::Text, "file name", 0, 0, 0, 1, "TABLE"},
};
constexpr ParamsField kFormula[] = {{"formula", K::Text, "formula", 0, 0, 0, 1, "A+B"}};
constexpr ParamsField kCanBus[] = {
    {"channel", K::Number, "CAN channel", 1, 1, 2},
    {"id", K::Number, "message ID", 0, 0, 536870911},
};
constexpr ParamsField kCanOpen[] = {{"node", K::Number, "node ID", 1, 1, 127}};
constexpr ParamsField kPgn[] = {{"pgn", K::Number, "PGN", 0, 0, 262143}};
constexpr ParamsField kFile[] = {{"file", K::Text, "file name", 0, 0, 0, 1, "FILE"}};
constexpr ParamsField kEmail[] = {
    {"to", K::Text, "recipient"},
    {"subject", K::Text, "subject"},
};
constexpr ParamsField kDelay[] = {{"ms", K::Number, "milliseconds", 10, 1, 60000}};
constexpr ParamsField kCounter[] = {{"counter", K::Number, "high-speed counter", 1, 1, 4}};
constexpr ParamsField kChannel[] = {{"channel", K::Number, "output channel", 1, 1, 4}};
constexpr ParamsField kTrend[] = {
    {"trend", K::Number, "trend", 1, 1, 32},
    {"period", K::Number, "period (s)", 1, 1, 3600},
};

// --- pin names, inputs first ---------------------------------------------------------------

constexpr std::string_view kFloatFunctionPins[] = {"Argument", "Result"};
constexpr std::string_view kFloatStorePins[] = {"Source", "Target"};
constexpr std::string_view kInRangePins[] = {"Value", "Low Limit", "High Limit"};
constexpr std::string_view kTransposePins[] = {"Source Vector", "Target Vector", "Status"};
constexpr std::string_view kTableQueryPins[] = {"Row", "Column Or Vector", "Status"};
constexpr std::string_view kStatusPins[] = {"Start", "Status"};
constexpr std::string_view kTrendPins[] = {"Start"};

// --- types -------------------------------------------------------------------------------

constexpr TypeRange kComInit[] = {{1400, 1400}};
constexpr TypeRange kTableRowTypes[] = {{1402, 1403}};
constexpr TypeRange kTableColumnTypes[] = {{1419, 1420}};
constexpr TypeRange kTableClear[] = {{1413, 1413}};
constexpr TypeRange kEthernetCardTypes[] = {{1405, 1405}};
constexpr TypeRange kSocketInitTypes[] = {{1406, 1406}, {1412, 1412}};
constexpr TypeRange kTcpConnectTypes[] = {{1407, 1407}, {1426, 1426}};
constexpr TypeRange kTcpCloseTypes[] = {{1408, 1408}, {1427, 1427}};
constexpr TypeRange kDialTypes[] = {{1409, 1409}};
constexpr TypeRange kHangUpTypes[] = {{1410, 1410}};
constexpr TypeRange kPlcNameTypes[] = {{1417, 1417}};
constexpr TypeRange kIntervalTypes[] = {{1418, 1418}};
constexpr TypeRange kSdPasswordTypes[] = {{1422, 1422}};
constexpr TypeRange kCommunication[] = {{1400, 1427}};

constexpr TypeRange kFloatFunction[] = {{1601, 1609}, {1611, 1612}, {1621, 1622}};
constexpr TypeRange kFloatArithmetic[] = {{1610, 1610}, {1613, 1620}};
constexpr TypeRange kFloatCompare[] = {{1623, 1628}};
constexpr TypeRange kFloatStore[] = {{1629, 1629}};
constexpr TypeRange kTranspose[] = {{1630, 1630}};
constexpr TypeRange kFloatInRange[] = {{1632, 1632}};
constexpr TypeRange kIntervalEnd[] = {{1634, 1634}};
constexpr TypeRange kFormulaTypes[] = {{1636, 1636}};
constexpr TypeRange kTableQuery[] = {{1631, 1631}, {1633, 1633}, {1637, 1638}, {1642, 1643},
                                     {1666, 1666}, {1686, 1687}, {1817, 1817}};
constexpr TypeRange kTableFileTypes[] = {{1667, 1668}, {1673, 1673}, {1679, 1679}, {1804, 1805}};
constexpr TypeRange kCanBusTypes[] = {{1641, 1641}, {1644, 1646}, {1659, 1660}, {1810, 1810}};
constexpr TypeRange kCanOpenTypes[] = {{1647, 1656}};
constexpr TypeRange kRawSocket[] = {{1657, 1658}, {1671, 1672}, {1688, 1688}};
constexpr TypeRange kJ1939[] = {{1680, 1683}, {1690, 1690}, {1694, 1694}};
constexpr TypeRange kSdFile[] = {{1684, 1685}, {1689, 1689}, {1691, 1693}, {1697, 1699},
                                 {1801, 1803}, {1806, 1808}, {1818, 1818}};
constexpr TypeRange kEmailTypes[] = {{1669, 1669}};
constexpr TypeRange kDelayTypes[] = {{1662, 1662}};
constexpr TypeRange kCounterTypes[] = {{1674, 1674}, {1676, 1677}};
constexpr TypeRange kPulseTrain[] = {{1819, 1825}, {1828, 1828}, {1830, 1830}};
constexpr TypeRange kTrendTypes[] = {{1268, 1268}};
constexpr TypeRange kSecondSet[] = {{1601, 1699}, {1801, 1830}};

// The first row that names a type is its kind: the catch-all rows of each set
// come last. Only the types whose operand replacement rewrites the block
// (1400, 1402, 1403, 1409, 1417, 1419, 1420, 1422) may hold operands in it.
constexpr ParamsKind kKinds[] = {
    {"SerialPort", kComInit, 0, 0, kSerialPort, 2, kBoxColumns, "serial port set-up"},
    {"TableRow", kTableRowTypes, 0, 0, kTableRow, 1, kBoxColumns, "data table row"},
    {"TableColumn", kTableColumnTypes, 0, 0, kTableColumn, 1, kBoxColumns, "data table column"},
    {"TableClear", kTableClear, 0, 0, kTable, 1, kBoxColumns, "data table"},
    {"EthernetCard", kEthernetCardTypes, 0, 0, kEthernetCard, 1, kBoxColumns, "network card"},
    {"SocketInit", kSocketInitTypes, 0, 0, kSocketInit, 1, kBoxColumns, "socket set-up"},
    {"TcpConnect", kTcpConnectTypes, 0, 0, kTcpConnect, 1, kBoxColumns, "connection"},
    {"TcpClose", kTcpCloseTypes, 0, 0, kSocket, 1, kBoxColumns, "socket"},
    {"Dial", kDialTypes, 0, 0, kDial, 1, kBoxColumns, "modem dial"},
    {"HangUp", kHangUpTypes, 0, 0, kPort, 1, kBoxColumns, "modem"},
    {"PlcName", kPlcNameTypes, 0, 0, kPlcName, 1, kBoxColumns, "PLC name"},
    {"Interval", kIntervalTypes, 0, 0, kInterval, 1, kBoxColumns, "interval"},
    {"SdPassword", kSdPasswordTypes, 0, 0, kSdPassword, 1, kBoxColumns, "SD card password"},
    {"Communication", kCommunication, 0, 0, {}, 1, kBoxColumns, ""},

    {"FloatFunction", kFloatFunction, 1, 1, {}, 1, kBoxColumns, "B = f(A)", kFloatFunctionPins},
    {"FloatArithmetic", kFloatArithmetic, 2, 1, {}, 1, kBoxColumns, "C = A op B"},
    {"FloatCompare", kFloatCompare, 2, 0, {}, 1, kBoxColumns, "A ? B"},
    {"FloatStore", kFloatStore, 1, 1, {}, 1, kBoxColumns, "B = A", kFloatStorePins},
    {"Transpose", kTranspose, 2, 1, kCount, 1, kBoxColumns, "vector", kTransposePins},
    {"FloatInRange", kFloatInRange, 3, 0, {}, 1, kBoxColumns, "B <= A <= C", kInRangePins},
    {"IntervalEnd", kIntervalEnd, 0, 1, {}, 1, kBoxColumns, "interval"},
    {"Formula", kFormulaTypes, 2, 1, kFormula, 1, kBoxColumns, "formula"},
    {"TableQuery", kTableQuery, 2, 1, kTable, 1, kBoxColumns, "data table", kTableQueryPins},
    {"TableFile", kTableFileTypes, 1, 1, kTableFile, 1, kBoxColumns, "data table file", kStatusPins},
    {"CanBus", kCanBusTypes, 2, 1, kCanBus, 1, kBoxColumns, "CAN message"},
    {"CanOpen", kCanOpenTypes, 2, 1, kCanOpen, 1, kBoxColumns, "CANopen node"},
    {"RawSocket", kRawSocket, 2, 1, kSocket, 1, kBoxColumns, "socket"},
    {"J1939", kJ1939, 2, 1, kPgn, 1, kBoxColumns, "J1939"},
    {"SdFile", kSdFile, 1, 1, kFile, 1, kBoxColumns, "SD file", kStatusPins},
    {"Email", kEmailTypes, 1, 1, kEmail, 1, kBoxColumns, "e-mail"},
    {"Delay", kDelayTypes, 1, 0, kDelay, 1, kBoxColumns, "delay"},
    {"Counter", kCounterTypes, 1, 1, kCounter, 1, kBoxColumns, "counter"},
    {"PulseTrain", kPulseTrain, 2, 1, kChannel, 1, kBoxColumns, "pulse train"},
    {"Trend", kTrendTypes, 1, 0, kTrend, 1, kBoxColumns, "trend", kTrendPins},
    {"SecondSet", kSecondSet, 1, 1, {}, 1, kBoxColumns, ""},
};

} // namespace

std::span<const ParamsKind> ParamsKinds::All() { return kKinds; }

bool ParamsKinds::Contains(const ParamsKind& kind, long elementType) {
  return std::any_of(kind.Types.begin(), kind.Types.end(),
                     [&](const TypeRange& range) { return elementType >= range.First && elementType <= range.Last; });
}

std::string ParamsKinds::PinPrompt(const ParamsKind& kind, bool isInput, long slot) {
  const long index = (isInput ? 0 : kind.Inputs) + slot - 1;
  if (index >= 0 && index < static_cast<long>(kind.PinNames.size()))
    return "Select " + std::string(kind.PinNames[static_cast<std::size_t>(index)]) + " Operand";
  if (!isInput) return "Select Result Operand";
  return "Select Operand " + std::string(1, static_cast<char>('A' + slot - 1));
}

const ParamsKind* ParamsKinds::Find(long elementType) {
  const auto found =
      std::find_if(std::begin(kKinds), std::end(kKinds), [&](const auto& kind) { return Contains(kind, elementType); });
  return found == std::end(kKinds) ? nullptr : &*found;
}

} // namespace ldr
