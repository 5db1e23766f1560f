#include "elements/clsUtilElementEx2.h"

#include "outside/operands/KindParamsObject.h"

namespace ldr {

bool clsUtilElementEx2::InitOperandsData(bool dummy) {
  auto* params = EnsureParams();
  if (!params) return false;
  params->CreateOperands();
  if (!dummy && !ConfigureParams()) {
    mInputs->Clear();
    mOutputs->Clear();
    return false;
  }
  TakePinOperands();
  if (!dummy) StoreConfiguration();
  return true;
}

} // namespace ldr
