#include "platform/database/DbError.h"

namespace ldr::db {

namespace {
std::string Describe(int code, const std::string& message, const std::string& statement) {
  std::string text = "database error " + std::to_string(code) + ": " + message;
  if (!statement.empty()) text += " [" + statement + "]";
  return text;
}
} // namespace

DbError::DbError(int code, std::string message, std::string statement)
    : std::runtime_error(Describe(code, message, statement)), mCode(code), mMessage(std::move(message)),
      mStatement(std::move(statement)) {}

} // namespace ldr::db
