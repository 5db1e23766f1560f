#pragma once
// Failures of the headless host's answers: the script gave an answer that
// does not fit the question, or gave none at all. `ldr script` reports them
// as `fail LINE: what()`.

#include <stdexcept>
#include <string>

namespace ldr {

class HeadlessAnswerError : public std::runtime_error {
public:
  explicit HeadlessAnswerError(const std::string& what) : std::runtime_error(what) {}
};

// The host was asked something and the script had queued no answer for it.
class HeadlessAnswerMissing : public HeadlessAnswerError {
public:
  explicit HeadlessAnswerMissing(const std::string& what) : HeadlessAnswerError(what) {}
};

} // namespace ldr
