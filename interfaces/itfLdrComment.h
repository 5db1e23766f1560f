#pragma once
// The comment side of a comment strip, beside itfStrip: its free text. The
// drawer recognises comments by it (they follow the horizontal scroll).

#include <string>

namespace ldr {

class itfLdrComment {
public:
  virtual ~itfLdrComment() = default;

  virtual std::string Comment() = 0;
  virtual void SetComment(const std::string& value) = 0;
};

} // namespace ldr
