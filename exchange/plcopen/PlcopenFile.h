#pragma once
// The whole export in one call, as the command line and the studio use it:
// read the ladder, make the XML and write the file whole (into a partial file
// first, renamed when complete, so a failure never leaves half a file).

#include "platform/database/Connection.h"

#include <string>
#include <vector>

namespace ldr::plcopen {

class PlcopenFile {
public:
  // Every subroutine when `funcIDs` is empty. Returns the warnings.
  static std::vector<std::string> Write(db::Connection& db, const std::vector<long>& funcIDs, const std::string& path);
  // Now in UTC, or SOURCE_DATE_EPOCH when that is set (reproducible files).
  static std::string CreationDateTime();
};

} // namespace ldr::plcopen
