#include "exchange/BlockInstanceBuffer.h"

#include "core/LdrError.h"
#include "outside/operands/FunctionBlockInstances.h"

#include <cctype>
#include <stdexcept>
#include <vector>

namespace ldr {
namespace {

constexpr const char* kBlockElement = "ElmntType BETWEEN 100000 AND 999999";
constexpr long kOrphan = FunctionBlockInstances::kOrphanedInstance;

std::string Ident(const std::string& name) {
  bool ok = !name.empty();
  for (char c : name) ok = ok && (std::isalnum(static_cast<unsigned char>(c)) || c == '_');
  if (!ok) throw std::invalid_argument("not a table name: " + name);
  return name;
}

bool TableExists(db::Connection& db, const std::string& table) {
  return db.QueryValue("SELECT COUNT(*) FROM sqlite_master WHERE type='table' AND name=?", {table}).AsLong() > 0;
}

std::vector<std::string> Columns(db::Connection& db, const std::string& table) {
  std::vector<std::string> columns;
  auto rows = db.Query("SELECT name FROM pragma_table_info(?)", {table});
  for (const auto& row : rows.Rows()) columns.push_back(row[0].AsText());
  return columns;
}

} // namespace

void BlockInstanceBuffer::AddRowsForUnlistedConfigurations(const std::string& instances, const std::string& elements) {
  bool hasIDs = false;
  for (const auto& column : Columns(mDb, instances)) hasIDs = hasIDs || column == "InstanceID";
  mDb.Execute("INSERT INTO " + instances + " (FatherID, InstanceNumber" + (hasIDs ? ", InstanceID" : "") +
              ") SELECT DISTINCT (e.ElmntType/100)*100, e.MoreParamsLng" + (hasIDs ? ", -1" : "") + " FROM " +
              elements + " e WHERE e." + kBlockElement +
              " AND e.ElmntType % 100 = 1 AND e.MoreParamsLng>0 AND e.MoreParamsLng<" + std::to_string(kOrphan) +
              " AND NOT EXISTS (SELECT 1 FROM " + instances +
              " i WHERE i.FatherID=(e.ElmntType/100)*100 AND i.InstanceNumber=e.MoreParamsLng)");
}

void BlockInstanceBuffer::RenumberInstances(const std::string& instances, const std::string& elements,
                                            const std::string& prefix, bool unassignIDs) {
  const std::string rows = Ident(prefix + instances), users = Ident(prefix + elements);
  if (!TableExists(mDb, rows) || !TableExists(mDb, users)) return;
  AddRowsForUnlistedConfigurations(rows, users);
  FunctionBlockInstances project(mDb);
  mDb.Execute("CREATE TEMP TABLE LdrInstanceMap (RowRef INTEGER, FatherID INTEGER, OldNumber INTEGER, NewNumber "
              "INTEGER)");
  auto listed = mDb.Query("SELECT rowid, FatherID, InstanceNumber FROM " + rows + " ORDER BY FatherID, InstanceNumber");
  long father = -1, next = 0;
  for (const auto& row : listed.Rows()) {
    if (row[1].AsLong() != father) {
      father = row[1].AsLong();
      next = project.NextInstanceNumber(father);
    }
    mDb.Execute("INSERT INTO temp.LdrInstanceMap VALUES (?,?,?,?)", {row[0], father, row[2], next++});
  }
  // One statement per table reads every old number before any is replaced.
  mDb.Execute("UPDATE " + users +
              " SET MoreParamsLng=(SELECT m.NewNumber FROM temp.LdrInstanceMap m WHERE m.FatherID=(" + users +
              ".ElmntType/100)*100 AND m.OldNumber=" + users + ".MoreParamsLng) WHERE " + kBlockElement +
              " AND EXISTS (SELECT 1 FROM temp.LdrInstanceMap m WHERE m.FatherID=(" + users +
              ".ElmntType/100)*100 AND m.OldNumber=" + users + ".MoreParamsLng)");
  bool hasIDs = false;
  for (const auto& column : Columns(mDb, rows)) hasIDs = hasIDs || column == "InstanceID";
  mDb.Execute("UPDATE " + rows + " SET InstanceNumber=(SELECT m.NewNumber FROM temp.LdrInstanceMap m WHERE m.RowRef=" +
              rows + ".rowid)" + (unassignIDs && hasIDs ? ", InstanceID=-1" : ""));
  mDb.Execute("DROP TABLE temp.LdrInstanceMap");
}

void BlockInstanceBuffer::MakeDescriptionsUnique(const std::string& instances, const std::string& prefix) {
  const std::string rows = Ident(prefix + instances);
  if (!TableExists(mDb, rows)) return;
  FunctionBlockInstances project(mDb);
  const std::string fathers = TableExists(mDb, prefix + "FB_Fathers") ? Ident(prefix + "FB_Fathers") : "FB_Fathers";
  auto listed = mDb.Query("SELECT r.rowid, r.InstanceNumber, r.InstanceDescription, COALESCE((SELECT FatherName FROM " +
                          fathers + " f WHERE f.FatherID=r.FatherID), 'Block') FROM " + rows + " r ORDER BY r.rowid");
  std::vector<std::string> pasted;
  for (const auto& row : listed.Rows()) {
    const std::string old = row[2].AsText();
    const std::string base = old.empty() ? row[3].AsText() + std::to_string(row[1].AsLong()) : old;
    const std::string fresh = project.UniqueDescription(base, pasted);
    if (fresh != old) mDb.Execute("UPDATE " + rows + " SET InstanceDescription=? WHERE rowid=?", {fresh, row[0]});
    pasted.push_back(fresh);
  }
}

bool BlockInstanceBuffer::AppendInstances(const std::string& prefix) {
  const std::string rows = Ident(prefix + "FB_Instance_Details");
  if (!TableExists(mDb, rows)) return false;
  const auto buffer = Columns(mDb, rows);
  std::string fields;
  for (const auto& column : Columns(mDb, "FB_Instance_Details")) {
    for (const auto& present : buffer)
      if (present == column) fields += (fields.empty() ? "" : ",") + column;
  }
  return mDb.Execute("INSERT INTO FB_Instance_Details (" + fields + ") SELECT " + fields + " FROM " + rows) > 0;
}

void BlockInstanceBuffer::GiveInstanceIDs() {
  FunctionBlockInstances project(mDb);
  auto waiting =
      mDb.Query("SELECT rowid FROM FB_Instance_Details WHERE InstanceID=-1 ORDER BY FatherID, InstanceNumber");
  for (const auto& row : waiting.Rows()) {
    const auto id = project.LowestFreeInstanceID();
    if (!id)
      throw LdrError(0, "InstanceID retriver", "No Free Instance ID", "clsBufferServices",
                     "GiveInstanceIDsToNewlyAddedFB");
    mDb.Execute("UPDATE FB_Instance_Details SET InstanceID=? WHERE rowid=?", {*id, row[0]});
  }
}

void BlockInstanceBuffer::NumberOrphans(long firstID, long lastID) {
  FunctionBlockInstances project(mDb);
  auto fathers = mDb.Query(std::string("SELECT DISTINCT (ElmntType/100)*100 FROM LdrElements WHERE ElmntID BETWEEN ? "
                                       "AND ? AND ") +
                               kBlockElement + " AND MoreParamsLng=?",
                           {firstID, lastID, kOrphan});
  for (const auto& row : fathers.Rows()) {
    const long father = row[0].AsLong();
    const long next = project.NextInstanceNumber(father);
    mDb.Execute("UPDATE LdrElements SET MoreParamsLng=? WHERE ElmntID BETWEEN ? AND ? AND ElmntType BETWEEN ? AND ? "
                "AND MoreParamsLng=?",
                {next, firstID, lastID, father, father + 99, kOrphan});
  }
}

} // namespace ldr
