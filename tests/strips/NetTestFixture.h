#pragma once
// A new project with a headless host and the shared context, for net tests:
// nets loaded from their LdrStrips rows, element and operand rows written by
// hand, boards and drawing resources like the drawer's, a process control
// that records what it is told.

#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfProcessControl.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/HitRecord.h"
#include "platform/drawing/DeviceContext.h"
#include "strips/clsLdrNet.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

// Records what a net or an element asks of the process control.
class RecordingProcessControl : public itfProcessControl {
public:
  long HorizontalOffset() override { return 0; }
  void SetDoAgain(bool) override {}
  void SetKillProcess(enMouseProcess) override {}
  void SetNewProcess(enMouseProcess process) override {
    NewProcess = process;
    ++NewProcessCalls;
  }
  void SetWorkMode(long workMode) override { WorkMode = workMode; }
  void Relocate() override {}
  void ReLoad() override {}

  enMouseProcess NewProcess = eMP_NoProcessToKill;
  int NewProcessCalls = 0;
  long WorkMode = -1;
};

class NetTestFixture : public ProjectFixture {
protected:
  static constexpr gdi::COLORREF kBackground = gdi::RGB(255, 0, 255);
  static constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
  static constexpr gdi::COLORREF kGrey = gdi::RGB(192, 192, 192);
  static constexpr gdi::COLORREF kBlue = gdi::RGB(0, 0, 255);
  static constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);

  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
    mCtx.Connection = mDb;
    mCtx.SetHost(mHost.Services);
    mCtx.State = std::make_unique<clsLdrState>(mCtx);
  }

  // The n-th net (1-based, by SeqNum) of subroutine 2 of the new project.
  long NetID(int n = 1) {
    return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=2 AND StrpType=1 AND IsReturnStrip=0 "
                  "ORDER BY SeqNum LIMIT 1 OFFSET " +
                  std::to_string(n - 1));
  }
  long ReturnStripID(long funcID = 2) {
    return Scalar("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) + " AND IsReturnStrip<>0");
  }

  // A net loaded from its row, as the function view does it.
  std::shared_ptr<clsLdrNet> LoadNet(long stripID, std::int32_t top = 0) {
    auto rs = Db().Query("SELECT * FROM LdrStrips WHERE StripID=" + std::to_string(stripID));
    rs.MoveFirst();
    auto net = std::make_shared<clsLdrNet>(mCtx);
    net->SetTop(top);
    net->Load(rs);
    return net;
  }

  long AddElementRow(long stripID, long type, long x, long y, long dx = 0, long dy = 0) {
    return static_cast<long>(Db().AddRow(
        "LdrElements",
        {{"StripID", stripID}, {"ElmntType", type}, {"Xs", x}, {"Ys", y}, {"Dx", dx}, {"Dy", dy}, {"IsMissing", 0}}));
  }
  void AddOperandRow(long elementID, long inIdx, long outIdx, long type, long address) {
    Db().AddRow("LdrElmsOprs", {{"ElmntID", elementID},
                                {"OprndInIdx", inIdx},
                                {"OprndOutIdx", outIdx},
                                {"Elmnt_Oprnd_Type", type},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", 0}});
  }
  // A contact (or coil) row with its one operand slot.
  long AddContact(long stripID, long x, long y, long address, long type = 200) {
    const long id = AddElementRow(stripID, type, x, y);
    AddOperandRow(id, type >= 204 ? 0 : 1, type >= 204 ? 1 : 0, 1, address);
    return id;
  }

  const std::vector<ErrorReport>& Errors() const {
    return static_cast<LogErrorReporter&>(*mHost.Services->Errors).Reports();
  }

  static HitRecord Hit(std::int32_t x, std::int32_t y, std::int32_t horz = HitRecord::kOnOrRightOfLine,
                       std::int32_t vert = HitRecord::kOnOrBelowLine, std::int32_t button = 1) {
    HitRecord hit;
    hit.X = x;
    hit.Y = y;
    hit.HorzSide = horz;
    hit.VertSide = vert;
    hit.Button = button;
    return hit;
  }
  std::int32_t HitKind(clsLdrNet& net, HitRecord hit) {
    net.HitTestByPoint(hit);
    return hit.HitKind;
  }

  // A surface filled with the background colour, to see what a draw paints.
  static gdi::DeviceContext Surface(int width, int height) {
    gdi::DeviceContext dc(gdi::Bitmap(width, height));
    dc.FillRect({0, 0, width, height}, gdi::Brush::Solid(kBackground));
    return dc;
  }
  // The resources as the drawer makes them.
  static GdiResources DrawerResources() {
    GdiResources res;
    res.GreyPen = gdi::Pen::Solid(kGrey);
    res.WhiteBrush = gdi::Brush::Solid(kWhite);
    res.GreyBrush = gdi::Brush::Solid(kGrey);
    res.LightYellowBrush = gdi::Brush::Solid(gdi::RGB(255, 255, 219));
    res.GridRowDC = gdi::DeviceContext(gdi::Bitmap(770, 1));
    res.GridRowDC.FillRect({0, 0, 770, 1}, res.WhiteBrush);
    for (int i = 0; i <= 52; ++i) res.GridRowDC.SetPixel(14 * i, 0, kBlue);
    return res;
  }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mCtx;
};

} // namespace ldr::test
