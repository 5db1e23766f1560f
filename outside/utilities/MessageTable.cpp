#include "outside/utilities/MessageTable.h"

#include <algorithm>
#include <map>

namespace ldr {

namespace {

const std::map<int, MessageEntry>& Table() {
  using B = MsgButtons;
  static const std::map<int, MessageEntry> table = [] {
    const std::vector<MessageEntry> entries = {
        {eHM_ModuleNameUsed, "The module \"%1\" cannot take this name: another module already has it.", B::OK},
        {eHM_ClearSubroutine, "Clear the subroutine \"%1\"? Every net, comment and label in it will be deleted.",
         B::YesNo},
        {eHM_DeleteSubroutine, "Delete the subroutine \"%1\"?", B::YesNo},
        {eHM_SubroutineIsCalled,
         "The subroutine \"%1\" is called from the ladder and cannot be deleted. Remove its calls first.", B::OK},
        {eHM_ModuleHasCalledSubroutine,
         "The module \"%1\" holds a subroutine that is called from the ladder, so it cannot be deleted.", B::OK},
        {eHM_OperandPlaceGone, "The element that used this operand no longer exists.", B::OK},
        {eHM_SubroutineNameUsed, "The subroutine \"%1\" cannot take this name: another subroutine already has it.",
         B::OK},
        {eHM_ExportNamedConstants, "The subroutines use named constants and cannot be exported.", B::OK},
        {eHM_ExportMissingReference,
         "The subroutines call a subroutine or load a display that does not exist; they cannot be exported.", B::OK},
        {eHM_ExportMissingBlock,
         "The subroutines use a function block that is missing from the project; they cannot be exported.", B::OK},
        {eHM_ImportVersion, "The file was written by a version that this one cannot read; nothing was imported.",
         B::OK},
        {eHM_ImportBlockVersion,
         "The file uses a function block in another version than this project; nothing was imported.", B::OK},
        {eHM_ImportBlockMissing, "The file uses a function block that this project lacks; nothing was imported.",
         B::OK},
        {eHM_DeleteStrips, "Delete the selected strips?", B::YesNo},
        {eHM_DeleteStrip, "Delete the selected strip?", B::YesNo},
        {eHM_CopyNamedConstants, "The selection uses named constants and cannot be copied.", B::OK},
        {eHM_CopyMissingReference,
         "The selection calls a subroutine or loads a display that does not exist; it cannot be copied.", B::OK},
        {eHM_CopyMissingBlock, "The selection uses a function block that is missing; it cannot be copied.", B::OK},
        {eHM_PasteBlockVersion,
         "The clipboard holds a function block in another version than this project; it cannot be pasted.", B::OK},
        {eHM_PasteNoRoom, "There is no room here for the elements of the clipboard.", B::OK},
        {eHM_ComPortNotSet, "No communication port is chosen. Choose the port in the box's settings.", B::OK},
        {eHM_ComInitMissing,
         "The project has no COM INIT box. Add one to set the port up before dialling or hanging up.", B::OK},
        {eHM_WrongPassword, "The password is wrong.", B::OK},
        {eHM_PasswordsDiffer, "The password and its repetition differ.", B::OK},
        {eHM_PasswordRule, "A password has 6 to 16 characters.", B::OK},
        {eHM_UnsetPassword, "Remove the ladder password? Every subroutine will be unprotected.", B::OKCancel},
        {eHM_ExportProtected, "A protected subroutine cannot be exported.", B::OK},
        {eHM_CopyOverlaps, "The copy would overlap the moved elements, so no copy was made.", B::OK},
        {eHM_ExportFileName, "The file name may not contain a dot followed by a blank.", B::OK},
        {eHM_ImportExtendedOperands,
         "The file uses extended operands, which this project does not allow; nothing was imported.", B::OK},
        {eHM_PasteExtendedOperands,
         "The clipboard holds extended operands, which this project does not allow; it cannot be pasted.", B::OK},
        {eHM_PasteOutOfRange,
         "The clipboard holds operands beyond the address ranges of this controller; it cannot be pasted.", B::OK},
        {eHM_ImportOutOfRange,
         "The file holds operands beyond the address ranges of this controller; nothing was imported.", B::OK},
        {eHM_ExportLeftOut, "These subroutines use the function library and were left out of the export:\n%1", B::OK},
        {eHM_StripNotCopyable, "The selection holds a strip that cannot be copied or deleted.", B::OK},
    };
    std::map<int, MessageEntry> byNumber;
    for (const auto& entry : entries) byNumber[entry.Number] = entry;
    return byNumber;
  }();
  return table;
}

} // namespace

const std::vector<int>& MessageTable::Numbers() {
  static const std::vector<int> numbers = {eHM_ModuleNameUsed,
                                           eHM_ClearSubroutine,
                                           eHM_DeleteSubroutine,
                                           eHM_SubroutineIsCalled,
                                           eHM_ModuleHasCalledSubroutine,
                                           eHM_OperandPlaceGone,
                                           eHM_SubroutineNameUsed,
                                           eHM_ExportNamedConstants,
                                           eHM_ExportMissingReference,
                                           eHM_ExportMissingBlock,
                                           eHM_ImportVersion,
                                           eHM_ImportBlockVersion,
                                           eHM_ImportBlockMissing,
                                           eHM_DeleteStrips,
                                           eHM_DeleteStrip,
                                           eHM_CopyNamedConstants,
                                           eHM_CopyMissingReference,
                                           eHM_CopyMissingBlock,
                                           eHM_PasteBlockVersion,
                                           eHM_PasteNoRoom,
                                           eHM_ComPortNotSet,
                                           eHM_ComInitMissing,
                                           eHM_WrongPassword,
                                           eHM_PasswordsDiffer,
                                           eHM_PasswordRule,
                                           eHM_UnsetPassword,
                                           eHM_ExportProtected,
                                           eHM_CopyOverlaps,
                                           eHM_ExportFileName,
                                           eHM_ImportExtendedOperands,
                                           eHM_PasteExtendedOperands,
                                           eHM_PasteOutOfRange,
                                           eHM_ImportOutOfRange,
                                           eHM_ExportLeftOut,
                                           eHM_StripNotCopyable};
  return numbers;
}

bool MessageTable::Has(int number) { return Table().count(number) > 0; }

MessageEntry MessageTable::Entry(int number) {
  const auto found = Table().find(number);
  if (found != Table().end()) return found->second;
  return {number, "Host message " + std::to_string(number) + ".", MsgButtons::OK};
}

std::string MessageTable::Format(const std::string& text, const std::vector<std::string>& args) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
      const std::size_t index = static_cast<std::size_t>(text[i + 1] - '1');
      if (index < args.size()) out += args[index];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

std::vector<int> MessageTable::Answers(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::OK:
    return {eMA_OK};
  case MsgButtons::OKCancel:
    return {eMA_OK, eMA_Cancel};
  case MsgButtons::YesNo:
    return {eMA_Yes, eMA_No};
  case MsgButtons::YesNoCancel:
    return {eMA_Yes, eMA_No, eMA_Cancel};
  }
  return {eMA_OK};
}

std::string MessageTable::ButtonsName(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::OK:
    return "OK";
  case MsgButtons::OKCancel:
    return "OK, Cancel";
  case MsgButtons::YesNo:
    return "Yes, No";
  case MsgButtons::YesNoCancel:
    return "Yes, No, Cancel";
  }
  return "OK";
}

} // namespace ldr
