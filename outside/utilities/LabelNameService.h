#pragma once
// Label names: a proposal for a new label of a subroutine, and the user's
// renaming of a label strip.

#include <string>

namespace ldr {

class LabelNameService {
public:
  virtual ~LabelNameService() = default;
  // A name no label of the subroutine has; empty when none can be given.
  virtual std::string ProposeLabelName(long funcID) = 0;
  // Lets the user rename the label strip; true when the name changed.
  virtual bool EditLabelName(long stripID) = 0;
};

} // namespace ldr
