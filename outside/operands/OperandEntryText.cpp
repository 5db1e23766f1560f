#include "outside/operands/OperandEntryText.h"

#include "outside/utilities/SettingsStore.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace ldr {
namespace {

constexpr const char* kNoOperand = "-";

std::string NumberText(double value) {
  std::ostringstream out;
  out.precision(9);
  out << value;
  return out.str();
}

bool ParseValue(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text.c_str(), &end);
  return errno == 0 && *end == '\0' && std::isfinite(value);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.emplace_back();
  return parts;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<OperandEntry> ParseEntry(const std::string& text, const OperandTypeCatalogue& types,
                                       std::string& problem) {
  const auto words = Words(text);
  if (words.size() < 2 || words.size() > 3) {
    problem = "\"" + text + "\" is no operand: write TYPE ADDRESS [NETWORK].";
    return std::nullopt;
  }
  OperandEntry entry;
  const auto type = types.ParseType(words[0]);
  if (!type) {
    problem = "\"" + words[0] + "\" is no operand type.";
    return std::nullopt;
  }
  entry.Type = *type;
  if (OperandTypeCatalogue::IsConstant(entry.Type)) {
    if (!ParseValue(words[1], entry.Value)) {
      problem = "The value of a constant must be a number, not \"" + words[1] + "\".";
      return std::nullopt;
    }
  } else if (!ParseWholeNumber(words[1], entry.Address)) {
    problem = "The address must be a whole number, not \"" + words[1] + "\".";
    return std::nullopt;
  }
  if (words.size() == 3 && !ParseWholeNumber(words[2], entry.NetworkID)) {
    problem = "The network ID must be a whole number, not \"" + words[2] + "\".";
    return std::nullopt;
  }
  return entry;
}

} // namespace

std::string OperandEntryText::Format(const OperandEntry& entry, const OperandTypeCatalogue& types) {
  if (entry.Type == 0) return {};
  std::string text = types.ShortName(entry.Type) + " ";
  text += OperandTypeCatalogue::IsConstant(entry.Type) ? NumberText(entry.Value) : std::to_string(entry.Address);
  if (entry.NetworkID != 0) text += " " + std::to_string(entry.NetworkID);
  return text;
}

std::string OperandEntryText::FormatList(const std::vector<OperandEntry>& entries, const OperandTypeCatalogue& types) {
  std::string text;
  bool any = false;
  for (const auto& entry : entries) {
    const std::string one = Format(entry, types);
    any = any || !one.empty();
    text += (text.empty() ? "" : ", ") + (one.empty() ? std::string(kNoOperand) : one);
  }
  return any ? text : std::string{};
}

std::optional<std::vector<OperandEntry>> OperandEntryText::ParseList(const std::string& text, std::size_t count,
                                                                     const OperandTypeCatalogue& types,
                                                                     std::string& problem) {
  const auto parts = Split(text, ',');
  if (parts.size() != count) {
    problem = "Enter " + std::to_string(count) + " operands separated by commas (found " +
              std::to_string(parts.size()) + ").";
    return std::nullopt;
  }
  std::vector<OperandEntry> entries;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::string why;
    const auto entry = ParseEntry(Trimmed(parts[i]), types, why);
    if (!entry) {
      problem = "Operand " + std::to_string(i + 1) + ": " + why;
      return std::nullopt;
    }
    entries.push_back(*entry);
  }
  return entries;
}

} // namespace ldr
