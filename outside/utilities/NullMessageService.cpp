#include "outside/utilities/NullMessageService.h"

#include "outside/utilities/MessageTable.h"

namespace ldr {

int NullMessageService::ShowMessage(int number, const std::vector<std::string>&) {
  return CautiousAnswer(MessageTable::Has(number) ? MessageTable::Entry(number).Buttons : enMsgButtons::OK);
}

int NullMessageService::ShowMessageBox(const std::string&, enMsgButtons buttons) { return CautiousAnswer(buttons); }

int NullMessageService::CautiousAnswer(enMsgButtons buttons) {
  switch (buttons) {
  case enMsgButtons::OK:
    return eMA_OK;
  case enMsgButtons::YesNo:
    return eMA_No;
  case enMsgButtons::OKCancel:
  case enMsgButtons::YesNoCancel:
    break;
  }
  return eMA_Cancel;
}

} // namespace ldr
