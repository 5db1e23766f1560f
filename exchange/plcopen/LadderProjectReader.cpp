#include "exchange/plcopen/LadderProjectReader.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace ldr::plcopen {

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

LadderProject LadderProjectReader::Read(const std::vector<long>& funcIDs) {
  LadderProject project;
  project.Path = mDb.Path();
  project.Subroutines = ReadSubroutines(funcIDs);
  for (auto& subroutine : project.Subroutines) subroutine.Strips = ReadStrips(subroutine.ID);
  ReadOperandList(project);
  ReadReferenceNames(project);
  return project;
}

std::vector<LadderSubroutine> LadderProjectReader::ReadSubroutines(const std::vector<long>& funcIDs) {
  for (long id : funcIDs)
    if (mDb.QueryValue("SELECT COUNT(*) FROM LdrFunctions WHERE FuncID=?", {id}).AsLong() == 0)
      throw std::invalid_argument("no subroutine with id " + std::to_string(id));
  std::vector<LadderSubroutine> subroutines;
  auto rows = mDb.Query("SELECT f.FuncID, f.MdlID, f.FuncName, f.FunctionType, m.MdlName "
                        "FROM LdrFunctions f JOIN LdrModules m ON m.MdlID=f.MdlID "
                        "ORDER BY m.MdlName, m.MdlID, f.FuncName, f.FuncID");
  for (; !rows.IsEOF(); rows.MoveNext()) {
    const long id = rows.Field("FuncID").AsLong();
    if (!funcIDs.empty() && std::find(funcIDs.begin(), funcIDs.end(), id) == funcIDs.end()) continue;
    LadderSubroutine subroutine;
    subroutine.ID = id;
    subroutine.ModuleID = rows.Field("MdlID").AsLong();
    subroutine.Name = rows.Field("FuncName").AsText();
    subroutine.ModuleName = rows.Field("MdlName").AsText();
    subroutine.FunctionType = rows.Field("FunctionType").AsLong(3);
    subroutines.push_back(std::move(subroutine));
  }
  return subroutines;
}

std::vector<LadderStrip> LadderProjectReader::ReadStrips(long funcID) {
  std::vector<LadderStrip> strips;
  auto rows = mDb.Query("SELECT StripID, SeqNum, StrpType, ShowNum, Height, OrgHeight, IsCollapsed, IsReturnStrip, "
                        "IsCompilable, StrpNote, Comment, LblName, LblComment FROM LdrStrips WHERE FuncID=? "
                        "ORDER BY SeqNum, StripID",
                        {funcID});
  for (; !rows.IsEOF(); rows.MoveNext()) {
    LadderStrip strip;
    strip.ID = rows.Field("StripID").AsLong();
    strip.SeqNum = rows.Field("SeqNum").AsLong();
    strip.Type = rows.Field("StrpType").AsLong();
    strip.ShowNum = rows.Field("ShowNum").AsLong();
    strip.Height = rows.Field("Height").AsLong();
    strip.OrgHeight = rows.Field("OrgHeight").AsLong();
    strip.IsCollapsed = rows.Field("IsCollapsed").AsBool();
    strip.IsReturnStrip = rows.Field("IsReturnStrip").AsBool();
    strip.IsCompilable = rows.Field("IsCompilable").AsLong();
    strip.Note = rows.Field("StrpNote").AsText();
    strip.Comment = rows.Field("Comment").AsText();
    strip.LabelName = rows.Field("LblName").AsText();
    strip.LabelComment = rows.Field("LblComment").AsText();
    strip.Elements = ReadElements(strip.ID);
    strips.push_back(std::move(strip));
  }
  return strips;
}

