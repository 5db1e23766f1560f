#pragma once
// `compile METHOD ARG...` and `service srvDBServices METHOD ARG...` of
// `ldr script`: every operation of the compile object and of the download
// blocks service by its name. Out-arguments, then the result, are printed as
// one row; a recordset or collection follows, one row a line.

#include "compiler/clsLdrCompile.h"
#include "compiler/srvDBServices.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ldr {
struct HostServices;
}

namespace ldr::script {

class CompileCaller {
public:
  using Words = std::vector<std::string>;
  using Printer = std::function<void(const std::string&)>;

  CompileCaller(std::shared_ptr<HostServices> host, Printer print);

  // words: "compile", METHOD, ARG...
  void Compile(const Words& words);
  // words: "service", "srvDBServices", METHOD, ARG...
  void DbServices(const Words& words);

  clsLdrCompile& Object() { return *mCompile; }

private:
  void PrintRecordset(CompileRecordset* rows);
  void PrintElements(ElementCollection& elements);
  ElementCollection LinesFromWord(const std::string& word);

  std::shared_ptr<HostServices> mHost;
  Printer mPrint;
  std::unique_ptr<clsLdrCompile> mCompile;
  std::unique_ptr<srvDBServices> mDbServices;
};

} // namespace ldr::script
