#include "support/LadderDump.h"

#include "core/ProjectSchema.h"
#include "core/ViewStateFilter.h"
#include "editor/clsLdrFunction.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"

#include <map>
#include <vector>

namespace ldr::test {
namespace {

constexpr const char* kLadderTables[] = {"LdrModules",  "LdrFunctions", "LdrStrips",
                                         "LdrElements", "LdrElmsOprs",  "sqlite_sequence"};

std::string Rows(db::Connection& db, const std::string& sql, const std::string& prefix) {
  std::string text;
  auto rows = db.Query(sql);
  for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext()) {
    text += prefix;
    for (int i = 0; i < static_cast<int>(rows.Columns().size()); ++i) text += "|" + rows.Field(i).ToDisplay();
    text += "\n";
  }
  return text;
}

std::string StripLine(long id, long seqNum, long height) {
  return "strip " + std::to_string(id) + " #" + std::to_string(seqNum) + " h" + std::to_string(height) + "\n";
}

std::string ElementLine(long id, long type, long x, long y) {
  return "  element " + std::to_string(id) + " type " + std::to_string(type) + " at " + std::to_string(x) + "," +
         std::to_string(y) + "\n";
}

} // namespace

std::string DumpLadder(db::Connection& db) {
  std::string text;
  for (const char* table : kLadderTables)
    text += Rows(db, std::string("SELECT * FROM ") + table + " ORDER BY rowid", table);
  return text;
}

std::string DumpContent(db::Connection& db) {
  ViewStateFilter viewState(db);
  std::string text;
  for (const auto& table : ProjectSchema::TableNames()) {
    std::string columns, order;
    auto info = db.Query("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table});
    int kept = 0;
    for (size_t i = 0; i < static_cast<size_t>(info.RecordCount()); ++i) {
      if (viewState.IsViewColumn(table, i)) continue;
      const std::string separator = kept ? "," : "";
      columns += separator + "quote(" + info.Rows()[i][0].AsText() + ")";
      order += separator + std::to_string(++kept);
    }
    if (kept == 0) continue;
    // The subroutine shown last and the hidden comments are view state too.
    const std::string where = table == "ProjectSettings" ? " WHERE SettingKey NOT IN (21, 83)" : "";
    text += Rows(db, "SELECT " + columns + " FROM " + table + where + " ORDER BY " + order, table);
  }
  return text;
}

std::string DumpView(clsLdrFunction& view) {
  std::string text;
  for (const auto& [key, strip] : *view.Strips()) {
    text += StripLine(strip->StripID(), strip->SeqNum(), strip->Height());
    auto* net = dynamic_cast<itfLdrNet*>(strip.get());
    if (!net) continue;
    std::map<long, std::string> elements;
    for (const auto& [elementKey, element] : *net->GetAllElements()) {
      const tyLdrPoint inlet = element->Inlet();
      elements[element->ObjectID()] = ElementLine(element->ObjectID(), element->ClassType(), inlet.X, inlet.Y);
    }
    for (const auto& [id, line] : elements) text += line;
  }
  return text;
}

std::string DumpLoadedRows(db::Connection& db, long funcID) {
  std::string text;
  auto strips = db.Query("SELECT StripID, SeqNum, Height, StrpType FROM LdrStrips WHERE FuncID=? AND IsLoaded<>0 "
                         "ORDER BY SeqNum",
                         {funcID});
  for (strips.MoveFirst(); !strips.IsEOF(); strips.MoveNext()) {
    const long id = strips.Field(0).AsLong();
    text += StripLine(id, strips.Field(1).AsLong(), strips.Field(2).AsLong());
    if (strips.Field(3).AsLong() != 1) continue;
    auto elements =
        db.Query("SELECT ElmntID, ElmntType, Xs, Ys FROM LdrElements WHERE StripID=? ORDER BY ElmntID", {id});
    for (elements.MoveFirst(); !elements.IsEOF(); elements.MoveNext())
      text += ElementLine(elements.Field(0).AsLong(), elements.Field(1).AsLong(), elements.Field(2).AsLong(),
                          elements.Field(3).AsLong());
  }
  return text;
}

} // namespace ldr::test
