#pragma once
// `ldr script`: runs the commands of a script against the headless editor,
// one line at a time, and prints the log. The first command that cannot run
// stops the script with "fail LINE: REASON" on the error stream.

#include "apps/ldr/script/HeadlessEditor.h"
#include "apps/ldr/script/ScriptSimulation.h"
#include "apps/ldr/script/ToolServiceCalls.h"

#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace ldr::script {

class ScriptLog;
class CompileCaller;

class ScriptRunner {
public:
  ScriptRunner(std::ostream& out, std::ostream& err);
  ~ScriptRunner();

  // Runs every line of `in`; returns the exit status (0 all ran, 1 failed).
  int Run(std::istream& in);
  // Runs one line (already split); throws on failure.
  void Execute(const std::vector<std::string>& words);
  // The headless editor of the open project; throws when none is open.
  HeadlessEditor& Editor();

private:
  using Words = std::vector<std::string>;
  using Handler = std::function<void(const Words&)>;

  void Register();
  void Print(const std::string& line);
  clsLdrMain& Main() { return Editor().Main(); }

  void OpenProject(std::shared_ptr<db::Connection> connection);
  void CallMainMethod(const Words& words);
  void CallService(const Words& words);
  // The compile object and the services a host creates, made once per project.
  CompileCaller& Compiler();
  void PrintRows(db::Recordset& rows);
  void Drag(int x1, int y1, int x2, int y2);
  void DoubleClick(int x, int y);
  void UndoSteps(const Words& words, bool redo);

  std::ostream& mOut;
  std::ostream& mErr;
  std::shared_ptr<ScriptLog> mLog;
  std::unique_ptr<HeadlessEditor> mEditor;
  std::unique_ptr<ToolServiceCalls> mToolServices;
  std::unique_ptr<CompileCaller> mCompiler;
  std::map<std::string, Handler> mCommands;
  ScriptSimulation mSimulation;
};

} // namespace ldr::script
