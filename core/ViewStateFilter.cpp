#include "core/ViewStateFilter.h"

#include "core/ProjectData.h"
#include "platform/database/Connection.h"

#include <set>
#include <utility>

namespace ldr {

namespace {

const std::set<std::pair<std::string, std::string>>& ViewColumns() {
  static const std::set<std::pair<std::string, std::string>> columns = {
      {"LdrStrips", "IsCollapsed"},         {"LdrStrips", "IsLoaded"},        {"LdrStrips", "IsSelected"},
      {"LdrStrips", "ShowPowerFlow"},       {"LdrStrips", "CompileDirtyBit"}, {"LdrStrips", "LdrBitsCount"},
      {"LdrStrips", "JunctionsInfo"},       {"LdrStrips", "ProblemsInfo"},    {"LdrStrips", "StlViewInfo"},
      {"LdrStrips", "TokensInfo"},          {"LdrStrips", "JumpsInfo"},       {"LdrStrips", "RiseFallInfo"},
      {"LdrStrips", "RiseFallElementInfo"}, {"LdrStrips", "ProblemsType"},    {"LdrStrips", "TokensAmount"},
      {"LdrFunctions", "VscrlPos"},         {"LdrModules", "ActiveFuncID"},   {"DownloadDLUs", "IsCompiled"}};
  return columns;
}

} // namespace

ViewStateFilter::ViewStateFilter(db::Connection& connection) : mConnection(connection) {}

const std::vector<bool>& ViewStateFilter::ViewColumnsOf(const std::string& table) {
  auto found = mViewColumns.find(table);
  if (found != mViewColumns.end()) return found->second;
  std::vector<bool> flags;
  auto info = mConnection.QueryForward("SELECT name FROM pragma_table_info(?) ORDER BY cid", {table});
  for (; !info.IsEOF(); info.MoveNext()) flags.push_back(ViewColumns().count({table, info.Field(0).AsText()}) > 0);
  return mViewColumns.emplace(table, std::move(flags)).first->second;
}

bool ViewStateFilter::IsViewColumn(const std::string& table, size_t column) {
  const auto& flags = ViewColumnsOf(table);
  return column < flags.size() && flags[column];
}

bool ViewStateFilter::IsViewRow(const db::ChangedRow& row) const {
  if (row.Table != "ProjectSettings") return false;
  const auto& values = row.Op == db::ChangeOp::Insert ? row.New : row.Old;
  if (values.empty() || !values[0]) return false;
  const long key = values[0]->AsLong();
  return key == ePSK_LastFunction || key == ePSK_CommentsHidden;
}

std::vector<db::ChangedRow> ViewStateFilter::WithoutViewState(std::vector<db::ChangedRow> rows) {
  std::vector<db::ChangedRow> kept;
  kept.reserve(rows.size());
  for (auto& row : rows) {
    if (IsViewRow(row)) continue;
    if (row.Op == db::ChangeOp::Update) {
      bool changesLadder = false;
      for (size_t i = 0; i < row.New.size(); ++i) {
        if (!row.New[i]) continue;
        if (IsViewColumn(row.Table, i)) {
          row.New[i].reset();
          if (!row.Key[i]) row.Old[i].reset();
        } else {
          changesLadder = true;
        }
      }
      if (!changesLadder) continue;
    }
    kept.push_back(std::move(row));
  }
  return kept;
}

bool ViewStateFilter::SameLadder(const db::ChangedRow& change, const std::vector<std::optional<db::DbValue>>& recorded,
                                 const std::vector<db::DbValue>& current) {
  for (size_t i = 0; i < recorded.size() && i < current.size(); ++i) {
    if (!recorded[i] || IsViewColumn(change.Table, i)) continue;
    if (!(*recorded[i] == current[i])) return false;
  }
  return true;
}

} // namespace ldr
