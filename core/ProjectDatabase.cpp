#include "core/ProjectDatabase.h"

#include "core/ProjectData.h"
#include "core/ProjectSchema.h"
#include "platform/database/Transaction.h"

#include <filesystem>

namespace ldr {

std::shared_ptr<db::Connection> ProjectDatabase::Open(const std::string& path) {
  auto connection = db::Connection::Open(path, db::OpenMode::ExistingReadWrite);
  ProjectSchema::Verify(*connection);
  connection->UseWriteAheadLog();
  return connection;
}

std::shared_ptr<db::Connection> ProjectDatabase::OpenReadOnly(const std::string& path) {
  auto connection = db::Connection::Open(path, db::OpenMode::ExistingReadOnly);
  ProjectSchema::Verify(*connection);
  return connection;
}

std::shared_ptr<db::Connection> ProjectDatabase::OpenCopy(const std::string& path) {
  return OpenReadOnly(path)->CopyToMemory();
}

std::shared_ptr<db::Connection> ProjectDatabase::Create(const std::string& path) {
  auto connection = db::Connection::Open(path, db::OpenMode::CreateNew);
  try {
    db::Transaction transaction(*connection);
    ProjectSchema::Create(*connection);
    WriteDefaultContent(*connection);
    transaction.Commit();
    connection->UseWriteAheadLog();
  } catch (...) {
    connection.reset();
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) std::filesystem::remove(path + suffix, ec);
    throw;
  }
  return connection;
}

void ProjectDatabase::WriteDefaultContent(db::Connection& connection) {
  db::Transaction transaction(connection);
  const long module = AddModuleRow(connection, "Module 1");
  const long start = AddFunctionRow(connection, module, "Start", eFTD_Start);
  const long main = AddFunctionRow(connection, module, "Main", eFTD_Main);
  AddDefaultStrips(connection, start);
  AddDefaultStrips(connection, main);
  connection.Execute("UPDATE LdrModules SET ActiveFuncID=? WHERE MdlID=?", {main, module});
  // The counters of default names go on from the names taken above.
  connection.Execute("INSERT INTO ProjectSettings (SettingKey, SettingValue) VALUES (?, ?), (?, ?), (?, ?)",
                     {static_cast<long>(ePSK_NextModuleNumber), "2", static_cast<long>(ePSK_NextSubroutineNumber), "1",
                      static_cast<long>(ePSK_LastFunction), std::to_string(main)});
  transaction.Commit();
}

} // namespace ldr
