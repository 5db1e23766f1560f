// `ldr xref`, `ldr replace` and `ldr print`: the cross reference, operand
// replacement and printing services on a project file.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "tools/OperandText.h"
#include "tools/srvLdrCrossRef.h"
#include "tools/srvPrint.h"

#include <CLI/CLI.hpp>

#include <iostream>

namespace ldr::cli {

namespace {

struct tyProject {
  std::shared_ptr<db::Connection> Connection;
  std::shared_ptr<MemoryLog> Log = std::make_shared<MemoryLog>(std::cerr);
  HeadlessHost Host;
};

std::unique_ptr<tyProject> OpenProject(const std::string& path, bool readOnly) {
  auto project = std::make_unique<tyProject>();
  project->Connection = readOnly ? ProjectDatabase::OpenReadOnly(path) : ProjectDatabase::Open(path);
  project->Host = MakeHeadlessHost(project->Connection, project->Log);
  return project;
}

OperandKey ParseOperand(const std::string& text, const OperandTypeCatalogue& types) {
  const auto key = ParseOperandText(text, types);
  if (!key)
    throw std::invalid_argument("\"" + text +
                                "\" is no operand: write TYPE ADDRESS, e.g. MB12, MB:12 or 3:12 (@NET for a network)");
  return *key;
}

// How the element uses the operand: read through an input slot, written
// through an output slot, or held in its parameters.
const char* Access(const tyLadderCrossRef& place) {
  constexpr long inner = 230;
  if (place.OprInIndex >= inner && place.OprOutIndex >= inner) return "param";
  return place.OprInIndex > 0 ? "read" : "write";
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string AfterPrefix(const std::string& text, const std::string& prefix) {
  return text.rfind(prefix, 0) == 0 ? text.substr(prefix.size()) : text;
}

void PrintXref(const std::string& path, const std::string& operandText, bool csv) {
  auto project = OpenProject(path, true);
  const auto key = ParseOperand(operandText, project->Host.Services->Operands->Types());
  srvLdrCrossRef xref(*project->Host.Services);
  bool noResults = true;
  const auto places = xref.GetLadderCrossReference(key.NetworkID, key.Type, key.Address, noResults);
  if (csv) std::cout << "module,subroutine,net,element,element_id,access\n";
  for (const auto& place : places) {
    const std::string net = AfterPrefix(place.Descriptions[2], "Net: ");
    const std::string element = AfterPrefix(place.Descriptions[3], "Element: ");
    if (csv) {
      std::cout << CsvField(place.Descriptions[0]) << ',' << CsvField(place.Descriptions[1]) << ',' << net << ','
                << CsvField(element) << ',' << place.ElementID << ',' << Access(place) << '\n';
    } else {
      std::cout << "module \"" << place.Descriptions[0] << "\" subroutine \"" << place.Descriptions[1] << "\" net "
                << net << " element \"" << element << "\" #" << place.ElementID << ' ' << Access(place) << '\n';
    }
  }
  if (noResults && !csv) std::cout << "no uses of " << operandText << '\n';
}

void Replace(const std::string& path, const std::string& oldText, const std::string& newText, long funcID) {
  auto project = OpenProject(path, false);
  const auto& types = project->Host.Services->Operands->Types();
  const auto from = ParseOperand(oldText, types);
  const auto to = ParseOperand(newText, types);
  srvLdrCrossRef xref(*project->Host.Services);
  bool noResults = true;
  long count = 0;
  for (const auto& place : xref.GetLadderCrossReference(from.NetworkID, from.Type, from.Address, noResults))
    if (funcID <= 0 || place.FunctionID == funcID) ++count;
  xref.ReplaceLadderOperandEx(from.NetworkID, from.Type, from.Address, to.NetworkID, to.Type, to.Address, funcID);
  project->Connection->Checkpoint();
  std::cout << "replaced " << oldText << " by " << newText << " in " << count << " slots\n";
}

void Print(const std::string& path, const std::vector<long>& modules, const std::vector<long>& functions,
           const std::string& paper, const std::string& output) {
  auto project = OpenProject(path, true);
  srvPrint printer(*project->Host.Services);
  auto preview = std::make_shared<PrintPreview>(paper == "Letter" ? PaperSize::Letter : PaperSize::A4);
  printer.SetVSprinter(preview);
  if (!functions.empty()) {
    printer.PrintSubroutines(functions);
  } else if (!modules.empty()) {
    printer.PrintModules(modules);
  } else {
    std::vector<long> all;
    auto rows = project->Connection->Query("SELECT MdlID FROM LdrModules ORDER BY MdlID");
    for (; !rows.IsEOF(); rows.MoveNext()) all.push_back(rows.Field(0).AsLong());
    printer.PrintModules(all);
  }
  preview->WritePdf(output);
  std::cout << preview->PageCount() << " pages written to " << output << '\n';
}

} // namespace

void AddToolCommands(CLI::App& app) {
  {
    auto* command = app.add_subcommand("xref", "Every use of an operand: module, subroutine, net, element, access");
    auto path = std::make_shared<std::string>();
    auto operand = std::make_shared<std::string>();
    auto csv = std::make_shared<bool>(false);
    command->add_option("PROJECT", *path, "project file")->required();
    command->add_option("OPERAND", *operand, "operand, e.g. MB12 or 3:12 (@NET for a network)")->required();
    command->add_flag("--csv", *csv, "comma-separated values with a header line");
    command->callback([=] { PrintXref(*path, *operand, *csv); });
  }
  {
    auto* command = app.add_subcommand("replace", "Replace an operand by another in every element that uses it");
    auto path = std::make_shared<std::string>();
    auto from = std::make_shared<std::string>();
    auto to = std::make_shared<std::string>();
    auto funcID = std::make_shared<long>(0);
    command->add_option("PROJECT", *path, "project file")->required();
    command->add_option("OLD", *from, "the operand used now")->required();
    command->add_option("NEW", *to, "the operand to use instead")->required();
    command->add_option("--func", *funcID, "only in this subroutine");
    command->callback([=] { Replace(*path, *from, *to, *funcID); });
  }
  {
    auto* command = app.add_subcommand("print", "Print modules or subroutines to a PDF file");
    auto path = std::make_shared<std::string>();
    auto modules = std::make_shared<std::vector<long>>();
    auto functions = std::make_shared<std::vector<long>>();
    auto paper = std::make_shared<std::string>("A4");
    auto output = std::make_shared<std::string>();
    command->add_option("PROJECT", *path, "project file")->required();
    auto* module = command->add_option("--module", *modules, "the modules to print (every subroutine but the start)");
    command->add_option("--func", *functions, "the subroutines to print")->excludes(module);
    command->add_option("--paper", *paper, "A4 or Letter")->check(CLI::IsMember({"A4", "Letter"}));
    command->add_option("-o,--output", *output, "the PDF file to write")->required();
    command->callback([=] { Print(*path, *modules, *functions, *paper, *output); });
  }
}

} // namespace ldr::cli
