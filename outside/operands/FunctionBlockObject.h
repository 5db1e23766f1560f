#pragma once
// The block object of a placed function-block method: a shaped parameter
// object that knows its block. Its texts are the father title, the method
// title and its instance; its configuration asks a configuration method's
// settings and operands and then makes a new instance, and asks the other
// methods which instance they work on (the answer "N" or, with settings,
// "N: v1,v2"). A method whose block the project lacks has no operands and
// refuses to be configured.

#include "outside/operands/FunctionBlockLibrary.h"

namespace ldr {

class FunctionBlockObject : public ShapedParamsObject {
public:
  FunctionBlockObject(std::shared_ptr<const OperandLibrary> library, BlockMethodInfo info);

  const BlockMethodInfo& Info() const { return mInfo; }
  bool IsMissing() const { return mInfo.IsMissing(); }
  std::vector<std::string> Texts() const override;
  bool Configure(DialogService& dialogs, MessageService& messages) override;
  // Configures a placed method again: a configuration method keeps its
  // instance and stores the new settings in the instance row; any other
  // method asks again which instance it works on.
  bool Reconfigure(DialogService& dialogs, MessageService& messages);

  // The text a non-configuration method's dialog starts from, and its reading.
  std::string InstanceChoiceText() const;
  static bool ParseInstanceChoice(const std::string& text, std::size_t valueCount, long& instance,
                                  std::vector<std::int32_t>& values);

protected:
  bool AskValues(DialogService& dialogs, MessageService& messages) override;

private:
  bool ConfigureNewInstance(DialogService& dialogs, MessageService& messages);
  std::string InstanceText() const;
  db::Connection& Db() const;

  std::shared_ptr<const OperandLibrary> mOwner;
  BlockMethodInfo mInfo;
};

} // namespace ldr
