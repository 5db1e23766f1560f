#pragma once
// The strip-creation process: after the host's command to create strips, the
// next mouse-down on a strip inserts new strips (nets, comments or labels) in
// front of it, straight into the project database, and the view is laid out
// again. A press over no strip leaves the process waiting.

#include "editing/ProcessBase.h"
#include "platform/database/Connection.h"

#include <optional>

namespace ldr {

class srvStripCreator : public ProcessBase {
public:
  static constexpr const char* kClassName = "srvStripCreator";

  explicit srvStripCreator(LdrContext& ctx);

  void SetFunctionID(std::int32_t value) override { mFunctionID = value; }
  void SetStripType(enStripType value) override { mStripType = value; }
  void SetCreationStyle(std::int32_t value) override { mCreationStyle = value; }
  void SetCreationAmount(std::int32_t value) override { mCreationAmount = value; }

  std::int32_t FunctionID() const { return mFunctionID; }
  enStripType StripType() const { return mStripType; }
  std::int32_t CreationStyle() const { return mCreationStyle; }
  std::int32_t CreationAmount() const { return mCreationAmount; }

  // Inserts the strips in front of sequence number `position`.
  void InsertStrips(std::int32_t position);

protected:
  ProcessOutcome OnMouseDown(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseMove(const std::shared_ptr<itfStrip>& strip) override;
  ProcessOutcome OnMouseUp(const std::shared_ptr<itfStrip>&) override { return ProcessOutcome::Continue(); }

private:
  // The row of a new strip, or nothing when it must not be added (a label
  // without a name).
  std::optional<db::FieldList> NewStripRow(std::int32_t seqNum);

  std::int32_t mFunctionID = 0;
  enStripType mStripType = eST_LdrNet;
  std::int32_t mCreationStyle = 1;
  std::int32_t mCreationAmount = 1;
};

} // namespace ldr
