#pragma once
// IEC 61131-3 identifiers made from user names: letters, digits and single
// underscores, not starting with a digit; each name handed out once.

#include <set>
#include <string>
#include <string_view>

namespace ldr::plcopen {

class IecNames {
public:
  // "Module 1.Main" → "Module_1_Main"; an empty result becomes "_".
  static std::string Identifier(std::string_view text);
  // The identifier of `text`, with _2, _3 … appended while it is taken
  // (compared without regard to case, as IEC does).
  std::string Unique(std::string_view text);
  void Reserve(const std::string& name);

private:
  bool Taken(const std::string& name) const;

  std::set<std::string> mTaken; // upper case
};

} // namespace ldr::plcopen
