#include "outside/operands/FunctionBlockInstances.h"

#include <algorithm>
#include <cctype>

namespace ldr {
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// Cuts to at most `limit` bytes without splitting a UTF-8 character.
std::string CutTo(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

} // namespace

long FunctionBlockInstances::NextInstanceNumber(long fatherID) {
  const long inElements = mDb.QueryValue("SELECT MAX(MoreParamsLng) FROM LdrElements WHERE ElmntType BETWEEN ? AND ? "
                                         "AND MoreParamsLng>0 AND MoreParamsLng<?",
                                         {fatherID, fatherID + 99, kOrphanedInstance})
                              .AsLong(0);
  const long inRows =
      mDb.QueryValue("SELECT MAX(InstanceNumber) FROM FB_Instance_Details WHERE FatherID=? AND InstanceNumber<?",
                     {fatherID, kOrphanedInstance})
          .AsLong(0);
  return std::max(inElements, inRows) + 1;
}

std::optional<long> FunctionBlockInstances::LowestFreeInstanceID() {
  const long lowest = mDb.QueryValue("SELECT MIN(c) FROM (SELECT 1 AS c WHERE NOT EXISTS (SELECT 1 FROM "
                                     "FB_Instance_Details WHERE InstanceID=1) UNION SELECT t1.InstanceID+1 FROM "
                                     "FB_Instance_Details t1 LEFT JOIN FB_Instance_Details t2 ON "
                                     "t2.InstanceID=t1.InstanceID+1 WHERE t1.InstanceID>=1 AND t2.InstanceID IS NULL)")
                          .AsLong(1);
  if (lowest > kMaxInstanceID) return std::nullopt;
  return lowest;
}

bool FunctionBlockInstances::IsDescriptionTaken(const std::string& description) {
  return mDb.QueryValue("SELECT COUNT(*) FROM FB_Instance_Details WHERE InstanceDescription=? COLLATE NOCASE",
                        {description})
             .AsLong() > 0;
}

std::string FunctionBlockInstances::UniqueDescription(const std::string& base,
                                                      const std::vector<std::string>& alsoTaken) {
  auto taken = [&](const std::string& text) {
    const std::string lower = Lower(text);
    return IsDescriptionTaken(text) || std::any_of(alsoTaken.begin(), alsoTaken.end(),
                                                   [&](const std::string& other) { return Lower(other) == lower; });
  };
  const std::string whole = CutTo(base, kMaxDescriptionCharacters);
  if (!whole.empty() && !taken(whole)) return whole;
  for (long n = 1;; ++n) {
    const std::string suffix = "(" + std::to_string(n) + ")";
    const std::string text = CutTo(base, kMaxDescriptionCharacters - suffix.size()) + suffix;
    if (!taken(text)) return text;
  }
}

bool FunctionBlockInstances::AddInstance(long fatherID, long number, const std::string& description,
                                         const db::Blob& configData) {
  const auto id = LowestFreeInstanceID();
  if (!id) return false;
  mDb.Execute("INSERT INTO FB_Instance_Details (InstanceID, FatherID, InstanceNumber, InstanceDescription, "
              "ConfigInstanceData) VALUES (?,?,?,?,?)",
              {*id, fatherID, number, description, configData});
  return true;
}

void FunctionBlockInstances::SetConfigData(long fatherID, long number, const db::Blob& configData) {
  mDb.Execute("UPDATE FB_Instance_Details SET ConfigInstanceData=? WHERE FatherID=? AND InstanceNumber=?",
              {configData, fatherID, number});
}

std::vector<BlockInstance> FunctionBlockInstances::InstancesOf(long fatherID) {
  std::vector<BlockInstance> instances;
  auto rows = mDb.Query("SELECT InstanceNumber, InstanceDescription FROM FB_Instance_Details WHERE FatherID=? AND "
                        "InstanceNumber<? ORDER BY InstanceNumber",
                        {fatherID, kOrphanedInstance});
  for (const auto& row : rows.Rows()) instances.push_back({row[0].AsLong(), row[1].AsText()});
  return instances;
}

std::optional<BlockInstance> FunctionBlockInstances::Find(long fatherID, long number) {
  auto rows = mDb.Query("SELECT InstanceNumber, InstanceDescription FROM FB_Instance_Details WHERE FatherID=? AND "
                        "InstanceNumber=?",
                        {fatherID, number});
  if (rows.IsEOF()) return std::nullopt;
  return BlockInstance{rows.Field(0).AsLong(), rows.Field(1).AsText()};
}

} // namespace ldr
