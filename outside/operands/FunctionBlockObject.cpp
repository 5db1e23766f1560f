#include "outside/operands/FunctionBlockObject.h"

#include "outside/operands/FunctionBlockInstances.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/DialogService.h"
#include "outside/utilities/MessageService.h"
#include "outside/utilities/SettingsStore.h"

namespace ldr {

FunctionBlockObject::FunctionBlockObject(std::shared_ptr<const OperandLibrary> library, BlockMethodInfo info)
    : ShapedParamsObject(library, info.Shape), mOwner(std::move(library)), mInfo(std::move(info)) {}

db::Connection& FunctionBlockObject::Db() const { return *mOwner->Connection(); }

std::string FunctionBlockObject::InstanceText() const {
  const long instance = InstanceNumber();
  if (instance <= 0 || instance == FunctionBlockInstances::kOrphanedInstance) return "No instance";
  FunctionBlockInstances instances(Db());
  const auto found = instances.Find(mInfo.FatherID, instance);
  std::string text = "Instance " + std::to_string(instance);
  return found && !found->Description.empty() ? text + " (" + found->Description + ")" : text;
}

std::vector<std::string> FunctionBlockObject::Texts() const {
  if (mInfo.IsMissing())
    return {"Missing block " + std::to_string(mInfo.FatherID),
            mInfo.HasMethod ? mInfo.MethodTitle : "method " + std::to_string(mInfo.MethodID), InstanceText()};
  return {mInfo.FatherTitle, mInfo.MethodTitle, InstanceText()};
}

bool FunctionBlockObject::Configure(DialogService& dialogs, MessageService& messages) {
  if (mInfo.IsMissing()) {
    messages.ShowMessageBox("The function block " + std::to_string(mInfo.FatherID) +
                            " is not in the project's library.");
    return false;
  }
  if (mInfo.IsConfiguration()) return ConfigureNewInstance(dialogs, messages);
  const long savedInstance = InstanceNumber();
  if (ShapedParamsObject::Configure(dialogs, messages)) return true;
  SetInstanceNumber(savedInstance);
  return false;
}

bool FunctionBlockObject::Reconfigure(DialogService& dialogs, MessageService& messages) {
  if (!mInfo.IsConfiguration() || mInfo.IsMissing()) return Configure(dialogs, messages);
  FunctionBlockInstances instances(Db());
  // A configuration method without its instance row gets a new instance.
  if (!instances.Find(mInfo.FatherID, InstanceNumber())) return ConfigureNewInstance(dialogs, messages);
  if (!ShapedParamsObject::Configure(dialogs, messages)) return false;
  instances.SetConfigData(mInfo.FatherID, InstanceNumber(), MoreParamsBin());
  return true;
}

bool FunctionBlockObject::ConfigureNewInstance(DialogService& dialogs, MessageService& messages) {
  FunctionBlockInstances instances(Db());
  if (!instances.LowestFreeInstanceID()) {
    messages.ShowMessageBox("No Free Instance ID");
    return false;
  }
  if (!ShapedParamsObject::Configure(dialogs, messages)) return false;
  const long number = instances.NextInstanceNumber(mInfo.FatherID);
  const std::string base = mInfo.FatherName.empty() ? mInfo.FatherTitle : mInfo.FatherName;
  const std::string description = instances.UniqueDescription((base.empty() ? "Block" : base) + std::to_string(number));
  SetInstanceNumber(number);
  instances.AddInstance(mInfo.FatherID, number, description, MoreParamsBin());
  return true;
}

// A non-configuration method asks its instance together with its settings.
bool FunctionBlockObject::AskValues(DialogService& dialogs, MessageService& messages) {
  if (mInfo.IsConfiguration()) return ShapedParamsObject::AskValues(dialogs, messages);
  FunctionBlockInstances instances(Db());
  const auto existing = instances.InstancesOf(mInfo.FatherID);
  if (existing.empty()) {
    messages.ShowMessageBox("The block " + mInfo.FatherTitle +
                            " has no instance yet: place its configuration method first.");
    return false;
  }
  if (InstanceNumber() <= 0) SetInstanceNumber(existing.front().Number);
  std::string current = InstanceChoiceText();
  for (;;) {
    const auto answer = dialogs.AskConfiguration(mInfo.MethodID, current);
    if (!answer) return false;
    long instance = 0;
    std::vector<std::int32_t> values;
    if (!ParseInstanceChoice(*answer, Values().size(), instance, values)) {
      messages.ShowMessageBox(Values().empty()
                                  ? "Enter the number of an instance of the block."
                                  : "Enter the instance number, a colon and " + std::to_string(Values().size()) +
                                        " whole numbers separated by commas.");
    } else if (!instances.Find(mInfo.FatherID, instance)) {
      messages.ShowMessageBox("The block " + mInfo.FatherTitle + " has no instance " + std::to_string(instance) + ".");
    } else {
      SetInstanceNumber(instance);
      if (!values.empty()) SetValues(std::move(values));
      return true;
    }
    current = *answer;
  }
}

std::string FunctionBlockObject::InstanceChoiceText() const {
  const std::string instance = std::to_string(InstanceNumber());
  return Values().empty() ? instance : instance + ": " + ValuesText(Values());
}

bool FunctionBlockObject::ParseInstanceChoice(const std::string& text, std::size_t valueCount, long& instance,
                                              std::vector<std::int32_t>& values) {
  const auto colon = text.find(':');
  if ((colon == std::string::npos) != (valueCount == 0)) return false;
  long number = 0;
  if (!ParseWholeNumber(text.substr(0, colon), number) || number <= 0 ||
      number >= FunctionBlockInstances::kOrphanedInstance)
    return false;
  std::vector<std::int32_t> parsed;
  if (valueCount > 0 && !ParseValues(text.substr(colon + 1), valueCount, parsed)) return false;
  instance = number;
  values = std::move(parsed);
  return true;
}

} // namespace ldr
