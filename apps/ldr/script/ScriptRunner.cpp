#include "apps/ldr/script/ScriptRunner.h"

#include "apps/ldr/script/CompileCaller.h"
#include "apps/ldr/script/ScriptLine.h"
#include "core/ProjectDatabase.h"
#include "core/clsLdrState.h"
#include "outside/headless/LogFormat.h"
#include "outside/operands/HitRecord.h"
#include "platform/boards/BoardPicture.h"
#include "platform/database/Transaction.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace ldr::script {

// The log of a script: every line goes to the output and is kept for
// `expect`.
class ScriptLog : public LogSink {
public:
  explicit ScriptLog(std::ostream& out) : mOut(out) {}
  void WriteLine(const std::string& line) override {
    mOut << line << '\n';
    mLines.push_back(line);
  }
  bool Contains(const std::string& text) const {
    for (const auto& line : mLines)
      if (line.find(text) != std::string::npos) return true;
    return false;
  }

private:
  std::ostream& mOut;
  std::vector<std::string> mLines;
};

namespace {

using Words = std::vector<std::string>;

int ToInt(const std::string& word) { return static_cast<int>(ToLong(word)); }

void ExpectCount(const Words& words, size_t min, size_t max, const char* usage) {
  const size_t args = words.size() - 1;
  if (args < min || args > max) throw std::invalid_argument(std::string("usage: ") + usage);
}

long EditCommandNumber(const std::string& word) {
  static const std::map<std::string, long> names = {
      {"cut", 1}, {"copy", 2}, {"paste", 3}, {"delete", 4}, {"deletefunction", 5}};
  auto found = names.find(word);
  return found != names.end() ? found->second : ToLong(word);
}

std::string Bool01(bool value) { return value ? "1" : "0"; }

// An array argument: one comma-separated word ("3,5,9").
std::vector<long> LongList(const std::string& word) {
  std::vector<long> values;
  std::size_t start = 0;
  while (start <= word.size()) {
    const std::size_t comma = std::min(word.find(',', start), word.size());
    values.push_back(ToLong(word.substr(start, comma - start)));
    start = comma + 1;
  }
  return values;
}

} // namespace

ScriptRunner::ScriptRunner(std::ostream& out, std::ostream& err)
    : mOut(out), mErr(err), mLog(std::make_shared<ScriptLog>(out)),
      mSimulation([this](const std::string& line) { Print(line); }) {
  Register();
}

ScriptRunner::~ScriptRunner() = default;

int ScriptRunner::Run(std::istream& in) {
  std::string text;
  int lineNumber = 0;
  while (std::getline(in, text)) {
    ++lineNumber;
    try {
      Words words = ScriptLine::Split(text);
      if (!words.empty()) Execute(words);
    } catch (const std::exception& e) {
      mOut.flush();
      mErr << "fail " << lineNumber << ": " << e.what() << '\n';
      return 1;
    } catch (...) {
      mOut.flush();
      mErr << "fail " << lineNumber << ": an error of unknown kind\n";
      return 1;
    }
  }
  return 0;
}

void ScriptRunner::Execute(const Words& words) {
  auto found = mCommands.find(words[0]);
  if (found == mCommands.end()) throw std::invalid_argument("unknown command: " + words[0]);
  found->second(words);
}

void ScriptRunner::Print(const std::string& line) { mLog->WriteLine(line); }

HeadlessEditor& ScriptRunner::Editor() {
  if (!mEditor) throw std::logic_error("no project is open (new or open)");
  return *mEditor;
}

void ScriptRunner::OpenProject(std::shared_ptr<db::Connection> connection) {
  mToolServices.reset();
  mCompiler.reset();
  mEditor.reset();
  mEditor = std::make_unique<HeadlessEditor>(std::move(connection), mLog);
}

CompileCaller& ScriptRunner::Compiler() {
  if (!mCompiler)
    mCompiler =
        std::make_unique<CompileCaller>(Editor().Host().Services, [this](const std::string& line) { Print(line); });
  return *mCompiler;
}

void ScriptRunner::PrintRows(db::Recordset& rows) {
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
    std::string line;
    for (size_t i = 0; i < rows.Columns().size(); ++i)
      line += (i ? "|" : "") + rows.Field(static_cast<int>(i)).ToDisplay();
    Print(line);
  }
}

