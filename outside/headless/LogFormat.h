#pragma once
// How the headless host writes values into its output lines: texts between
// double quotes with \" and \\ (and \n, \r, \t for line breaks and tabs, so
// that every output stays one line).

#include <string>

namespace ldr {

class LogFormat {
public:
  static std::string Quote(const std::string& text);
  // A word as it is when it has no blank, quote, backslash or control
  // character and is not empty; otherwise quoted.
  static std::string Word(const std::string& text);
};

} // namespace ldr
