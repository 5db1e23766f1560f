#include "exchange/plcopen/IecNames.h"

#include <cctype>

namespace ldr::plcopen {

namespace {

std::string Upper(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

} // namespace

std::string IecNames::Identifier(std::string_view text) {
  std::string name;
  for (char c : text) {
    const bool word = std::isalnum(static_cast<unsigned char>(c)) != 0;
    if (word)
      name += c;
    else if (!name.empty() && name.back() != '_')
      name += '_';
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name.front()))) name.insert(name.begin(), '_');
  return name;
}

std::string IecNames::Unique(std::string_view text) {
  const std::string base = Identifier(text);
  std::string name = base;
  for (int suffix = 2; Taken(name); ++suffix) name = base + "_" + std::to_string(suffix);
  Reserve(name);
  return name;
}

void IecNames::Reserve(const std::string& name) { mTaken.insert(Upper(name)); }

bool IecNames::Taken(const std::string& name) const { return mTaken.count(Upper(name)) > 0; }

} // namespace ldr::plcopen
