#pragma once
// The label names of a host that offers none: no proposal, no renaming.

#include "outside/utilities/LabelNameService.h"

namespace ldr {

class NullLabelNameService : public LabelNameService {
public:
  std::string ProposeLabelName(long) override { return {}; }
  bool EditLabelName(long) override { return false; }
};

} // namespace ldr
