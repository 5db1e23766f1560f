#pragma once
// Values of the utilities library that components read: the longest name a
// subroutine may have and whether the extended operand types may be used.
// The host also keeps, for as long as it runs, the stored ladder key whose
// password the user has typed correctly (never the password itself).

#include <string>

namespace ldr {

class GlobalValues {
public:
  virtual ~GlobalValues() = default;
  virtual long MaxSubroutineNameLength() = 0;
  virtual bool ExtendedOperandsEnabled() = 0;
  // Empty: the user has proved no password yet.
  const std::string& AuthorizedLadderKey() const { return mAuthorizedLadderKey; }
  void SetAuthorizedLadderKey(const std::string& key) { mAuthorizedLadderKey = key; }

private:
  std::string mAuthorizedLadderKey;
};

} // namespace ldr
