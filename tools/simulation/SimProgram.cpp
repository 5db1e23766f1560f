#include "tools/simulation/SimProgram.h"

namespace ldr::sim {

SimSubroutine* SimProgram::Find(long funcID) {
  const auto found = mSubroutines.find(funcID);
  return found == mSubroutines.end() ? nullptr : &found->second;
}

SimSubroutine* SimProgram::FindByType(long functionType) {
  for (auto& [id, subroutine] : mSubroutines)
    if (subroutine.FunctionType == functionType) return &subroutine;
  return nullptr;
}

} // namespace ldr::sim
