#pragma once
// What every project file must satisfy after any sequence of edits: a sound
// database, every foreign key resolved, strips numbered densely with the
// return strip last, every element inside its net and nets numbered 1 to K.

#include "core/ProjectDatabase.h"

#include <string>
#include <vector>

namespace ldr::test {

struct Invariant {
  const char* Name;
  const char* Query; // rows that break the invariant, one text each
};

inline const std::vector<Invariant>& ProjectInvariants() {
  static const std::vector<Invariant> checks = {
      {"foreign keys", "SELECT \"table\" || ' row ' || rowid || ' -> ' || parent FROM pragma_foreign_key_check"},
      {"SeqNum distinct and dense",
       "SELECT 'subroutine ' || FuncID FROM LdrStrips GROUP BY FuncID HAVING COUNT(SeqNum) <> COUNT(*) OR "
       "COUNT(DISTINCT SeqNum) <> COUNT(*) OR MIN(SeqNum) <> 1 OR MAX(SeqNum) <> COUNT(*)"},
      {"one return strip, last",
       "SELECT 'subroutine ' || f.FuncID FROM LdrFunctions f WHERE (SELECT COUNT(*) FROM LdrStrips s WHERE "
       "s.FuncID = f.FuncID AND s.IsReturnStrip <> 0) <> 1 OR (SELECT s.IsReturnStrip FROM LdrStrips s WHERE "
       "s.FuncID = f.FuncID ORDER BY s.SeqNum DESC LIMIT 1) = 0"},
      {"every element inside its net",
       "SELECT 'element ' || e.ElmntID || ' type ' || e.ElmntType || ' at ' || e.Xs || ',' || e.Ys || ' +' || e.Dx || "
       "',' || e.Dy || ' in strip ' || s.StripID || ' of height ' || h FROM LdrElements e JOIN (SELECT StripID, "
       "StrpType, CASE WHEN IsCollapsed <> 0 THEN OrgHeight ELSE Height END AS h FROM LdrStrips) s USING (StripID) "
       "WHERE s.StrpType <> 1 OR e.Xs < 0 OR e.Xs + e.Dx < 0 OR max(e.Xs, e.Xs + e.Dx) > 54 OR e.Ys < 0 OR "
       "e.Ys + e.Dy < 0 OR max(e.Ys, e.Ys + e.Dy) > h"},
      {"ShowNum 1..K",
       "SELECT 'strip ' || StripID || ' ShowNum ' || ifnull(ShowNum, 'NULL') || ', expected ' || k FROM (SELECT "
       "StripID, ShowNum, ROW_NUMBER() OVER (PARTITION BY FuncID ORDER BY SeqNum) AS k FROM LdrStrips WHERE "
       "StrpType = 1) WHERE ShowNum IS NOT k"},
  };
  return checks;
}

// The broken invariants of a project file, each as "name: row"; empty when
// all hold. `skip` names invariants left out.
inline std::vector<std::string> BrokenInvariants(const std::string& path, const std::string& skip = "") {
  std::vector<std::string> broken;
  auto db = ProjectDatabase::OpenReadOnly(path);
  const std::string integrity = db->QueryValue("PRAGMA integrity_check").AsText();
  if (integrity != "ok") broken.push_back("integrity: " + integrity);
  for (const auto& check : ProjectInvariants()) {
    if (skip == check.Name) continue;
    auto rows = db->Query(check.Query);
    for (rows.MoveFirst(); !rows.IsEOF(); rows.MoveNext())
      broken.push_back(std::string(check.Name) + ": " + rows.Field(0).AsText());
  }
  return broken;
}

} // namespace ldr::test