// Left button down at the start, a move in every grid cell the straight path
// crosses, up at the end. A pixel belongs to the cell the editor puts it in
// (HitRecord::PixelToGrid), and each move goes to the first pixel of the
// path inside its cell, never to a boundary the editor counts to the cell
// before.
void ScriptRunner::Drag(int x1, int y1, int x2, int y2) {
  auto& board = Editor().RightBoard();
  board.MouseDown(1, 0, x1, y1);
  const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
  std::int32_t lastCellX = HitRecord::PixelToGrid(x1), lastCellY = HitRecord::PixelToGrid(y1);
  for (int i = 1; i <= steps; ++i) {
    const int x = x1 + static_cast<int>(std::lround(static_cast<double>(x2 - x1) * i / steps));
    const int y = y1 + static_cast<int>(std::lround(static_cast<double>(y2 - y1) * i / steps));
    const std::int32_t cellX = HitRecord::PixelToGrid(x), cellY = HitRecord::PixelToGrid(y);
    if (cellX == lastCellX && cellY == lastCellY && i != steps) continue;
    board.MouseMove(1, 0, x, y);
    lastCellX = cellX;
    lastCellY = cellY;
  }
  board.MouseUp(1, 0, x2, y2);
}

// What a host's window sends for a double click: press and release at the
// point, then the double click.
void ScriptRunner::DoubleClick(int x, int y) {
  auto& board = Editor().RightBoard();
  board.MouseDown(1, 0, x, y);
  board.MouseUp(1, 0, x, y);
  board.DblClick(1, 0, x, y);
}

