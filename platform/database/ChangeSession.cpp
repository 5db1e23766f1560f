#include "platform/database/ChangeSession.h"

#include "platform/database/Connection.h"
#include "platform/database/DbError.h"

#include <sqlite3.h>

namespace ldr::db {

ChangeSession::ChangeSession(Connection& connection, TableFilter track) : mTrack(std::move(track)) {
  int rc = sqlite3session_create(connection.Handle(), "main", &mSession);
  if (rc != SQLITE_OK) throw DbError(rc, "cannot record changes");
  sqlite3session_table_filter(mSession, &ChangeSession::Track, this);
  rc = sqlite3session_attach(mSession, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3session_delete(mSession);
    throw DbError(rc, "cannot record changes");
  }
}

ChangeSession::~ChangeSession() { sqlite3session_delete(mSession); }

int ChangeSession::Track(void* self, const char* table) {
  const auto& track = static_cast<ChangeSession*>(self)->mTrack;
  return !track || track(table) ? 1 : 0;
}

bool ChangeSession::Empty() const { return sqlite3session_isempty(mSession) != 0; }

Blob ChangeSession::Changes() const {
  int size = 0;
  void* changes = nullptr;
  int rc = sqlite3session_changeset(mSession, &size, &changes);
  if (rc != SQLITE_OK) throw DbError(rc, "cannot read the recorded changes");
  const auto* bytes = static_cast<const std::uint8_t*>(changes);
  Blob result(bytes, bytes + size);
  sqlite3_free(changes);
  return result;
}

} // namespace ldr::db
