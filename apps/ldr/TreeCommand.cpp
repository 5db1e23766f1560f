// `ldr tree PATH ACTION ...`: batch changes of a project's modules and
// subroutines, made by the editor exactly as the host's project tree makes
// them (each one edit; a confirmation counts as given). Prints the editor's
// log and the result; a refused change exits 1.
#include "apps/ldr/Commands.h"
#include "apps/ldr/script/ScriptRunner.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <sstream>
#include <string>

namespace ldr::cli {

namespace {

std::string Quote(const std::string& word) {
  std::string quoted = "\"";
  for (char c : word) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

struct TreeArgs {
  std::string Path;
  long ID = 0;
  long Target = 0;
  std::string Name;
};

// Runs the editor call and turns a refusal (a result of 0) into exit 1.
void RunTreeCall(const TreeArgs& args, const std::string& call, bool confirmed) {
  std::ostringstream script;
  script << "open " << Quote(args.Path) << "\ninit\n";
  if (confirmed) script << "answer 6\n";
  script << "call " << call << "\n";
  std::ostringstream out;
  std::istringstream in(script.str());
  int status = 0;
  {
    script::ScriptRunner runner(out, std::cerr);
    status = runner.Run(in);
  }
  std::cout << out.str();
  std::cout.flush();
  if (status != 0) throw CLI::RuntimeError(status);
  const std::string text = out.str();
  const auto lastLine = text.substr(text.rfind('\n', text.size() - 2) + 1);
  if (lastLine == "0\n") throw CLI::RuntimeError(1);
}

} // namespace

void AddTreeCommand(CLI::App& app) {
  auto* tree = app.add_subcommand("tree", "Add, rename, move, clear or delete modules and subroutines");
  tree->require_subcommand(1);
  auto args = std::make_shared<TreeArgs>();
  auto add = [&](const char* name, const char* help) {
    auto* command = tree->add_subcommand(name, help);
    command->add_option("PATH", args->Path, "project file")->required();
    return command;
  };
  add("add-module", "A new module with its first subroutine")->callback([args] {
    RunTreeCall(*args, "AddNewModule", false);
  });
  add("add-subroutine", "A new subroutine in module ID")
      ->callback([args] { RunTreeCall(*args, "AddNewFunction " + std::to_string(args->ID), false); })
      ->add_option("ID", args->ID, "module")
      ->required();
  for (const char* kind : {"module", "subroutine"}) {
    const std::string what = kind;
    auto* rename = add(("rename-" + what).c_str(), ("Rename " + what + " ID to NAME").c_str());
    rename->add_option("ID", args->ID, what)->required();
    rename->add_option("NAME", args->Name, "the new name")->required();
    rename->callback([args, what] {
      RunTreeCall(*args,
                  std::string(what == "module" ? "RenameModule " : "RenameFunction ") + std::to_string(args->ID) + " " +
                      Quote(args->Name),
                  false);
    });
    auto* remove = add(("delete-" + what).c_str(), ("Delete " + what + " ID").c_str());
    remove->add_option("ID", args->ID, what)->required();
    remove->callback([args, what] {
      RunTreeCall(*args, std::string(what == "module" ? "DeleteModule " : "DeleteFunction ") + std::to_string(args->ID),
                  true);
    });
  }
  auto* move = add("move", "Move subroutine ID into module TARGET");
  move->add_option("ID", args->ID, "subroutine")->required();
  move->add_option("TARGET", args->Target, "module")->required();
  move->callback([args] {
    RunTreeCall(*args, "MoveFunctionToModule " + std::to_string(args->ID) + " " + std::to_string(args->Target), false);
  });
  auto* clear = add("clear", "Replace the content of subroutine ID by 16 empty nets");
  clear->add_option("ID", args->ID, "subroutine")->required();
  clear->callback([args] { RunTreeCall(*args, "ClearFunction " + std::to_string(args->ID), true); });
}

} // namespace ldr::cli