void ScriptRunner::Register() {
  mCommands["new"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "new PATH");
    OpenProject(ProjectDatabase::Create(w[1]));
  };
  mCommands["open"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "open PATH");
    OpenProject(ProjectDatabase::Open(w[1]));
  };
  mCommands["init"] = [this](const Words& w) {
    if (w.size() != 1 && w.size() != 3) throw std::invalid_argument("usage: init [W H]");
    Editor().Init(w.size() == 3 ? ToInt(w[1]) : 798, w.size() == 3 ? ToInt(w[2]) : 700);
  };
  mCommands["load"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "load FUNCID");
    Main().LoadFunction(ToLong(w[1]));
  };
  mCommands["resize"] = [this](const Words& w) {
    ExpectCount(w, 2, 2, "resize W H");
    Editor().Resize(ToInt(w[1]), ToInt(w[2]));
  };
  mCommands["tool"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "tool ID");
    Main().ToolRequest(w[1]);
  };
  mCommands["special"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "special ID");
    Main().SpecialToolRequest(w[1]);
  };
  mCommands["edit"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "edit cut|copy|paste|delete|deletefunction|N");
    Main().EditCommand(EditCommandNumber(w[1]));
  };
  auto mouse = [this](bool right, void (MemoryPictureBoard::*event)(int, int, int, int)) {
    return [this, right, event](const Words& w) {
      ExpectCount(w, 4, 4, "BUTTON SHIFT X Y");
      Main(); // the boards exist once the editor is initialised
      auto& board = right ? Editor().RightBoard() : Editor().LeftBoard();
      const std::string toolTipBefore = board.ToolTipText();
      (board.*event)(ToInt(w[1]), ToInt(w[2]), ToInt(w[3]), ToInt(w[4]));
      // The host shows a tool tip only when the component hands it a new one.
      if (board.ToolTipText() != toolTipBefore) Print("tooltip " + LogFormat::Quote(board.ToolTipText()));
    };
  };
  mCommands["down"] = mouse(true, &MemoryPictureBoard::MouseDown);
  mCommands["move"] = mouse(true, &MemoryPictureBoard::MouseMove);
  mCommands["up"] = mouse(true, &MemoryPictureBoard::MouseUp);
  mCommands["ldown"] = mouse(false, &MemoryPictureBoard::MouseDown);
  mCommands["lmove"] = mouse(false, &MemoryPictureBoard::MouseMove);
  mCommands["lup"] = mouse(false, &MemoryPictureBoard::MouseUp);
  mCommands["click"] = [this](const Words& w) {
    ExpectCount(w, 2, 2, "click X Y");
    Main();
    Editor().RightBoard().MouseDown(1, 0, ToInt(w[1]), ToInt(w[2]));
    Editor().RightBoard().MouseUp(1, 0, ToInt(w[1]), ToInt(w[2]));
  };
  mCommands["drag"] = [this](const Words& w) {
    ExpectCount(w, 4, 4, "drag X1 Y1 X2 Y2");
    Main();
    Drag(ToInt(w[1]), ToInt(w[2]), ToInt(w[3]), ToInt(w[4]));
  };
  mCommands["dblclick"] = [this](const Words& w) {
    ExpectCount(w, 2, 2, "dblclick X Y");
    Main();
    DoubleClick(ToInt(w[1]), ToInt(w[2]));
  };
  mCommands["key"] = [this](const Words& w) {
    ExpectCount(w, 1, 2, "key CODE [SHIFT]");
    Main();
    const int shift = w.size() == 3 ? ToInt(w[2]) : 0;
    Editor().MainBoard().KeyDown(ToInt(w[1]), shift);
    Editor().MainBoard().KeyUp(ToInt(w[1]), shift);
  };
  mCommands["keydown"] = [this](const Words& w) {
    ExpectCount(w, 2, 2, "keydown CODE SHIFT");
    Main();
    Editor().MainBoard().KeyDown(ToInt(w[1]), ToInt(w[2]));
  };
  mCommands["keyup"] = [this](const Words& w) {
    ExpectCount(w, 2, 2, "keyup CODE SHIFT");
    Main();
    Editor().MainBoard().KeyUp(ToInt(w[1]), ToInt(w[2]));
  };
  mCommands["vscroll"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "vscroll V");
    Main();
    Editor().MainBoard().MemoryBar("vscrl").UserChange(ToInt(w[1]));
  };
  mCommands["hscroll"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "hscroll V");
    Main();
    Editor().MainBoard().MemoryBar("hscrl").UserChange(ToInt(w[1]));
  };
  mCommands["type"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "type TEXT");
    Main();
    auto& board = Editor().MainBoard();
    for (const char* name : {"txtComment", "txtLblComment"}) {
      auto& box = board.MemoryBox(name);
      if (!box.Visible()) continue;
      box.SetText(w[1]);
      box.Validate();
      return;
    }
    throw std::logic_error("no text box is open for typing");
  };
  mCommands["answer"] = [this](const Words& w) {
    ExpectCount(w, 1, 1000, "answer N ...");
    Editor().Host().Answers->QueueAnswerWords(Words(w.begin() + 1, w.end()));
  };
  mCommands["operand"] = [this](const Words& w) {
    ExpectCount(w, 1, 3, "operand TYPE ADDR [NET] | operand cancel");
    Editor().Host().Answers->QueueOperandWords(Words(w.begin() + 1, w.end()),
                                               Editor().Host().Services->Operands->Types());
  };
  mCommands["dialog"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "dialog VALUE | dialog cancel");
    Editor().Host().Answers->QueueDialogWords(Words(w.begin() + 1, w.end()));
  };
  mCommands["call"] = [this](const Words& w) {
    ExpectCount(w, 1, 1000, "call METHOD ARG...");
    CallMainMethod(w);
  };
  mCommands["compile"] = [this](const Words& w) {
    ExpectCount(w, 1, 1000, "compile METHOD ARG...");
    Compiler().Compile(w);
  };
  mCommands["service"] = [this](const Words& w) {
    ExpectCount(w, 2, 1000, "service NAME METHOD ARG...");
    CallService(w);
  };
  mCommands["sql"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "sql \"STATEMENT\"");
    db::Transaction transaction(Editor().Db());
    auto rows = Editor().Db().Query(w[1]);
    PrintRows(rows);
    transaction.Commit();
  };
  mCommands["undo"] = [this](const Words& w) { UndoSteps(w, false); };
  mCommands["redo"] = [this](const Words& w) { UndoSteps(w, true); };
  mCommands["state"] = [this](const Words& w) {
    ExpectCount(w, 0, 0, "state");
    auto& state = *Main().Context().State;
    Print("state MouseProcess=" + std::to_string(state.MouseProcess()) + " NoDrop=" + Bool01(state.NoDrop()) +
          " WorkMode=" + std::to_string(state.WorkMode()) + " NeedToSave=" + Bool01(state.NeedToSave()) +
          " NeedToCompile=" + Bool01(state.NeedToCompile()) +
          " ReloadRequest=" + std::to_string(state.ReloadRequest()));
  };
  mCommands["render"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "render PATH");
    Main();
    RenderBoards(Editor().LeftBoard(), Editor().RightBoard(), w[1]);
  };
  mCommands["simulate"] = [this](const Words& w) { mSimulation.Run(w, Editor()); };
  mCommands["expect"] = [this](const Words& w) {
    ExpectCount(w, 1, 1, "expect TEXT");
    if (!mLog->Contains(w[1])) throw std::runtime_error("the log holds no line containing \"" + w[1] + "\"");
  };
}

