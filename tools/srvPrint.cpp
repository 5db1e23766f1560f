#include "tools/srvPrint.h"

#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/enStripType.h"
#include "interfaces/itfStrip.h"
#include "strips/StripFactory.h"
#include "tools/srvLadderPassword.h"

namespace ldr {

namespace {

constexpr int kGrid = 14;
constexpr long kHeaderRows = 3;
// The strips stand right of a column for the net numbers, as on the boards.
constexpr int kNumberColumn = 28;
constexpr long kStartSubroutineType = 1;

std::string Num(long value) { return std::to_string(value); }

gdi::Font MakeFont(const char* face, int height) {
  gdi::LogFont description;
  description.FaceName = face;
  description.Height = height;
  description.Weight = 400;
  return gdi::Font(description);
}

} // namespace

srvPrint::srvPrint(const HostServices& host) {
  mContext.SetHost(std::make_shared<HostServices>(host));
  if (host.Connections) mContext.Connection = host.Connections->Connection();
  if (!mContext.Connection) throw LdrError(0, "NoConnection", "the host has no open project", "srvPrint", "Create");
  mHeaderFont = MakeFont("Miriam Fixed", -16);
  mSmallFont = MakeFont("Small Fonts", -9);
}

srvPrint::~srvPrint() = default;

PrintPreview& srvPrint::Preview() {
  if (!mPreview) mPreview = std::make_shared<PrintPreview>();
  return *mPreview;
}

void srvPrint::PrintModule(long) { mContext.Host->Messages->ShowMessageBox("PrintModule ---> PrintModules"); }

void srvPrint::PrintModules(const std::vector<long>& moduleIDs) {
  for (long moduleID : moduleIDs) {
    auto functions = Db().Query("SELECT FuncID FROM LdrFunctions WHERE MdlID = " + Num(moduleID) +
                                " AND FunctionType <> " + Num(kStartSubroutineType) + " ORDER BY MdlID,FuncID");
    std::vector<long> ids;
    for (functions.MoveFirst(); !functions.IsEOF(); functions.MoveNext()) ids.push_back(functions.Field(0).AsLong());
    PrintSubroutines(ids);
  }
}

void srvPrint::PrintSubroutines(const std::vector<long>& subroutineIDs) {
  for (long funcID : subroutineIDs) PrintSubroutine(funcID);
}

void srvPrint::PrintSubroutine(long funcID) {
  srvLadderPassword password(*mContext.Host);
  if (password.IsFuncProtected(funcID) && !password.IsUserAuthorized(true)) return;
  auto function = Db().Query("SELECT FuncName,MdlID from LdrFunctions WHERE FuncID=" + Num(funcID));
  if (function.IsEOF()) return;
  const std::string funcName = function.Field(0).AsText();
  const std::string moduleName =
      Db().QueryValue("SELECT MdlName FROM LdrModules WHERE MdlID=" + Num(function.Field(1).AsLong())).AsText();
  mContext.Host->Gui->ShowText(0, "Preparing to Print Subroutine: " + funcName);
  auto strips = Db().Query("SELECT DISTINCT LdrStrips.* FROM LdrStrips WHERE LdrStrips.FuncID=" + Num(funcID) +
                           " AND ((LdrStrips.StrpType=" + Num(eST_LdrNet) +
                           " AND EXISTS (SELECT 1 FROM LdrElements WHERE LdrElements.StripID=LdrStrips.StripID))"
                           " OR LdrStrips.StrpType=" +
                           Num(eST_LdrComment) + " OR LdrStrips.StrpType=" + Num(eST_LdrLabel) + ") ORDER BY SeqNum");
  PrintStrips(strips, "Module: " + moduleName + "    Subroutine: " + funcName);
}

void srvPrint::PrintSelectedStrips() {
  auto strips = Db().Query("SELECT * FROM LdrStrips WHERE IsSelected=-1 ORDER BY SeqNum");
  if (strips.RecordCount() == 0)
    throw LdrError(0, "Nothing to print", "No strip is selected.", "srvPrint", "PrintSelectedStrips");
  PrintStrips(strips, kSelectedHeading);
}

void srvPrint::PrintStrips(db::Recordset& strips, const std::string& heading) {
  StartPage(heading);
  for (strips.MoveFirst(); !strips.IsEOF(); strips.MoveNext()) PrintOneStrip(strips);
}

// A page begins with its heading (and, after the first, its page number
// under that heading).
void srvPrint::StartPage(const std::string& heading) {
  auto& page = Preview().NewPage();
  if (heading != mHeading) mPageOfHeading = 0;
  mHeading = heading;
  ++mPageOfHeading;
  gdi::Font old = page.SelectObject(mHeaderFont);
  page.SetBkMode(gdi::TRANSPARENT);
  page.TextOut(0, 4, heading);
  page.SelectObject(mSmallFont);
  page.TextOut(0, 26, "Page " + Num(mPageOfHeading));
  page.SelectObject(old);
  page.MoveTo(0, kHeaderRows * kGrid - 4);
  page.LineTo(Preview().PageWidth(), kHeaderRows * kGrid - 4);
  mRow = kHeaderRows;
}

void srvPrint::PrintOneStrip(db::Recordset& row) {
  auto strip = CreateStripByType(mContext, row.Field("StrpType").AsLong());
  if (!strip) return;
  strip->Load(row);
  const long height = strip->Height();
  const long pageRows = Preview().PageHeight() / kGrid;
  if (mRow + height > pageRows && mRow > kHeaderRows) StartPage(mHeading);
  auto& page = Preview().CurrentPage();
  strip->SetLeft(0);
  strip->SetTop(static_cast<std::int32_t>(mRow));
  if (row.Field("StrpType").AsLong() == eST_LdrNet) {
    gdi::Font old = page.SelectObject(mSmallFont);
    page.TextOut(2, static_cast<int>(mRow * kGrid) + 2, Num(row.Field("ShowNum").AsLong()));
    page.SelectObject(old);
  }
  const gdi::Point origin = page.OffsetWindowOrg(-kNumberColumn, 0);
  strip->PrintStrip(page);
  page.SetWindowOrg(origin.X, origin.Y);
  mRow += height;
}

} // namespace ldr
