// libFuzzer target of the import: each input is an export file; the import
// must end without a crash, and a refused or bad file must leave the
// receiving project exactly as it was. Built only with clang and
// -fsanitize=fuzzer (tests/CMakeLists.txt). Seed it with an export file:
//   build/tests/import_fuzzer -max_total_time=600 CORPUS_DIR
#include "support/ExchangeProject.h"
#include "support/TempDir.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

struct FuzzWorld {
  ldr::test::TempDir Dir;
  std::unique_ptr<ldr::test::ExchangeProject> Target;
  FuzzWorld() {
    Target = std::make_unique<ldr::test::ExchangeProject>(Dir.File("target.ldrp"));
    ldr::test::BuildSampleLadder(Target->Db());
  }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzWorld world;
  const std::string path = world.Dir.File("input.dnq");
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  auto& db = world.Target->Db();
  const std::string before = ldr::test::ProjectContent(db);
  const auto outcome = world.Target->Exchange().ImportFromFile(1, path);
  if (outcome != ldr::clsExportImport::Outcome::Done && ldr::test::ProjectContent(db) != before) std::abort();
  return 0;
}
