#pragma once
// The one exception type of the database layer: SQLite's result code and
// message, and the statement that failed.

#include <stdexcept>
#include <string>

namespace ldr::db {

class DbError : public std::runtime_error {
public:
  DbError(int code, std::string message, std::string statement = {});

  int Code() const { return mCode; }
  const std::string& Message() const { return mMessage; }
  const std::string& Statement() const { return mStatement; }

private:
  int mCode;
  std::string mMessage;
  std::string mStatement;
};

} // namespace ldr::db