// `undo [N]` / `redo [N]`: one line per step done; the editor's message box
// says why there is none (more).
void ScriptRunner::UndoSteps(const Words& w, bool redo) {
  ExpectCount(w, 0, 1, redo ? "redo [N]" : "undo [N]");
  const long count = w.size() == 2 ? ToLong(w[1]) : 1;
  if (count < 1) throw std::invalid_argument("the number of steps must be positive");
  for (long i = 0; i < count; ++i) {
    const UndoOutcome outcome = redo ? Main().Redo() : Main().Undo();
    if (outcome.Result != UndoOutcome::Done) return;
    Print(std::string(redo ? "redo " : "undo ") + LogFormat::Quote(outcome.Name));
  }
}

// `service NAME METHOD ARG...`: the public services a host creates, made
// once per script on the open project.
void ScriptRunner::CallService(const Words& w) {
  const Words args(w.begin() + 3, w.end());
  if (ToolServiceCalls::Serves(w[1])) {
    if (!mToolServices)
      mToolServices = std::make_unique<ToolServiceCalls>(Editor(), [this](const std::string& line) { Print(line); });
    mToolServices->Call(w[1], w[2], args);
    return;
  }
  if (w[1] == "srvDBServices") return Compiler().DbServices(w);
  throw std::invalid_argument("service: no service named " + w[1]);
}

