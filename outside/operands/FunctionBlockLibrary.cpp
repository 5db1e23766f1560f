#include "outside/operands/FunctionBlockLibrary.h"

#include "outside/operands/FunctionBlockObject.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/SettingsStore.h"
#include "platform/database/Transaction.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace ldr {
namespace {

constexpr long kPixelsPerRow = 14;
constexpr long kPinPitch = 49;
constexpr long kBelowLastPin = 15;
constexpr long kNarrowBox = 13;
constexpr long kWideBox = 19;

bool HasShapeColumn(db::Connection& db) {
  return db.QueryValue("SELECT COUNT(*) FROM pragma_table_info('FB_Methods') WHERE name='MethodShape'").AsLong() > 0;
}

// Rows from the row above the rung down to just below the last pin.
long RowsForPins(long pins) {
  const long bottom = kPinPitch * std::max(1L, pins) - 7 + kBelowLastPin;
  return (bottom + kPixelsPerRow + kPixelsPerRow - 1) / kPixelsPerRow;
}

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

FunctionBlockLibrary::FunctionBlockLibrary(std::shared_ptr<const OperandLibrary> library)
    : mLibrary(std::move(library)) {
  if (!mLibrary) throw std::invalid_argument("function-block library: no operand library");
}

ParamsShape FunctionBlockLibrary::ParseShape(long methodID, const std::string& text) {
  ParamsShape shape;
  shape.ElementType = methodID;
  long width = 0, height = 0;
  std::stringstream items(text);
  std::string item;
  while (std::getline(items, item, ';')) {
    const auto equals = item.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = Trim(item.substr(0, equals));
    long value = 0;
    if (!ParseWholeNumber(Trim(item.substr(equals + 1)), value) || value < 0) continue;
    const long count = std::min(value, kMaxPins);
    if (key == "in") shape.Inputs = count;
    if (key == "out") shape.Outputs = count;
    if (key == "values") shape.ValueCount = count;
    if (key == "busbar") shape.AllowedOnBusBar = value != 0;
    if (key == "eneo") shape.EnableInEnableOut = value != 0;
    if (key == "width") width = std::min(value, 60L);
    if (key == "height") height = std::min(value, 60L);
  }
  const long minimumWidth = shape.Outputs > 0 ? kWideBox : kNarrowBox;
  const long minimumHeight = RowsForPins(std::max(shape.Inputs, shape.Outputs));
  shape.Box = {std::max(width, minimumWidth), std::max(height, minimumHeight)};
  return shape;
}

BlockMethodInfo FunctionBlockLibrary::Describe(long methodID) const {
  auto& db = *mLibrary->Connection();
  BlockMethodInfo info;
  info.MethodID = methodID;
  info.FatherID = FatherOf(methodID);
  auto father = db.Query("SELECT FatherTitle, FatherName FROM FB_Fathers WHERE FatherID=?", {info.FatherID});
  if (!father.IsEOF()) {
    info.HasFather = true;
    info.FatherTitle = Trim(father.Field(0).AsText());
    info.FatherName = Trim(father.Field(1).AsText());
  }
  const std::string shapeColumn = HasShapeColumn(db) ? "MethodShape" : "''";
  auto method = db.Query("SELECT MethodTitle, " + shapeColumn + " FROM FB_Methods WHERE MethodID=?", {methodID});
  std::string shapeText;
  if (!method.IsEOF()) {
    info.HasMethod = true;
    info.MethodTitle = Trim(method.Field(0).AsText());
    shapeText = method.Field(1).AsText();
  }
  info.Shape = ParseShape(methodID, info.IsMissing() ? std::string() : shapeText);
  if (info.IsMissing()) info.Shape.AllowedOnBusBar = true;
  return info;
}

std::shared_ptr<FunctionBlockObject> FunctionBlockLibrary::NewBlockObject(long methodID) const {
  return std::make_shared<FunctionBlockObject>(mLibrary, Describe(methodID));
}

std::vector<long> FunctionBlockLibrary::MethodIDs() const {
  std::vector<long> ids;
  auto rows = mLibrary->Connection()->Query(
      "SELECT MethodID FROM FB_Methods WHERE MethodID BETWEEN ? AND ? AND (MethodID/100)*100 IN (SELECT FatherID "
      "FROM FB_Fathers) ORDER BY MethodID",
      {kFirstMethod, kLastMethod});
  for (const auto& row : rows.Rows()) ids.push_back(row[0].AsLong());
  return ids;
}

void FunctionBlockLibrary::InstallDemoLibrary(db::Connection& project) {
  if (project.QueryValue("SELECT COUNT(*) FROM FB_Fathers WHERE FatherID=?", {kDemoFatherID}).AsLong() > 0) return;
  db::Transaction transaction(project);
  if (!HasShapeColumn(project)) project.Execute("ALTER TABLE FB_Methods ADD COLUMN MethodShape TEXT");
  // A stand-in for the block's compiled code: a header and a return.
  const db::Blob code{0x4C, 0x46, 0x42, 0x01, 0x00, 0x02, 0x10, 0x00, 0xC3};
  const db::Blob jumps{0x00, 0x00};
  project.Execute("INSERT INTO FB_Fathers (FatherID, FatherTitle, FatherName, FatherDescription, HexFile, "
                  "HexFileJumpsMap, HexFileVersion, MinBiosVersion, MemorySize, InstanceType) VALUES "
                  "(?,?,?,?,?,?,1,0,16,0)",
                  {kDemoFatherID, "Demo Counter", "Counter",
                   "Counts the rising edges of its input up to a preset; a demonstration block.", code, jumps});
  const struct {
    long ID;
    const char* Title;
    const char* Shape;
  } methods[] = {
      {kDemoFatherID + 1, "Configure", "in=1;out=1;values=1"},
      {kDemoFatherID + 2, "Count", "in=1;out=1"},
      {kDemoFatherID + 3, "Reset", "busbar=0"},
  };
  for (const auto& method : methods)
    project.Execute("INSERT INTO FB_Methods (MethodID, MethodTitle, HexFileVersion, MethodShape) VALUES (?,?,1,?)",
                    {method.ID, method.Title, method.Shape});
  transaction.Commit();
}

} // namespace ldr
