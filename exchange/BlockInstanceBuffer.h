#pragma once
// The function-block half of the buffer tables: when block methods are
// pasted or imported, their instances must land without colliding with the
// receiving project's. The buffer's instance rows (prefix+FB_Instance_Details)
// and the block elements that use them (prefix+LdrElements, MoreParamsLng)
// are renumbered together, their descriptions made unique, and the rows get
// instance IDs once appended. A block element whose (father, number) is not
// among the buffer's instance rows refers to an instance of the receiving
// project and keeps its number.

#include "platform/database/Connection.h"

#include <string>

namespace ldr {

class BlockInstanceBuffer {
public:
  explicit BlockInstanceBuffer(db::Connection& db) : mDb(db) {}

  // Every pasted description the project (or an earlier pasted row) holds
  // already becomes the first free Name(n).
  void MakeDescriptionsUnique(const std::string& instances, const std::string& prefix);
  // Every buffer instance gets the next free number of its father in the
  // project, and the buffer's elements of that instance follow. A
  // configuration element without an instance row gets one first. With
  // `unassignIDs` the rows are marked for new instance IDs (-1).
  void RenumberInstances(const std::string& instances, const std::string& elements, const std::string& prefix,
                         bool unassignIDs);
  // Appends the buffer's instance rows; true when any came.
  bool AppendInstances(const std::string& prefix);
  // Gives each row with InstanceID -1 the lowest free ID; fails with
  // LdrError "No Free Instance ID" when none up to 256 is left.
  void GiveInstanceIDs();
  // The orphaned methods among the elements firstID to lastID (pasted from
  // another project) get, per father, one fresh instance number.
  void NumberOrphans(long firstID, long lastID);

private:
  void AddRowsForUnlistedConfigurations(const std::string& instances, const std::string& elements);

  db::Connection& mDb;
};

} // namespace ldr