std::vector<LadderElement> LadderProjectReader::ReadElements(long stripID) {
  std::vector<LadderElement> elements;
  auto rows = mDb.Query("SELECT ElmntID, ElmntType, Xs, Ys, Dx, Dy, MoreParamsLng, MoreParamsBin, NumberOfInputs "
                        "FROM LdrElements WHERE StripID=? ORDER BY Ys, Xs, ElmntType, Dx, Dy, ElmntID",
                        {stripID});
  for (; !rows.IsEOF(); rows.MoveNext()) {
    LadderElement element;
    element.ID = rows.Field("ElmntID").AsLong();
    element.Type = rows.Field("ElmntType").AsLong();
    element.Xs = rows.Field("Xs").AsLong();
    element.Ys = rows.Field("Ys").AsLong();
    element.Dx = rows.Field("Dx").AsLong();
    element.Dy = rows.Field("Dy").AsLong();
    element.MoreParamsLng = rows.Field("MoreParamsLng").AsLong();
    element.MoreParamsBin = rows.Field("MoreParamsBin").AsBlob();
    element.NumberOfInputs = rows.Field("NumberOfInputs").AsLong();
    auto operands = mDb.Query("SELECT OprndInIdx, OprndOutIdx, Elmnt_Oprnd_Type, Elmnt_Oprnd_Adrs, "
                              "Elmnt_Oprnd_NetworkID FROM LdrElmsOprs WHERE ElmntID=? "
                              "ORDER BY OprndOutIdx<>0, OprndInIdx, OprndOutIdx, rowid",
                              {element.ID});
    for (; !operands.IsEOF(); operands.MoveNext()) {
      LadderOperand operand;
      operand.InIdx = operands.Field("OprndInIdx").AsLong();
      operand.OutIdx = operands.Field("OprndOutIdx").AsLong();
      operand.Type = operands.Field("Elmnt_Oprnd_Type").AsLong();
      operand.Address = operands.Field("Elmnt_Oprnd_Adrs").AsLong();
      operand.Network = operands.Field("Elmnt_Oprnd_NetworkID").AsLong();
      element.Operands.push_back(operand);
    }
    elements.push_back(std::move(element));
  }
  return elements;
}

void LadderProjectReader::ReadOperandList(LadderProject& project) {
  auto rows = mDb.Query("SELECT OprndType, OprndAddress, NetworkID, OprndDescription, OprndPowerUp, "
                        "OprndEnablePowerUp FROM LdrOperands");
  for (; !rows.IsEOF(); rows.MoveNext()) {
    OperandListEntry entry;
    entry.Description = rows.Field("OprndDescription").AsText();
    entry.PowerUp = rows.Field("OprndPowerUp").AsDouble();
    entry.EnablePowerUp = rows.Field("OprndEnablePowerUp").AsBool();
    project.Operands[{rows.Field("OprndType").AsLong(), rows.Field("OprndAddress").AsLong(),
                      rows.Field("NetworkID").AsLong()}] = entry;
  }
}

void LadderProjectReader::ReadReferenceNames(LadderProject& project) {
  auto labels = mDb.Query("SELECT StripID, LblName FROM LdrStrips WHERE StrpType=3");
  for (; !labels.IsEOF(); labels.MoveNext())
    project.LabelNames[labels.Field("StripID").AsLong()] = labels.Field("LblName").AsText();
  auto functions = mDb.Query("SELECT f.FuncID, f.FuncName, m.MdlName FROM LdrFunctions f "
                             "JOIN LdrModules m ON m.MdlID=f.MdlID");
  for (; !functions.IsEOF(); functions.MoveNext())
    project.SubroutineNames[functions.Field("FuncID").AsLong()] =
        functions.Field("MdlName").AsText() + "." + functions.Field("FuncName").AsText();
  auto pages = mDb.Query("SELECT Id, Description FROM Pages");
  for (; !pages.IsEOF(); pages.MoveNext())
    project.PageNames[pages.Field("Id").AsLong()] = pages.Field("Description").AsText();
  auto blocks = mDb.Query("SELECT m.MethodID, m.MethodTitle, f.FatherTitle FROM FB_Methods m "
                          "LEFT JOIN FB_Fathers f ON f.FatherID=(m.MethodID/100)*100");
  for (; !blocks.IsEOF(); blocks.MoveNext())
    project.BlockTitles[blocks.Field("MethodID").AsLong()] =
        Trimmed(blocks.Field("FatherTitle").AsText() + " " + blocks.Field("MethodTitle").AsText());
}

} // namespace ldr::plcopen
