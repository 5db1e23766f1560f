#include "exchange/plcopen/PlcopenFile.h"

#include "exchange/plcopen/LadderProjectReader.h"
#include "exchange/plcopen/PlcopenExporter.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace ldr::plcopen {

namespace {

void WriteWhole(const std::string& path, const std::string& text) {
  const std::string partial = path + ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(partial, ignored);
      throw std::runtime_error("cannot write " + path);
    }
  }
  std::filesystem::rename(partial, path);
}

} // namespace

std::vector<std::string> PlcopenFile::Write(db::Connection& db, const std::vector<long>& funcIDs,
                                            const std::string& path) {
  const auto project = LadderProjectReader(db).Read(funcIDs);
  auto result = PlcopenExporter(project).Export(CreationDateTime());
  WriteWhole(path, result.Xml);
  return std::move(result.Warnings);
}

std::string PlcopenFile::CreationDateTime() {
  std::time_t now = std::time(nullptr);
  if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) now = static_cast<std::time_t>(std::atoll(epoch));
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  return text;
}

} // namespace ldr::plcopen
