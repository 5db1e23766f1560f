#pragma once
// The ladder's state for a person: per subroutine the nets that need
// compiling, and every rule the ladder breaks, each with the place to jump
// to. Built only from the compile object's answers, as a host would.

#include "compiler/itfLdrCompile.h"

#include <string>
#include <vector>

namespace ldr {

struct ValidationFinding {
  long MdlID = 0;
  long FuncID = 0; // 0: the whole ladder
  long StripID = 0;
  long ShowNum = 0; // 0: no net
  std::string Text;

  // The finding as a compiler message the editor can jump to (tab-separated
  // kind, text, "Net n", place, module, subroutine).
  std::string CompileMessage() const;
};

struct SubroutineCompileState {
  long MdlID = 0;
  long FuncID = 0;
  std::string Name;
  std::vector<long> DirtyNets;    // net numbers
  std::vector<long> TroubledNets; // nets still carrying problems
};

class ValidationReport {
public:
  explicit ValidationReport(itfLdrCompile& compile) : mCompile(compile) {}

  std::vector<SubroutineCompileState> CompileState();
  std::vector<ValidationFinding> Findings();

private:
  void SubroutineFindings(long funcID, std::vector<ValidationFinding>& findings);
  void BlockFindings(RecordsetPtr blocks, const std::string& text, std::vector<ValidationFinding>& findings);
  ValidationFinding At(long funcID, long stripID, long showNum, std::string text);

  itfLdrCompile& mCompile;
};

} // namespace ldr
