#include "apps/ldr/script/CompileCaller.h"

#include "core/LdrContext.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfLdrElement.h"
#include "outside/HostServices.h"

#include "apps/ldr/script/ScriptLine.h"
#include "outside/headless/LogFormat.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace ldr::script {

namespace {

using Words = CompileCaller::Words;

// x'0A0B' (x'' empty).
ByteArray ToBytes(const std::string& word) {
  if (word.size() < 3 || (word[0] != 'x' && word[0] != 'X') || word[1] != '\'' || word.back() != '\'' ||
      word.size() % 2 != 1)
    throw std::invalid_argument("not a byte array (x'0A0B'): " + word);
  ByteArray bytes;
  for (size_t i = 2; i + 1 < word.size(); i += 2) {
    size_t used = 0;
    const std::string pair = word.substr(i, 2);
    int value = 0;
    try {
      value = std::stoi(pair, &used, 16);
    } catch (...) {
      used = 0;
    }
    if (used != 2) throw std::invalid_argument("not a byte array (x'0A0B'): " + word);
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

std::string FromBytes(const ByteArray& bytes) { return db::DbValue(db::Blob(bytes)).ToDisplay(); }

enDB_Blocks ToBlockKey(const std::string& word) {
  const long key = ToLong(word);
  if (key != eDB_DesignBlock && key != eDB_CellsBlock)
    throw std::invalid_argument("no download block " + word + " (1 design, 2 cells)");
  return static_cast<enDB_Blocks>(key);
}

} // namespace

CompileCaller::CompileCaller(std::shared_ptr<HostServices> host, Printer print)
    : mHost(std::move(host)), mPrint(std::move(print)), mCompile(std::make_unique<clsLdrCompile>(mHost)),
      mDbServices(std::make_unique<srvDBServices>(mCompile->GetDatabaseConnection())) {}

void CompileCaller::PrintRecordset(CompileRecordset* rows) {
  if (!rows) return;
  for (; !rows->IsEOF(); rows->MoveNext()) {
    std::string line;
    for (size_t i = 0; i < rows->Columns().size(); ++i)
      line += (i ? "|" : "") + rows->Field(static_cast<int>(i)).ToDisplay();
    mPrint(line);
  }
}

// One row per element: its ID, type, inlet and outlet.
void CompileCaller::PrintElements(ElementCollection& elements) {
  for (const auto& [key, element] : elements) {
    const auto in = element->Inlet(), out = element->Outlet();
    mPrint(std::to_string(element->ObjectID()) + "|" + std::to_string(element->ClassType()) + "|" +
           std::to_string(in.X) + "|" + std::to_string(in.Y) + "|" + std::to_string(out.X) + "|" +
           std::to_string(out.Y));
  }
}

// Lines as "X:Y:DX:DY" separated by commas ("-" for none).
ElementCollection CompileCaller::LinesFromWord(const std::string& word) {
  ElementCollection lines;
  if (word == "-") return lines;
  std::istringstream items(word);
  std::string item;
  long key = 1;
  LdrContext& ctx = mCompile->Context();
  while (std::getline(items, item, ',')) {
    std::istringstream parts(item);
    std::string part;
    std::vector<long> numbers;
    while (std::getline(parts, part, ':')) numbers.push_back(ToLong(part));
    if (numbers.size() != 4) throw std::invalid_argument("a line is X:Y:DX:DY, not " + item);
    auto line = CreateNewElement(ctx, numbers[3] != 0 ? 101 : 100);
    if (!line) throw std::logic_error("line elements are not available");
    line->SetInlet({static_cast<std::int32_t>(numbers[0]), static_cast<std::int32_t>(numbers[1])});
    line->SetOutlet(
        {static_cast<std::int32_t>(numbers[0] + numbers[2]), static_cast<std::int32_t>(numbers[1] + numbers[3])});
    lines.Add(key++, line);
  }
  return lines;
}

void CompileCaller::Compile(const Words& w) {
  const std::string& method = w.at(1);
  const Words args(w.begin() + 2, w.end());
  auto n = [&](size_t i) { return ToLong(args.at(i)); };
  auto bytes = [&](size_t i) { return ToBytes(args.at(i)); };
  auto vb = [&](long v) { mPrint(std::to_string(v)); };
  auto boolean = [&](bool v) { mPrint(v ? "-1" : "0"); };
  auto text = [&](const std::string& v) { mPrint(LogFormat::Word(v)); };
  auto rows = [&](RecordsetPtr rs) { PrintRecordset(rs.get()); };
  clsLdrCompile& c = *mCompile;

  using Call = std::function<void()>;
  const std::map<std::string, std::pair<size_t, Call>> calls = {
      {"IsNewCompiledData", {1, [&] { boolean(c.IsNewCompiledData(n(0))); }}},
      {"GetFunctionGuid", {1, [&] { vb(c.GetFunctionGuid(n(0))); }}},
      {"GetFunctionsIDs",
       {0,
        [&] {
          std::vector<long> ids;
          const long count = c.GetFunctionsIDs(ids);
          std::string joined;
          for (size_t i = 0; i < ids.size(); ++i) joined += (i ? "," : "") + std::to_string(ids[i]);
          mPrint((joined.empty() ? "-" : joined) + "|" + std::to_string(count));
        }}},
      {"GetFunctionDataGuid", {1, [&] { vb(c.GetFunctionDataGuid(n(0))); }}},
      {"SetFunctionDataGuid", {2, [&] { c.SetFunctionDataGuid(n(0), n(1)); }}},
      {"SetFunctionDirtyBit", {1, [&] { c.SetFunctionDirtyBit(n(0)); }}},
      {"SetFunctionDirtyBitForAll", {1, [&] { c.SetFunctionDirtyBitForAll(n(0) != 0); }}},
      {"GetRecordsetForBuildingJumpDest", {0, [&] { rows(c.GetRecordsetForBuildingJumpDest()); }}},
      {"GetRecordsetForBuildingJumpToPageDest", {0, [&] { rows(c.GetRecordsetForBuildingJumpToPageDest()); }}},
      {"GetRecordsetOfPowerupOperands", {0, [&] { rows(c.GetRecordsetOfPowerupOperands()); }}},
      {"GetRecordsetOfNetsWithConfigFBs", {0, [&] { rows(c.GetRecordsetOfNetsWithConfigFBs()); }}},
      {"GetRecordsetOfAllNetsWithJumps", {0, [&] { rows(c.GetRecordsetOfAllNetsWithJumps()); }}},
      {"GetRecordsetOfSelectedNetsForCompile", {0, [&] { rows(c.GetRecordsetOfSelectedNetsForCompile()); }}},
      {"GetNetsHeadsRecordsetForCall", {0, [&] { rows(c.GetNetsHeadsRecordsetForCall()); }}},
      {"GetRecordsetForCompile", {0, [&] { rows(c.GetRecordsetForCompile()); }}},
      {"GetRecordsetForDownload", {1, [&] { rows(c.GetRecordsetForDownload(n(0) != 0)); }}},
      {"GetElementsCollection", {1, [&] { PrintElements(*c.GetElementsCollection(n(0))); }}},
      {"UpdateLinesInNet", {2, [&] { c.UpdateLinesInNet(n(0), LinesFromWord(args.at(1))); }}},
      {"SetStlViewInfo", {2, [&] { c.SetStlViewInfo(n(0), bytes(1)); }}},
      {"SetTokensInfo", {2, [&] { c.SetTokensInfo(n(0), bytes(1)); }}},
      {"SetCompilerInfo",
       {11,
        [&] {
          c.SetCompilerInfo(n(0), bytes(1), bytes(2), bytes(3), bytes(4), bytes(5), n(6), n(7),
                            static_cast<enCompilerInfoType>(n(8)), bytes(9), bytes(10));
        }}},
      {"GetNetworkIDsBytesArray", {0, [&] { mPrint(FromBytes(c.GetNetworkIDsBytesArray())); }}},
      {"SetNeedToCompileForNetworkNets", {0, [&] { c.SetNeedToCompileForNetworkNets(); }}},
      {"SetNeedToCompileForNetsWithNamedConsts", {0, [&] { c.SetNeedToCompileForNetsWithNamedConsts(); }}},
      {"GetFamilyType", {1, [&] { vb(c.GetFamilyType(n(0))); }}},
      {"GetModuleName", {1, [&] { text(c.GetModuleName(n(0))); }}},
      {"GetFunctionName", {1, [&] { text(c.GetFunctionName(n(0))); }}},
      {"GetModuleID", {1, [&] { vb(c.GetModuleID(n(0))); }}},
      {"GetRecordsetOfAllNetsWithRiseFallElements", {0, [&] { rows(c.GetRecordsetOfAllNetsWithRiseFallElements()); }}},
      {"GetFunctionsRecordsetForCheckingConflicts", {0, [&] { rows(c.GetFunctionsRecordsetForCheckingConflicts()); }}},
      {"IsIllegalCallSubInSubroutine", {1, [&] { vb(c.IsIllegalCallSubInSubroutine(n(0))); }}},
      {"IsIllegalJumpInSubroutine", {1, [&] { vb(c.IsIllegalJumpInSubroutine(n(0))); }}},
      {"GetFirstIllegalNetWithNoJumpDestination",
       {3,
        [&] {
          long stripID = n(1), showNum = n(2);
          c.GetFirstIllegalNetWithNoJumpDestination(n(0), stripID, showNum);
          mPrint(std::to_string(stripID) + "|" + std::to_string(showNum));
        }}},
      {"GetFirstIllegalNetWithCallSubInSubroutine",
       {3,
        [&] {
          long stripID = n(1), showNum = n(2);
          c.GetFirstIllegalNetWithCallSubInSubroutine(n(0), stripID, showNum);
          mPrint(std::to_string(stripID) + "|" + std::to_string(showNum));
        }}},
      {"IsDuplicateLabelsInSubroutine", {1, [&] { vb(c.IsDuplicateLabelsInSubroutine(n(0))); }}},
      {"GetFirstDuplicateLabelInSubroutine",
       {3,
        [&] {
          long seqNum = n(1);
          std::string name = args.at(2);
          c.GetFirstDuplicateLabelInSubroutine(n(0), seqNum, name);
          mPrint(std::to_string(seqNum) + "|" + LogFormat::Word(name));
        }}},
      {"GetFirstNetAfterStrip",
       {4,
        [&] {
          long nextID = n(2), nextShowNum = n(3);
          c.GetFirstNetAfterStrip(n(0), n(1), nextID, nextShowNum);
          mPrint(std::to_string(nextID) + "|" + std::to_string(nextShowNum));
        }}},
      {"IsIllegalNumberOfSubroutinesInLadder", {0, [&] { vb(c.IsIllegalNumberOfSubroutinesInLadder()); }}},
      {"IsIllegalNumberOfStripsInSubroutine", {1, [&] { vb(c.IsIllegalNumberOfStripsInSubroutine(n(0))); }}},
      {"IsIllegalNumberOfPIDElementsInLadder", {0, [&] { vb(c.IsIllegalNumberOfPIDElementsInLadder()); }}},
      {"IsIllegalNumberOfRiseFallElementsInLadder", {0, [&] { vb(c.IsIllegalNumberOfRiseFallElementsInLadder()); }}},
      {"IsIllegalNumberOfJumpCallElementsInLadder", {0, [&] { vb(c.IsIllegalNumberOfJumpCallElementsInLadder()); }}},
      {"IsIllegalCallSubInLadder", {0, [&] { vb(c.IsIllegalCallSubInLadder()); }}},
      {"RenumberAllLdrNetsShowNumberField", {0, [&] { c.RenumberAllLdrNetsShowNumberField(); }}},
      {"SetNeedToCompileForNetsWithLineElements", {0, [&] { c.SetNeedToCompileForNetsWithLineElements(); }}},
      {"GetFunctionBlockTitle", {1, [&] { text(c.GetFunctionBlockTitle(n(0))); }}},
      {"GetDatabaseConnection", {0, [&] { text(c.GetDatabaseConnection()->Path()); }}},
      {"IsMissingComInit", {0, [&] { vb(c.IsMissingComInit()); }}},
      {"IsMissingETHComInit", {0, [&] { vb(c.IsMissingETHComInit()); }}},
      {"GetMissingComInitFBsRecordSet", {0, [&] { rows(c.GetMissingComInitFBsRecordSet()); }}},
      {"GetMissingETHComInitFBsRecordSet", {0, [&] { rows(c.GetMissingETHComInitFBsRecordSet()); }}},
      {"IsNetworkIDsVaild", {0, [&] { vb(c.IsNetworkIDsVaild()); }}},
      {"IsExistFbChildsWithNewerHexVer", {0, [&] { vb(c.IsExistFbChildsWithNewerHexVer()); }}},
      {"GetFbChildsWithNewerHexVerRecordSet", {0, [&] { rows(c.GetFbChildsWithNewerHexVerRecordSet()); }}},
      {"IsFBsRenumberingNeeded", {0, [&] { vb(c.IsFBsRenumberingNeeded()); }}},
      {"SetCompileDirtyBitForBuildAll", {0, [&] { c.SetCompileDirtyBitForBuildAll(); }}},
      {"IsIllegalLoadPageInLadder", {0, [&] { vb(c.IsIllegalLoadPageInLadder()); }}},
      {"DoesFunctionIDValid", {1, [&] { boolean(c.DoesFunctionIDValid(n(0))); }}},
      {"DoesPageIDValid", {1, [&] { boolean(c.DoesPageIDValid(n(0))); }}},
      {"GetRecordsetForMissingDBElements", {0, [&] { rows(c.GetRecordsetForMissingDBElements()); }}},
      {"GetRecordsetForDBElements", {1, [&] { rows(c.GetRecordsetForDBElements(n(0))); }}},
      {"GetNumberOfNetsInProject", {0, [&] { vb(c.GetNumberOfNetsInProject()); }}},
  };
  auto found = calls.find(method);
  if (found == calls.end()) throw std::invalid_argument("compile: no operation named " + method);
  if (args.size() != found->second.first)
    throw std::invalid_argument("compile " + method + " takes " + std::to_string(found->second.first) + " arguments");
  found->second.second();
}

void CompileCaller::DbServices(const Words& w) {
  const std::string& method = w.at(2);
  const Words args(w.begin() + 3, w.end());
  auto need = [&](size_t count) {
    if (args.size() != count)
      throw std::invalid_argument("service srvDBServices " + method + " takes " + std::to_string(count) + " arguments");
  };
  if (method == "LoadDbBlock") {
    need(1);
    mPrint(FromBytes(mDbServices->LoadDbBlock(ToBlockKey(args[0]))));
  } else if (method == "SaveDbBlock") {
    need(2);
    mDbServices->SaveDbBlock(ToBytes(args[0]), ToBlockKey(args[1]));
  } else if (method == "GetDbHeaderForDownload") {
    need(0);
    mPrint(FromBytes(mDbServices->GetDbHeaderForDownload()));
  } else {
    throw std::invalid_argument("service srvDBServices: no operation named " + method);
  }
}

} // namespace ldr::script
