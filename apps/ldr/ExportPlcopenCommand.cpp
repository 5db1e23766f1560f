// `ldr export-plcopen PROJECT -o FILE.xml [--func ID…]`: the ladder as
// PLCopen TC6 XML 2.01. Warnings (left-out or vendor-mapped elements,
// unconnected wires) go to standard error; the file is written whole or not
// at all.
#include "apps/ldr/Commands.h"
#include "core/ProjectDatabase.h"
#include "exchange/plcopen/LadderProjectReader.h"
#include "exchange/plcopen/PlcopenExporter.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace ldr::cli {

namespace {

// Now, or SOURCE_DATE_EPOCH when it is set (reproducible files).
std::string CreationDateTime() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::atoll(epoch));
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  return text;
}

void WriteWhole(const std::string& path, const std::string& text) {
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::filesystem::remove(partial);
      throw std::runtime_error("cannot write " + path);
    }
  }
  std::filesystem::rename(partial, path);
}

} // namespace

void AddExportPlcopenCommand(CLI::App& app) {
  auto* command = app.add_subcommand("export-plcopen", "Export the ladder as PLCopen TC6 XML 2.01");
  auto path = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  auto functions = std::make_shared<std::vector<long>>();
  command->add_option("PROJECT", *path, "project file")->required();
  command->add_option("-o,--output", *output, "XML file to write")->required();
  command->add_option("--func", *functions, "subroutine IDs to export (default: all)");
  command->callback([path, output, functions] {
    auto db = ProjectDatabase::OpenReadOnly(*path);
    const auto project = plcopen::LadderProjectReader(*db).Read(*functions);
    const auto result = plcopen::PlcopenExporter(project).Export(CreationDateTime());
    WriteWhole(*output, result.Xml);
    for (const auto& warning : result.Warnings) std::cerr << "warning: " << warning << '\n';
  });
}

} // namespace ldr::cli
