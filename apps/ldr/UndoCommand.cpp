// `ldr undo PROJECT [N]` and `ldr redo PROJECT [N]`: undo or redo the last N
// recorded edits of a project without opening an editor on it.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "core/UndoHistory.h"
#include "core/UndoStamp.h"
#include "outside/headless/LogFormat.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <stdexcept>

namespace ldr::cli {

namespace {

void AddStepCommand(CLI::App& app, const std::string& verb, bool redo) {
  auto* command = app.add_subcommand(verb, verb == "undo" ? "Undo the last N recorded edits of a project"
                                                          : "Redo the last N undone edits of a project");
  auto path = std::make_shared<std::string>();
  auto count = std::make_shared<int>(1);
  command->add_option("PATH", *path, "project file")->required();
  command->add_option("N", *count, "number of steps (default 1)")->check(CLI::PositiveNumber);
  command->callback([path, count, verb, redo] {
    auto db = ProjectDatabase::Open(*path);
    UndoStamp stamp(*db);
    if (stamp.ClearIfChanged()) std::cout << "notice " << LogFormat::Quote(UndoStamp::kClearedNotice) << '\n';
    UndoHistory history(*db);
    for (int i = 0; i < *count; ++i) {
      const UndoOutcome outcome = redo ? history.Redo() : history.Undo();
      if (outcome.Result == UndoOutcome::Refused) throw std::runtime_error(outcome.Message);
      if (outcome.Result == UndoOutcome::Nothing) {
        std::cout << "msgbox " << LogFormat::Quote(outcome.Message) << '\n';
        break;
      }
      std::cout << verb << ' ' << LogFormat::Quote(outcome.Name) << '\n';
    }
    stamp.Seal();
  });
}

} // namespace

void AddUndoCommand(CLI::App& app) {
  AddStepCommand(app, "undo", false);
  AddStepCommand(app, "redo", true);
}

} // namespace ldr::cli
