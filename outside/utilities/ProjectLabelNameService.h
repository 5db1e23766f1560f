#pragma once
// Label names kept unique within a subroutine (compared without regard to
// case). Renaming a label also renames its label operands (type 29, address =
// the strip) in the operand list, in the same transaction.

#include "outside/utilities/DialogService.h"
#include "outside/utilities/LabelNameService.h"
#include "outside/utilities/MessageService.h"
#include "platform/database/Connection.h"

#include <memory>

namespace ldr {

class ProjectLabelNameService : public LabelNameService {
public:
  static constexpr long kMaxProposalNumber = 9999;

  ProjectLabelNameService(std::shared_ptr<db::Connection> project, std::shared_ptr<DialogService> dialogs,
                          std::shared_ptr<MessageService> messages);

  std::string ProposeLabelName(long funcID) override;
  bool EditLabelName(long stripID) override;

  // Why `name` cannot be the name of label strip `stripID` in `funcID`;
  // empty when it can.
  std::string CheckName(long funcID, long stripID, const std::string& name);
  // Stores the name and renames the label operands.
  void StoreName(long stripID, const std::string& name);

private:
  bool IsNameUsed(long funcID, long stripID, const std::string& name);

  std::shared_ptr<db::Connection> mProject;
  std::shared_ptr<DialogService> mDialogs;
  std::shared_ptr<MessageService> mMessages;
};

} // namespace ldr
