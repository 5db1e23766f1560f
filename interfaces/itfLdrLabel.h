#pragma once
// The label side of a label strip, beside itfStrip: the name jumps aim at
// and the free comment written after it.

#include <string>

namespace ldr {

class itfLdrLabel {
public:
  virtual ~itfLdrLabel() = default;

  // Setting the name stores it at once.
  virtual std::string LabelName() = 0;
  virtual void SetLabelName(const std::string& value) = 0;
  virtual std::string LabelComment() = 0;
  virtual void SetLabelComment(const std::string& value) = 0;
};

} // namespace ldr
