#pragma once
// Reads an export file into the "expimp_" buffer tables of the project,
// trusting nothing in it. The file is opened read-only through its own
// connection; only the tables and columns this version knows are taken, each
// value bound, never spliced into SQL. Anything that does not hold up (not a
// database, damaged, a table or column missing, a name that is not a plain
// identifier, NULL or non-integer keys, duplicate or dangling keys, texts
// beyond any size the editor uses) fails with ExportFileError before a
// single live row is touched.

#include "platform/database/Connection.h"

#include <stdexcept>
#include <string>

namespace ldr {

class ExportFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class ExportFileReader {
public:
  static constexpr std::size_t kMaxTextBytes = 1 << 20;  // a comment of 65535 characters fits many times
  static constexpr std::size_t kMaxBlobBytes = 16 << 20; // block code included

  // `maxNameLength`: the longest subroutine name the project takes.
  ExportFileReader(db::Connection& project, long maxNameLength) : mProject(project), mMaxNameLength(maxNameLength) {}

  // Opens and checks the file; answers the database version it was written
  // with. Changes nothing.
  long ReadVersion(const std::string& path);
  // Copies the file's tables into expimp_ tables (which must not exist yet)
  // and checks their rows. The columns of the buffer tables are the file's
  // columns that the live tables have, with the live declared types.
  void CopyIntoBuffers(const std::string& path);

private:
  struct ExpectedTable {
    const char* Live;
    bool Required;
    std::vector<std::string> Columns; // must be there, never NULL
  };
  static const std::vector<ExpectedTable>& ExpectedTables();

  std::shared_ptr<db::Connection> OpenFile(const std::string& path);
  void CopyTable(db::Connection& file, const ExpectedTable& expected);
  void CreateEmptyBuffer(const ExpectedTable& expected);
  void CheckRows();
  void CheckKeys(const std::string& table, const std::string& column, bool unique);
  void CheckNotNull(const std::string& table, const std::string& column);
  void CheckParents(const std::string& table, const std::string& column, const std::string& parent,
                    const std::string& parentKey);
  void Refuse(const std::string& sql, const std::string& reason);

  db::Connection& mProject;
  long mMaxNameLength;
};

} // namespace ldr
