#pragma once
// Label navigation over the whole project: the next or previous label strip
// from the current strip (in subroutine order, then strip order, wrapping
// round), a label the user picks, or the label a jump's operand names. It
// finds the place; the main object goes there.

#include "outside/HostServices.h"

#include <optional>
#include <string>
#include <vector>

namespace ldr {

struct LabelPlace {
  long ModuleID = 0;
  long FunctionID = 0;
  long StripID = 0;
  bool operator==(const LabelPlace&) const = default;
};

// One label of the project, for a host's list.
struct LabelListEntry {
  LabelPlace Place;
  std::string ModuleName;
  std::string FunctionName;
  std::string LabelName;
};

class srvGotoLabels {
public:
  static constexpr const char* kNext = "ID_GotoLblNext";
  static constexpr const char* kPrevious = "ID_GotoLblPrv";
  static constexpr const char* kCustom = "ID_GotoLblCustom";

  explicit srvGotoLabels(const HostServices& host);

  // The label tool `toolID` leads to from strip `currentStripID`; nothing
  // when there is no label, the user cancels or the tool is another one.
  std::optional<LabelPlace> FindLabel(const std::string& toolID, long currentStripID);
  // The place of label strip `stripID`; nothing when it is not a label.
  std::optional<LabelPlace> PlaceOfLabel(long stripID);
  // Every label strip of the project, in navigation order.
  std::vector<LabelListEntry> Labels();

private:
  std::optional<long> StepToLabel(long currentStripID, bool forward);
  std::optional<long> AskForLabel();
  db::Connection& Db();

  HostServices mHost;
  std::shared_ptr<db::Connection> mConnection;
};

} // namespace ldr
