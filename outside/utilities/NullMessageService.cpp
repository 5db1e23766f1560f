#include "outside/utilities/NullMessageService.h"

#include "outside/utilities/MessageTable.h"

namespace ldr {

int NullMessageService::ShowMessage(int number, const std::vector<std::string>&) {
  return CautiousAnswer(MessageTable::Has(number) ? MessageTable::Entry(number).Buttons : MsgButtons::OK);
}

int NullMessageService::ShowMessageBox(const std::string&, MsgButtons buttons) { return CautiousAnswer(buttons); }

int NullMessageService::CautiousAnswer(MsgButtons buttons) {
  switch (buttons) {
  case MsgButtons::OK:
    return eMA_OK;
  case MsgButtons::YesNo:
    return eMA_No;
  case MsgButtons::OKCancel:
  case MsgButtons::YesNoCancel:
    break;
  }
  return eMA_Cancel;
}

} // namespace ldr
