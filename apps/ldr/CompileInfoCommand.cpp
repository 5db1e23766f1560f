// `ldr compile-info PATH`: what needs compiling in a project, subroutine by
// subroutine, and every rule of the controller the ladder breaks, with the
// net where it does. Reads only.
#include "apps/ldr/Commands.h"
#include "compiler/ValidationReport.h"
#include "compiler/clsLdrCompile.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

namespace {

std::string NumberList(const std::vector<long>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i) text += (i ? ", " : "") + std::to_string(numbers[i]);
  return text;
}

void PrintCompileInfo(const std::string& path, std::ostream& out) {
  auto connection = ProjectDatabase::OpenReadOnly(path);
  auto host = MakeHeadlessHost(connection, std::make_shared<MemoryLog>());
  clsLdrCompile compile(host.Services);
  ValidationReport report(compile);
  out << "project " << path << ": " << compile.GetNumberOfNetsInProject() << " nets\n";
  for (const auto& state : report.CompileState()) {
    out << "subroutine " << state.FuncID << " \"" << state.Name << "\" (module " << state.MdlID << "): ";
    out << (state.DirtyNets.empty() ? "compiled" : "nets to compile " + NumberList(state.DirtyNets));
    if (!state.TroubledNets.empty()) out << "; nets with problems " << NumberList(state.TroubledNets);
    out << '\n';
  }
  const auto findings = report.Findings();
  out << (findings.empty() ? "no findings" : std::to_string(findings.size()) + " findings") << '\n';
  for (const auto& finding : findings) {
    out << "finding: " << finding.Text;
    if (finding.FuncID) out << " (subroutine " << finding.FuncID;
    if (finding.FuncID && finding.ShowNum) out << ", net " << finding.ShowNum;
    if (finding.FuncID) out << ")";
    out << '\n';
  }
}

} // namespace

void AddCompileInfoCommand(CLI::App& app) {
  auto* command = app.add_subcommand("compile-info", "Print the nets to compile and the validation findings");
  auto path = std::make_shared<std::string>();
  command->add_option("PATH", *path, "project file")->required();
  command->callback([path] { PrintCompileInfo(*path, std::cout); });
}

} // namespace ldr::cli
