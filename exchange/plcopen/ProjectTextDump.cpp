#include "exchange/plcopen/ProjectTextDump.h"

#include "elements/ElementTypeTable.h"
#include "outside/operands/OperandType.h"

#include <cmath>
#include <sstream>

namespace ldr::plcopen {

namespace {

constexpr long kMissingReference = 32000;
constexpr long kFindOnlySlots = 230;

const char* FunctionKind(long functionType) {
  switch (functionType) {
  case 1:
    return "start";
  case 2:
    return "main";
  default:
    return "regular";
  }
}

std::string Number(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

} // namespace

std::string ProjectTextDump::Text() const {
  std::string text;
  std::set<OperandKey> used;
  for (const auto& subroutine : mProject.Subroutines) {
    text += "subroutine " + Quoted(subroutine.FullName()) + " " + FunctionKind(subroutine.FunctionType) + "\n";
    for (const auto& strip : subroutine.Strips) {
      text += "  " + StripLine(strip) + "\n";
      for (const auto& element : strip.Elements) text += "    " + ElementLine(element, used) + "\n";
    }
  }
  for (const auto& key : used) {
    const auto found = mProject.Operands.find(key);
    if (found == mProject.Operands.end() || found->second.Description.empty()) continue;
    const auto& [type, address, network] = key;
    text += "operand " + OperandText({0, 0, type, address, network}) + " " + Quoted(found->second.Description) + "\n";
  }
  return text;
}

std::string ProjectTextDump::StripLine(const LadderStrip& strip) const {
  std::string line;
  switch (strip.Type) {
  case 1:
    line = "net " + std::to_string(strip.ShowNum) + " height " + std::to_string(strip.LayoutHeight());
    if (strip.IsReturnStrip) line += " return";
    if (strip.IsCompilable == 2) line += " disabled";
    if (strip.IsCollapsed) line += " collapsed";
    break;
  case 2:
    line = "comment height " + std::to_string(strip.LayoutHeight()) + " " + Quoted(strip.Comment);
    break;
  case 3:
    line = "label " + Quoted(strip.LabelName);
    if (!strip.LabelComment.empty()) line += " comment " + Quoted(strip.LabelComment);
    break;
  default:
    line = "strip type " + std::to_string(strip.Type) + " height " + std::to_string(strip.LayoutHeight());
  }
  if (!strip.Note.empty()) line += " note " + Quoted(strip.Note);
  return line;
}

std::string ProjectTextDump::ElementLine(const LadderElement& element, std::set<OperandKey>& used) const {
  std::string line;
  const bool isLine = element.Type >= 100 && element.Type <= 102;
  if (isLine) {
    line = "line " + std::to_string(element.Type);
  } else {
    const auto* row = ElementTypeTable::Find(static_cast<std::int32_t>(element.Type));
    std::string title = row ? Trimmed(row->Title) : std::string();
    if (title.empty()) {
      const auto block = mProject.BlockTitles.find(element.Type);
      title = block != mProject.BlockTitles.end() ? block->second : "element";
    }
    line = Quoted(title) + " " + std::to_string(element.Type);
  }
  line += " at " + std::to_string(element.Xs) + "," + std::to_string(element.Ys);
  if (isLine) line += " size " + std::to_string(element.Dx) + "," + std::to_string(element.Dy);
  if (element.MoreParamsLng != 0) line += " params " + std::to_string(element.MoreParamsLng);
  if (!element.MoreParamsBin.empty()) line += " bin " + Hex(element.MoreParamsBin);
  for (const auto& operand : element.Operands) {
    const bool input = operand.InIdx != 0;
    const long slot = input ? operand.InIdx : operand.OutIdx;
    line += std::string(" ") +
            (slot >= kFindOnlySlots ? "find"
             : input                ? "in"
                                    : "out") +
            std::to_string(slot) + "=" + OperandText(operand);
    if (!OperandTypeCatalogue::IsReference(operand.Type) && !OperandTypeCatalogue::IsConstant(operand.Type))
      used.insert({operand.Type, operand.Address, operand.Network});
  }
  return line;
}

std::string ProjectTextDump::ReferenceName(const std::map<long, std::string>& names, long address) const {
  if (address == kMissingReference) return "MISSING";
  const auto found = names.find(address);
  return found == names.end() ? "-" : Quoted(found->second);
}

std::string ProjectTextDump::OperandText(const LadderOperand& operand) const {
  const std::string type = mCatalogue.ShortName(operand.Type);
  const auto* entry = mProject.FindOperand(operand);
  std::string text;
  switch (operand.Type) {
  case eOT_Label:
    text = type + " " + ReferenceName(mProject.LabelNames, operand.Address);
    break;
  case eOT_Subroutine:
    text = type + " " + ReferenceName(mProject.SubroutineNames, operand.Address);
    break;
  case eOT_Display: {
    const auto found = mProject.PageNames.find(operand.Address);
    text = type + " " +
           (found != mProject.PageNames.end() && !found->second.empty() ? Quoted(found->second)
                                                                        : "#" + std::to_string(operand.Address));
    break;
  }
  default:
    if (OperandTypeCatalogue::IsConstant(operand.Type))
      text = type + " =" + Number(entry ? entry->PowerUp : 0.0);
    else if (OperandTypeCatalogue::IsNamedConstant(operand.Type))
      text = type + " " + Quoted(entry ? entry->Description : "") + "=" + Number(entry ? entry->PowerUp : 0.0);
    else
      text = type + " " + std::to_string(operand.Address);
  }
  if (operand.Network != 0) text += "@" + std::to_string(operand.Network);
  return text;
}

std::string ProjectTextDump::Quoted(const std::string& text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    if (c == '\n')
      quoted += "\\n";
    else if (c == '\r')
      quoted += "\\r";
    else if (c == '\t')
      quoted += "\\t";
    else
      quoted += c;
  }
  return quoted + "\"";
}

std::string ProjectTextDump::Hex(const db::Blob& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text;
  for (auto byte : bytes) {
    text += kDigits[byte >> 4];
    text += kDigits[byte & 15];
  }
  return text;
}

} // namespace ldr::plcopen
