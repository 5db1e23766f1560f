#include "exchange/clsClipboard.h"

#include "core/EditCommit.h"
#include "core/ProjectData.h"
#include "core/clsLdrState.h"
#include "editing/srvCollision.h"
#include "editing/srvElementCreator.h"
#include "elements/ElementTitles.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "outside/utilities/GlobalValues.h"
#include "outside/utilities/SettingsStore.h"
#include "outside/utilities/TextLimits.h"
#include "platform/database/DbError.h"
#include "platform/database/Transaction.h"

#include <chrono>
#include <filesystem>
#include <set>

namespace ldr {

namespace {

constexpr const char* kClip = clsBufferServices::kClipboardPrefix;
constexpr const char* kBak = clsBufferServices::kClipboardBackupPrefix;
constexpr long kMinNets = 16;
constexpr long kReturnElement = 602;
constexpr long kLabelStrip = 3;
constexpr int kAnswerYes = 6;
constexpr int kPointerBusy = 11, kPointerDefault = 0;
constexpr long kCopyStampKey = 210; // project setting: the stamp of the clipboard held
constexpr const char* kOriginTable = "LdrBufferOrigin";
constexpr int kGuiNotice = 8;
constexpr long kLadderPasswordKey = 64; // project setting: the ladder password's salted hash

std::string Num(long long value) { return std::to_string(value); }

std::string IdList(const std::vector<long>& ids) {
  std::string list;
  for (long id : ids) list += (list.empty() ? "" : ",") + Num(id);
  return list;
}

std::string T(const char* prefix, const char* table) { return std::string(prefix) + table; }

const char* StripKindName(long stripType) {
  switch (stripType) {
  case 1:
    return "Ladder Net";
  case 2:
    return "Comment";
  case 3:
    return "Label";
  case 4:
    return "STL Net";
  default:
    return "Strip";
  }
}

long long NowStamp() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

} // namespace

clsClipboard::clsClipboard(LdrContext& ctx, std::string bufferFile)
    : mCtx(ctx), mBuffers(ctx.Db()), mBufferFile(std::move(bufferFile)) {}

std::string clsClipboard::BufferFileBeside(const std::string& hostSettingsPath) {
  const auto folder = std::filesystem::path(hostSettingsPath).parent_path();
  return (folder.empty() ? std::filesystem::path(kBufferFileName) : folder / kBufferFileName).string();
}

int clsClipboard::Ask(int message, const std::vector<std::string>& args) {
  return mCtx.Host->Messages->ShowMessage(message, args);
}

// --- what is selected -------------------------------------------------------------

std::vector<long> clsClipboard::SelectedElementIDs() {
  std::vector<long> ids;
  if (!mStrips) return ids;
  for (const auto& [key, strip] : *mStrips) {
    auto* net = dynamic_cast<itfLdrNet*>(strip.get());
    if (!net) continue;
    // The net hands out a new collection: keep it alive for the loop.
    const auto selected = net->GetSelectedElements();
    for (const auto& [elementKey, element] : *selected) ids.push_back(element->ObjectID());
  }
  return ids;
}

int clsClipboard::ContentOfSelection(long funcID) {
  if (mCtx.Db()
          .QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND IsSelected<>0")
          .AsLong() > 0)
    return eCK_Strips;
  return SelectedElementIDs().empty() ? eCK_Nothing : eCK_Elements;
}

int clsClipboard::ContentOfBuffer() {
  if (mBuffers.DoesTableExist(T(kClip, "LdrStrips"))) return eCK_Strips;
  if (mBuffers.DoesTableExist(T(kClip, "LdrElements"))) return eCK_Elements;
  return eCK_Nothing;
}

// The return strip, and a net holding the return element, stay where they are.
bool clsClipboard::SelectionHasFixedParts(long funcID, int kind) {
  auto& db = mCtx.Db();
  if (kind == eCK_Elements)
    return db.QueryValue("SELECT COUNT(*) FROM LdrElements WHERE ElmntType=" + Num(kReturnElement) +
                         " AND ElmntID IN (" + IdList(SelectedElementIDs()) + ")")
               .AsLong() > 0;
  return db.QueryValue("SELECT COUNT(*) FROM LdrStrips s WHERE s.FuncID=" + Num(funcID) +
                       " AND s.IsSelected<>0 AND (s.IsReturnStrip<>0 OR EXISTS (SELECT 1 FROM LdrElements e WHERE "
                       "e.StripID=s.StripID AND e.ElmntType=" +
                       Num(kReturnElement) + "))")
             .AsLong() > 0;
}

db::Recordset clsClipboard::GetRecordsetOfSelectedStrips(long funcID) {
  return mCtx.Db().Query("SELECT * FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND IsSelected=-1 ORDER BY SeqNum");
}

// --- copy ---------------------------------------------------------------------------

bool clsClipboard::Copy(long funcID) {
  const int kind = ContentOfSelection(funcID);
  if (kind == eCK_Nothing) return false;
  if (SelectionHasFixedParts(funcID, kind)) {
    Ask(eMsg_NotCopyable);
    return false;
  }
  auto& gui = *mCtx.Host->Gui;
  gui.SetMousePointer(kPointerBusy);
  ClearBufferData();
  BuildBuffer(funcID, kind);
  mBuffers.SaveCallsNames(kClip);
  if (const int refusal = RefusalOfBuffer()) {
    ClearBufferData();
    gui.SetMousePointer(kPointerDefault);
    Ask(refusal);
    return false;
  }
  ShareBufferFile();
  mBuffers.DeleteBufferTablesByPrefix(kBak);
  mBuffers.MakeCopyOfTablesByPrefix(kClip, kBak);
  gui.SetMousePointer(kPointerDefault);
  RefreshMdiButtonsStatus();
  return true;
}

void clsClipboard::BuildBuffer(long funcID, int kind) {
  auto& db = mCtx.Db();
  db.Execute("CREATE TABLE clpbrd_GeneralProps (SrcHeight INTEGER, SrcFuncID INTEGER)");
  long height = 0;
  if (kind == eCK_Strips) {
    db.Execute("CREATE TABLE clpbrd_LdrStrips AS SELECT * FROM LdrStrips WHERE FuncID=" + Num(funcID) +
               " AND IsSelected=-1 ORDER BY SeqNum");
    mBuffers.CreateBufferTable("LdrElements", "LdrStrips", "StripID", kClip);
    height = db.QueryValue("SELECT TOTAL(Height) FROM clpbrd_LdrStrips").AsLong();
  } else {
    db.Execute("CREATE TABLE clpbrd_LdrElements AS SELECT * FROM LdrElements WHERE ElmntID IN (" +
               IdList(SelectedElementIDs()) + ") ORDER BY ElmntID");
    height = db.QueryValue("SELECT MAX(Ys+MAX(Dy,0))-MIN(Ys)+1 FROM clpbrd_LdrElements").AsLong();
  }
  db.Execute("INSERT INTO clpbrd_GeneralProps VALUES (?,?)", {height, funcID});
  mBuffers.CreateElementsDependentBufferTables(kClip);
}

int clsClipboard::RefusalOfBuffer() {
  if (mBuffers.DoesBufferContainesNamedConsts(kClip)) return eMsg_NamedConstants;
  if (mBuffers.DoesBufferContainesMissingCallElements(kClip)) return eMsg_MissingReference;
  if (mBuffers.DoesBufferContainesMissingFBs(kClip)) return eMsg_MissingBlock;
  return 0;
}

// The copy in the buffer file is the content for another project: no
// reference may point at this project's subroutines, pages or labels left
// behind. It is reworked in the file itself.
void clsClipboard::PrepareForOtherProjects(db::Connection& file) {
  clsBufferServices buffers(file);
  buffers.HandleOrphandFBsChildsInBuffer(kBak);
  buffers.HandleOrphandCallsInBuffer(clsBufferServices::kSubroutineOperand, kBak);
  buffers.HandleOrphandCallsInBuffer(clsBufferServices::kPageOperand, kBak);
  if (buffers.DoesTableExist(T(kBak, "LdrStrips")))
    buffers.HandleOrphandJumpsInBuffer(kBak);
  else
    buffers.HandleOrphandCallsInBuffer(clsBufferServices::kLabelOperand, kBak);
  file.Execute("UPDATE clpbak_GeneralProps SET SrcFuncID=-1");
}

// A file that cannot be written costs the other projects this copy, not the
// copy itself: the user is told and the local clipboard stays. The file is
// written in one transaction without waiting for the disk: a clipboard lost
// with the machine is no loss, and a torn file is refused when read.
void clsClipboard::ShareBufferFile() {
  const long long stamp = NowStamp();
  SetCopyStampOfProject(stamp);
  if (mBufferFile.empty()) return;
  try {
    auto file = clsBufferServices::CreateEmptyDB(mBufferFile, false);
    db::Transaction transaction(*file);
    // Columns that belong to this project only stay behind.
    mBuffers.CopyBufferTablesTo(*file, kClip, kBak, {"ConfigInstanceData", "InstanceID", "RiseFallElementInfo"});
    PrepareForOtherProjects(*file);
    file->Execute(std::string("CREATE TABLE ") + kOriginTable + " (Project TEXT, Stamp INTEGER)");
    file->Execute(std::string("INSERT INTO ") + kOriginTable + " VALUES (?,?)",
                  {mCtx.Db().Path(), static_cast<long long>(stamp)});
    transaction.Commit();
  } catch (const std::exception& e) {
    mCtx.Host->Gui->ShowText(kGuiNotice,
                             std::string("The clipboard could not be shared with other projects: ") + e.what());
  }
}

long long clsClipboard::CopyStampOfProject() {
  const auto value =
      mCtx.Db().QueryValue("SELECT SettingValue FROM ProjectSettings WHERE SettingKey=" + Num(kCopyStampKey));
  long long stamp = 0;
  try {
    stamp = std::stoll(value.AsText("0"));
  } catch (const std::exception&) {
  }
  return stamp;
}

void clsClipboard::SetCopyStampOfProject(long long stamp) {
  mCtx.Db().Execute("INSERT OR REPLACE INTO ProjectSettings (SettingKey, SettingValue) VALUES (?,?)",
                    {kCopyStampKey, Num(stamp)});
}

// The shared file replaces this project's clipboard when another project
// copied after this one last copied or took the file. A file that is
// missing says nothing; one that cannot be read is reported and left alone.
bool clsClipboard::TakeSharedBuffer() {
  if (mBufferFile.empty() || !std::filesystem::exists(mBufferFile)) return false;
  long long stamp = 0;
  try {
    auto file = clsBufferServices::OpenBufferDB(mBufferFile, true);
    auto origin = file->Query(std::string("SELECT Project, Stamp FROM ") + kOriginTable);
    if (origin.IsEOF() || origin.Field("Project").AsText() == mCtx.Db().Path()) return false;
    stamp = origin.Field("Stamp").AsInt64();
    if (stamp <= CopyStampOfProject()) return false;
    db::Transaction transaction(mCtx.Db());
    ClearBufferData();
    mBuffers.CopyExternalBufferTablesToLocalDatabaseByPrefix(mBufferFile, kBak);
    mBuffers.MakeCopyOfTablesByPrefix(kBak, kClip);
    SetCopyStampOfProject(stamp);
    transaction.Commit();
    return true;
  } catch (const std::exception& e) {
    mCtx.Host->Messages->ShowMessageBox("The clipboard of the other project cannot be pasted: " +
                                        std::string(e.what()));
    return false;
  }
}

void clsClipboard::ClearBufferData() {
  mBuffers.DeleteBufferTablesByPrefix(kClip);
  mBuffers.DeleteBufferTablesByPrefix(kBak);
}

// --- cut and delete ---------------------------------------------------------------

bool clsClipboard::Cut(long funcID) {
  if (!Copy(funcID)) return false;
  return RemoveSelection(funcID, DeleteMode::Cut);
}

bool clsClipboard::Delete(long funcID) { return RemoveSelection(funcID, DeleteMode::Ask); }

bool clsClipboard::DeleteFunction(long funcID) { return RemoveSelection(funcID, DeleteMode::Silent); }

bool clsClipboard::RemoveSelection(long funcID, DeleteMode mode) {
  auto& db = mCtx.Db();
  const int kind = ContentOfSelection(funcID);
  if (kind == eCK_Nothing) return false;
  if (mode != DeleteMode::Silent && SelectionHasFixedParts(funcID, kind)) {
    Ask(eMsg_NotCopyable);
    return false;
  }
  if (mode == DeleteMode::Ask && kind == eCK_Strips) {
    const long count =
        db.QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND IsSelected<>0").AsLong();
    if (Ask(count == 1 ? eMsg_DeleteStrip : eMsg_DeleteStrips) != kAnswerYes) return false;
  }
  const std::string action = DeleteActionName(funcID, kind, mode == DeleteMode::Cut ? "Cut" : "Delete");
  if (kind == eCK_Strips) {
    db.Execute("DELETE FROM LdrStrips WHERE FuncID=" + Num(funcID) + " AND IsSelected<>0");
  } else {
    for (const auto& [key, strip] : *mStrips)
      if (auto* net = dynamic_cast<itfLdrNet*>(strip.get())) net->DeleteSelectedElements();
  }
  if (mode != DeleteMode::Silent) RefillNets(funcID);
  EditsOf(mCtx).Commit(action, true);
  RefreshMdiButtonsStatus();
  return true;
}

std::string clsClipboard::DeleteActionName(long funcID, int kind, const std::string& verb) {
  auto& db = mCtx.Db();
  if (kind == eCK_Elements) {
    const auto ids = SelectedElementIDs();
    if (ids.size() != 1) return verb + " Ladder Elements";
    const long type = db.QueryValue("SELECT ElmntType FROM LdrElements WHERE ElmntID=" + Num(ids.front())).AsLong();
    return verb + " Ladder Element - " + GetElementTitle(&db, type);
  }
  auto kinds = db.Query("SELECT StrpType, COUNT(*) FROM LdrStrips WHERE FuncID=" + Num(funcID) +
                        " AND IsSelected<>0 GROUP BY StrpType");
  if (kinds.RecordCount() != 1) return verb + " Strips";
  const std::string name = verb + " " + StripKindName(kinds.Field(0).AsLong());
  return kinds.Field(1).AsLong() == 1 ? name : name + "s";
}

void clsClipboard::RefillNets(long funcID) {
  const long nets =
      mCtx.Db()
          .QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE IsReturnStrip=0 AND StrpType=1 AND FuncID=" + Num(funcID))
          .AsLong();
  if (nets < kMinNets) AppendNets(mCtx.Db(), funcID, kMinNets - nets);
}

// --- paste ---------------------------------------------------------------------------

bool clsClipboard::Paste(long funcID, const std::shared_ptr<itfStrip>& strip) {
  if (!FunctionExists(mCtx.Db(), funcID)) {
    mCtx.Host->Messages->ShowMessageBox("The subroutine " + Num(funcID) +
                                        " is not in the project: nothing was pasted.");
    return false;
  }
  if (IsLockedByPassword(funcID)) {
    mCtx.Host->Messages->ShowMessageBox("The subroutine '" + GetFunctionName(mCtx.Db(), funcID) +
                                        "' is protected by the ladder password: nothing was pasted.");
    return false;
  }
  TakeSharedBuffer();
  const int kind = ContentOfBuffer();
  if (kind == eCK_Nothing || !strip) return false;
  if (!PasteChecksPass()) return false;
  auto& db = mCtx.Db();
  const long source = db.QueryValue("SELECT SrcFuncID FROM clpbrd_GeneralProps").AsLong(-1);
  // Everything from here lands whole or not at all; the buffer tables are
  // restored from the backup at the end, so they too are left as they were.
  db::Transaction transaction(db);
  if (funcID != source) {
    mBuffers.HandleInvalidSubroutineCalls(*mCtx.Host->Gui, kClip);
    mBuffers.HandleInvalidDisplayCalls(*mCtx.Host->Gui, kClip);
    // Jumps lead only to labels of their own subroutine: pasted elsewhere,
    // those whose label does not come along lead nowhere.
    if (kind == eCK_Strips)
      mBuffers.HandleOrphandJumpsInBuffer(kClip);
    else
      mBuffers.HandleOrphandCallsInBuffer(clsBufferServices::kLabelOperand, kClip);
  }
  mBuffers.PrepareJumpToReferencedElements(kClip);
  if (kind == eCK_Elements) {
    if (!PasteElements(strip)) {
      transaction.Rollback();
      if (auto* net = dynamic_cast<itfLdrNet*>(strip.get())) net->ReloadAllElements();
      Ask(eMsg_NoRoom);
      return false;
    }
  } else {
    PasteStrips(funcID, strip);
  }
  RestoreBufferAfterPaste();
  transaction.Commit();
  EditsOf(mCtx).Commit(mCtx.ActionName, true);
  RefreshMdiButtonsStatus();
  return true;
}

// A protected subroutine of a ladder with a password takes nothing from a
// user who has not typed the password.
bool clsClipboard::IsLockedByPassword(long funcID) {
  const auto& host = *mCtx.Host;
  const std::string key = host.Settings ? host.Settings->ProjectSetting(kLadderPasswordKey, "") : std::string();
  if (key.empty() || (host.Globals && host.Globals->AuthorizedLadderKey() == key)) return false;
  return mCtx.Db().QueryValue("SELECT Protected FROM LdrFunctions WHERE FuncID=?", {funcID}).AsBool();
}

bool clsClipboard::PasteChecksPass() {
  auto& db = mCtx.Db();
  if (mCtx.Host->Operands) {
    const std::string outOfRange = mCtx.Host->Operands->Types().OutOfRangeCondition("OprndType", "OprndAddress");
    if (!outOfRange.empty() && mBuffers.DoesTableExist(T(kBak, "LdrOperands")) &&
        !db.QueryValue("SELECT 1 FROM clpbak_LdrOperands WHERE " + outOfRange + " LIMIT 1").IsNull()) {
      Ask(eMsg_OutOfRange);
      return false;
    }
  }
  if (!mCtx.Host->DownloadUnits->IsOn()) {
    if (mBuffers.DoesBufferContainesDifferentFBsHexVers(kClip)) {
      Ask(eMsg_BlockVersion);
      return false;
    }
    if (mBuffers.DoesTableExist(T(kBak, "LdrElmsOprs")) &&
        !db.QueryValue("SELECT 1 FROM clpbak_LdrElmsOprs WHERE Elmnt_Oprnd_Type BETWEEN 64 AND 67 LIMIT 1").IsNull()) {
      Ask(eMsg_ExtendedOperands);
      return false;
    }
  }
  return true;
}

// The strips go in after the clicked one (in front of it when it is the
// return strip, which stays last), in their copied order.
void clsClipboard::PasteStrips(long funcID, const std::shared_ptr<itfStrip>& strip) {
  auto& db = mCtx.Db();
  mCtx.ActionName = "Paste Strips";
  const auto clicked = db.Query("SELECT SeqNum, IsReturnStrip FROM LdrStrips WHERE StripID=" + Num(strip->StripID()));
  const long position = clicked.IsEOF()
                            ? GetMaxSeqNum(db, funcID)
                            : clicked.Field("SeqNum").AsLong() + (clicked.Field("IsReturnStrip").AsBool() ? 0 : 1);
  // The strips from the position on move down by the pasted ones, in one
  // pass; the pasted ones take the numbers in between.
  const auto counts = db.Query("SELECT COUNT(*), TOTAL(StrpType=1) FROM clpbrd_LdrStrips");
  const long count = counts.Field(0).AsLong(), nets = counts.Field(1).AsLong();
  const long netsBefore =
      db.QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE FuncID=? AND StrpType=1 AND SeqNum<?", {funcID, position})
          .AsLong();
  db.Execute("UPDATE LdrStrips SET SeqNum=SeqNum+" + Num(count) + ", ShowNum=ShowNum+(StrpType=1)*" + Num(nets) +
             " WHERE FuncID=" + Num(funcID) + " AND SeqNum>=" + Num(position));
  db.Execute("UPDATE clpbrd_LdrStrips SET FuncID=" + Num(funcID) + ", IsLoaded=0, IsSelected=-1, SeqNum=" +
             Num(position - 1) + "+o.n, ShowNum=CASE WHEN StrpType=1 THEN " + Num(netsBefore) +
             "+o.k ELSE ShowNum END FROM (SELECT rowid AS r, ROW_NUMBER() OVER w AS n, SUM(StrpType=1) OVER (w ROWS "
             "UNBOUNDED PRECEDING) AS k FROM clpbrd_LdrStrips WINDOW w AS (ORDER BY SeqNum, rowid)) o WHERE "
             "clpbrd_LdrStrips.rowid=o.r");
  RenamePastedLabels(funcID);
  mBuffers.SetStripsBufferCompileDirtyBitForBuildAll(kClip);
  long first = 0, last = 0;
  AppendBufferRows(first, last);
}

// A pasted label whose name the subroutine has already is renamed to the
// first free Name(n), and the jumps pasted with it follow.
void clsClipboard::RenamePastedLabels(long funcID) {
  auto& db = mCtx.Db();
  auto labels =
      db.Query("SELECT StripID, LblName FROM clpbrd_LdrStrips WHERE StrpType=" + Num(kLabelStrip) + " ORDER BY SeqNum");
  auto taken = [&](const std::string& name) {
    return db
        .QueryValue("SELECT (SELECT COUNT(*) FROM LdrStrips WHERE FuncID=? AND StrpType=3 AND LblName=? COLLATE "
                    "NOCASE) + (SELECT COUNT(*) FROM clpbrd_LdrStrips WHERE StrpType=3 AND LblName=? COLLATE NOCASE)",
                    {funcID, name, name})
        .AsLong();
  };
  for (const auto& row : labels.Rows()) {
    const long stripID = row[0].AsLong();
    const std::string old = row[1].AsText();
    if (taken(old) <= 1) continue;
    std::string fresh;
    for (long n = 1;; ++n) {
      const std::string suffix = "(" + Num(n) + ")";
      fresh = CutToCharacters(old, kMaxLabelNameCharacters - CountCharacters(suffix)) + suffix;
      if (taken(fresh) == 0) break;
    }
    db.Execute("UPDATE clpbrd_LdrStrips SET LblName=? WHERE StripID=?", {fresh, stripID});
    db.Execute("UPDATE clpbrd_LdrOperands SET OprndDescription=? WHERE OprndType=29 AND OprndAddress=? AND "
               "OprndDescription=?",
               {fresh, stripID, old});
  }
}

// Elements land in the clicked net at the clicked row; they must fit there
// beside the net's own elements.
bool clsClipboard::PasteElements(const std::shared_ptr<itfStrip>& strip) {
  auto& db = mCtx.Db();
  auto* net = dynamic_cast<itfLdrNet*>(strip.get());
  if (!net || net->IsCollapsed()) return false;
  const long count = db.QueryValue("SELECT COUNT(*) FROM clpbrd_LdrElements").AsLong();
  if (count == 1) {
    const long type = db.QueryValue("SELECT ElmntType FROM clpbrd_LdrElements").AsLong();
    mCtx.ActionName = "Paste Ladder Element - " + GetElementTitle(&db, type);
  } else {
    mCtx.ActionName = "Paste Ladder Elements";
  }
  const long row = strip->GetHitParameters().Y - strip->Top();
  const long top = db.QueryValue("SELECT MIN(Ys) FROM clpbrd_LdrElements").AsLong();
  db.Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID=" + Num(strip->StripID()));
  db.Execute("UPDATE clpbrd_LdrElements SET StripID=" + Num(strip->StripID()) + ", Ys=Ys+" + Num(row - top));
  long first = 0, last = 0;
  AppendBufferRows(first, last);
  net->SelectPastedElements();
  srvCollision collision;
  auto pasted = net->GetSelectedElements();
  auto others = net->GetUnSelectedElements();
  const bool fits = collision.AreElementsWhollyInRect(*pasted, CurrentNetRect(*strip)) &&
                    !collision.DoesElementsOverlap(*others, *pasted);
  return fits;
}

void clsClipboard::AppendBufferRows(long& firstElement, long& lastElement) {
  if (mBuffers.DoesTableExist(T(kClip, "LdrStrips"))) {
    // Label operands name their strip by key: they follow it like the
    // elements do.
    const std::string label = "=" + Num(clsBufferServices::kLabelOperand);
    mBuffers.AppendBufferTable("LdrStrips", "StripID", kClip,
                               {{"LdrElements", "StripID", ""},
                                {"LdrElmsOprs", "Elmnt_Oprnd_Adrs", "Elmnt_Oprnd_Type" + label},
                                {"LdrOperands", "OprndAddress", "OprndType" + label}});
  }
  const bool downloadUnits = mCtx.Host->DownloadUnits->IsOn();
  mBuffers.HandleFBsDuplicateConfigInstancesForExternal("FB_Instance_Details", "LdrElements", kClip, downloadUnits);
  mBuffers.HandleFBsInstanceDescriptions("FB_Instance_Details", "LdrElements", kClip);
  mBuffers.HandleFathersMissingFromProject(kClip);
  const bool newMethods = mBuffers.AppendFBsBufferTables("FB_Methods", "MethodID", kClip);
  if (mBuffers.AppendFBsBufferTables("FB_Fathers", "FatherID", kClip) || newMethods)
    mCtx.Host->Gui->RefreshBlockLibrary();
  mBuffers.AppendInstancesBufferTables(kClip);
  if (downloadUnits) mBuffers.GiveInstanceIDsToNewlyAddedFB();
  firstElement = mBuffers.GetMaxIDFromTable("LdrElements", "ElmntID") + 1;
  mBuffers.AppendBufferTable("LdrElements", "LdrElmsOprs", "ElmntID", kClip);
  lastElement = mBuffers.GetMaxIDFromTable("LdrElements", "ElmntID");
  if (mCtx.Db().QueryValue("SELECT SrcFuncID FROM clpbrd_GeneralProps").AsLong(0) == -1)
    mBuffers.HandleFBsOrphandChildsInTargetForExternalPaste(kClip, firstElement, lastElement);
  const long offset = mBuffers.HandleConstOperandsInBufferTables(kClip, 0);
  mBuffers.UpdateConstsAddressesInBinaryParams(offset, firstElement, lastElement);
  mBuffers.AppendLdrOperandsBufferTable(kClip);
  mBuffers.AppendElementsOperandsBufferTable(kClip);
  // References without a target here (pasted from another project, or
  // whose target went) find the target of the same name.
  mBuffers.RestoreCalls(firstElement, lastElement);
}

void clsClipboard::RestoreBufferAfterPaste() {
  mBuffers.DeleteBufferTablesByPrefix(kClip);
  mBuffers.MakeCopyOfTablesByPrefix(kBak, kClip);
}

// --- host commands ---------------------------------------------------------------------

void clsClipboard::RefreshMdiButtonsStatus() {
  auto& gui = *mCtx.Host->Gui;
  const bool strips = mCtx.Db().QueryValue("SELECT COUNT(*) FROM LdrStrips WHERE IsSelected<>0").AsLong() > 0;
  const bool selection = strips || !SelectedElementIDs().empty();
  const bool online = mCtx.State && mCtx.State->OnLineActive();
  for (const char* command : {"ID_Cut", "ID_Copy", "ID_Delete"}) gui.SetCommandEnabled(command, selection && !online);
  const bool buffer =
      ContentOfBuffer() != eCK_Nothing || (!mBufferFile.empty() && std::filesystem::exists(mBufferFile));
  gui.SetCommandEnabled("ID_Paste", buffer && !online);
  gui.SetCommandEnabled("ID_ViewStl", false);
}

} // namespace ldr
