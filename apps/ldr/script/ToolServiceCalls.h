#pragma once
// `service NAME METHOD ARG...` for the services of the tools: cross
// reference (srvLdrCrossRef), comment hiding (srvHideComments), the ladder
// password (srvLadderPassword) and printing (srvPrint). Each service is made
// once, on the open project, when a script first calls it. After a call the
// open subroutine is loaded again, so the boards show what the service
// changed.

#include "apps/ldr/script/HeadlessEditor.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ldr {
class srvLdrCrossRef;
class srvHideComments;
class srvLadderPassword;
class srvPrint;
struct tyLadderCrossRef;
} // namespace ldr

namespace ldr::script {

class ToolServiceCalls {
public:
  using Words = std::vector<std::string>;
  using PrintLine = std::function<void(const std::string&)>;

  ToolServiceCalls(HeadlessEditor& editor, PrintLine print);
  ~ToolServiceCalls();

  static bool Serves(const std::string& serviceName);
  // Throws std::invalid_argument for an unknown method or wrong arguments.
  void Call(const std::string& serviceName, const std::string& method, const Words& args);

private:
  void CallCrossRef(const std::string& method, const Words& args);
  void CallHideComments(const std::string& method, const Words& args);
  void CallPassword(const std::string& method, const Words& args);
  void CallPrint(const std::string& method, const Words& args);
  void PrintPlaces(bool noResults, const std::vector<tyLadderCrossRef>& places);
  long OperandType(const std::string& word) const;
  void ReloadOpenSubroutine();

  HeadlessEditor& mEditor;
  PrintLine mPrint;
  std::unique_ptr<srvLdrCrossRef> mCrossRef;
  std::unique_ptr<srvHideComments> mHideComments;
  std::unique_ptr<srvLadderPassword> mPassword;
  std::unique_ptr<srvPrint> mPrinter;
};

} // namespace ldr::script
