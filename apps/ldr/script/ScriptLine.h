#pragma once
// One line of an `ldr script`: words split at blanks; a word in double quotes
// may hold blanks (\" and \\ escape); # starts a comment outside quotes.

#include <stdexcept>
#include <string>
#include <vector>

namespace ldr::script {

class ScriptSyntaxError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class ScriptLine {
public:
  // Splits `text`; throws ScriptSyntaxError on an unclosed quote or a bad
  // escape.
  static std::vector<std::string> Split(const std::string& text);
};

// A whole word as a decimal number; std::invalid_argument "not a number: WORD"
// for anything else.
long ToLong(const std::string& word);

} // namespace ldr::script