// `call METHOD ARG...`: the operations of the main object that have no
// command of their own. Out-arguments, then the result, are printed as one row.
void ScriptRunner::CallMainMethod(const Words& w) {
  auto& main = Main();
  const std::string& method = w[1];
  const Words args(w.begin() + 2, w.end());
  auto need = [&](size_t count) {
    if (args.size() != count)
      throw std::invalid_argument("call " + method + " takes " + std::to_string(count) + " arguments");
  };
  auto n = [&](size_t i) { return ToLong(args.at(i)); };
  auto printValue = [&](const std::string& value) { Print(value); };

  using Simple = std::function<void()>;
  const std::map<std::string, std::pair<size_t, Simple>> procedures = {
      {"SaveProject", {0, [&] { main.SaveProject(); }}},
      {"QueryUnload", {0, [&] { main.QueryUnload(); }}},
      {"CancelProcess", {0, [&] { main.CancelProcess(); }}},
      {"Terminate", {0, [&] { main.Terminate(); }}},
      {"RedrawAll", {0, [&] { main.RedrawAll(); }}},
      {"Validate", {0, [&] { main.Validate(); }}},
      {"ReloadFunction", {0, [&] { main.ReloadFunction(); }}},
      {"ReadProperties", {0, [&] { main.ReadProperties(); }}},
      {"SetCompileDirtyBitForBuildAll", {0, [&] { main.SetCompileDirtyBitForBuildAll(); }}},
      {"SyncLoadedStripsWithCompileDirtyBitFromDB", {0, [&] { main.SyncLoadedStripsWithCompileDirtyBitFromDB(); }}},
      {"LoadFunction", {1, [&] { main.LoadFunction(n(0)); }}},
      {"CreateFunctionBlock", {1, [&] { main.CreateFunctionBlock(n(0)); }}},
      {"EditCommand", {1, [&] { main.EditCommand(EditCommandNumber(args[0])); }}},
      {"ToolRequest", {1, [&] { main.ToolRequest(args[0]); }}},
      {"SpecialToolRequest", {1, [&] { main.SpecialToolRequest(args[0]); }}},
      {"OnLineActive", {1, [&] { main.SetOnLineActive(n(0) != 0 ? -1 : 0); }}},
      {"SetSurfaceOperatoinState", {1, [&] { main.SetSurfaceOperatoinState(n(0) != 0); }}},
      {"OnFBFatherDeleted", {1, [&] { main.OnFBFatherDeleted(n(0)); }}},
      {"DisplayLabel", {1, [&] { main.DisplayLabel(args[0]); }}},
      {"JumpToCompileResult", {1, [&] { main.JumpToCompileResult(args[0]); }}},
      {"VerticalScrollBarChange", {1, [&] { main.VerticalScrollBarChange(n(0)); }}},
      {"VerticalScrollBarScroll", {1, [&] { main.VerticalScrollBarScroll(n(0)); }}},
      {"HorizontalScrollBarChange", {1, [&] { main.HorizontalScrollBarChange(n(0)); }}},
      {"HorizontalScrollBarScroll", {1, [&] { main.HorizontalScrollBarScroll(n(0)); }}},
      {"Resize", {2, [&] { main.Resize(n(0), n(1)); }}},
      {"RefreshOperand", {3, [&] { main.RefreshOperand(n(0), n(1), n(2)); }}},
      {"GotoLabel", {3, [&] { main.GotoLabel(n(0), n(1), n(2)); }}},
      {"HighLightOperand", {6, [&] { main.HighLightOperand(n(0), n(1), n(2), n(3), n(4), n(5)); }}},
      {"NeedToCompile", {0, [&] { printValue(std::to_string(main.NeedToCompile())); }}},
      {"FunctionID", {0, [&] { printValue(std::to_string(main.FunctionID())); }}},
      {"GetLoadedModuleID", {0, [&] { printValue(std::to_string(main.GetLoadedModuleID())); }}},
      {"DeleteFunction", {1, [&] { printValue(std::to_string(main.DeleteFunction(n(0)))); }}},
      {"DeleteFunctionEx", {1, [&] { printValue(std::to_string(main.DeleteFunctionEx(n(0)))); }}},
      {"DeleteModule", {1, [&] { printValue(std::to_string(main.DeleteModule(n(0)))); }}},
      {"ClearFunction", {1, [&] { printValue(std::to_string(main.ClearFunction(n(0)))); }}},
      {"Export", {1, [&] { printValue(std::to_string(main.Export(n(0)))); }}},
      {"Import", {1, [&] { printValue(std::to_string(main.Import(n(0)))); }}},
      {"ExportMultiSubroutines",
       {1,
        [&] {
          auto ids = LongList(args[0]);
          printValue(main.ExportMultiSubroutines(ids) ? "-1" : "0");
        }}},
      {"ExportMultiSubroutinesEx",
       {2,
        [&] {
          auto ids = LongList(args[0]);
          printValue(main.ExportMultiSubroutinesEx(ids, args[1]) ? "-1" : "0");
        }}},
      {"RenameFunction", {2, [&] { printValue(std::to_string(main.RenameFunction(n(0), args[1]))); }}},
      {"RenameModule", {2, [&] { printValue(std::to_string(main.RenameModule(n(0), args[1]))); }}},
      {"MoveFunctionToModule", {2, [&] { printValue(main.MoveFunctionToModule(n(0), n(1)) ? "-1" : "0"); }}},
      {"ReplaceOperand",
       {9,
        [&] {
          printValue(std::to_string(main.ReplaceOperand(n(0), n(1), n(2), n(3), n(4), n(5), n(6), n(7), n(8))));
        }}},
      {"GetSingleSelectedElement",
       {0,
        [&] {
          long type = 0;
          std::string name;
          main.GetSingleSelectedElement(type, name);
          printValue(std::to_string(type) + "|" + name);
        }}},
      {"AddNewFunction",
       {1,
        [&] {
          long funcID = 0;
          std::string name;
          main.AddNewFunction(n(0), funcID, name);
          printValue(std::to_string(funcID) + "|" + name);
        }}},
      {"AddNewModule",
       {0,
        [&] {
          long mdlID = 0, funcID = 0;
          std::string moduleName, funcName;
          main.AddNewModule(mdlID, moduleName, funcID, funcName);
          printValue(std::to_string(mdlID) + "|" + moduleName + "|" + std::to_string(funcID) + "|" + funcName);
        }}},
  };
  auto found = procedures.find(method);
  if (found == procedures.end()) throw std::invalid_argument("call: no operation named " + method);
  need(found->second.first);
  found->second.second();
}

} // namespace ldr::script
