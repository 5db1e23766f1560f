#pragma once
// Records, from its creation on, every row the connection changes in the
// tables `track` accepts (tables without a primary key are never recorded).
// The changeset compares each touched row as it was first seen with the row
// as it is now, so writes rolled back meanwhile leave nothing behind.

#include "platform/database/DbValue.h"

#include <functional>
#include <string>

struct sqlite3_session;

namespace ldr::db {

class Connection;

class ChangeSession {
public:
  using TableFilter = std::function<bool(const std::string& table)>;

  ChangeSession(Connection& connection, TableFilter track);
  ~ChangeSession();
  ChangeSession(const ChangeSession&) = delete;
  ChangeSession& operator=(const ChangeSession&) = delete;

  bool Empty() const;
  Blob Changes() const;

private:
  static int Track(void* self, const char* table);

  sqlite3_session* mSession = nullptr;
  TableFilter mTrack;
};

} // namespace ldr::db
