#pragma once
// A new project, a headless host, the shared context with a drawer double
// and a function view whose strips come from a counting factory: stand-in
// strips by default, real nets when a test asks for them.

#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "editor/clsLdrFunction.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/headless/MemoryLog.h"
#include "platform/database/Recordset.h"
#include "strips/clsLdrNet.h"
#include "support/MockFunction.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ldr::test {

class MockStrip : public itfStrip {
public:
  MOCK_METHOD(PropertyBag, GetPropertyBag, (), (override));
  MOCK_METHOD(void, SetPropertyBag, (const PropertyBag&), (override));
  MOCK_METHOD(std::int32_t, Top, (), (override));
  MOCK_METHOD(void, SetTop, (std::int32_t), (override));
  MOCK_METHOD(std::int32_t, EditZoneLeft, (), (override));
  MOCK_METHOD(std::int32_t, Left, (), (override));
  MOCK_METHOD(void, SetLeft, (std::int32_t), (override));
  MOCK_METHOD(std::int32_t, Height, (), (override));
  MOCK_METHOD(void, SetHeight, (std::int32_t), (override));
  MOCK_METHOD(std::int32_t, MinHeight, (), (override));
  MOCK_METHOD(std::int32_t, MaxHeight, (), (override));
  MOCK_METHOD(std::int32_t, SeqNum, (), (override));
  MOCK_METHOD(void, SetSeqNum, (std::int32_t), (override));
  MOCK_METHOD(std::int32_t, StripID, (), (override));
  MOCK_METHOD(bool, IsSelected, (), (override));
  MOCK_METHOD(void, SetIsSelected, (bool), (override));
  MOCK_METHOD(std::string, StripNote, (), (override));
  MOCK_METHOD(void, SetStripNote, (const std::string&), (override));
  MOCK_METHOD(void, SetWorkMode, (std::int32_t), (override));
  MOCK_METHOD(void, RefreshOperand, (std::int32_t, std::int32_t, std::int32_t), (override));
  MOCK_METHOD(void, Load, (db::Recordset&), (override));
  MOCK_METHOD(void, QueryProcess, (itfProcessControl&), (override));
  MOCK_METHOD(void, RightMouseUp, (), (override));
  MOCK_METHOD(void, ToolRequest, (const std::string&), (override));
  MOCK_METHOD(void, SpecialToolRequest, (const std::string&), (override));
  MOCK_METHOD(void, DoubleClick, (itfProcessControl&), (override));
  MOCK_METHOD(void, Draw, (gdi::DeviceContext&, gdi::DeviceContext&, GdiResources&), (override));
  MOCK_METHOD(void, ClearHitTestResults, (), (override));
  MOCK_METHOD(void, HitTestByPoint, (HitRecord&), (override));
  MOCK_METHOD(HitRecord, GetHitParameters, (), (override));
  MOCK_METHOD(Rect, GetBoundingRect, (), (override));
  MOCK_METHOD(Rect, GetEditBoundingRect, (), (override));
  MOCK_METHOD(std::shared_ptr<itfStrip>, GetReplica, (), (override));
  MOCK_METHOD(void, AddToDB, (std::int32_t), (override));
  MOCK_METHOD(void, DeleteFromDB, (), (override));
  MOCK_METHOD(void, PrintStrip, (gdi::DeviceContext&), (override));
  MOCK_METHOD(bool, IsContainNonDeletableElements, (), (override));
};

// A stand-in strip that keeps what it is told: position and numbers from
// its row, its selection stored at once like a real strip, and a hit test
// over its rectangle (left zone kind 1, the rest kind 4).
class StubStrip : public ::testing::NiceMock<MockStrip> {
public:
  explicit StubStrip(db::Connection& db) : mDb(db) {
    using ::testing::_;
    using ::testing::Invoke;
    using ::testing::Return;
    using ::testing::ReturnPointee;
    ON_CALL(*this, Top()).WillByDefault(ReturnPointee(&mTop));
    ON_CALL(*this, SetTop(_)).WillByDefault(Invoke([this](std::int32_t v) { mTop = v; }));
    ON_CALL(*this, Height()).WillByDefault(ReturnPointee(&mHeight));
    ON_CALL(*this, SeqNum()).WillByDefault(ReturnPointee(&mSeqNum));
    ON_CALL(*this, SetSeqNum(_)).WillByDefault(Invoke([this](std::int32_t v) { mSeqNum = v; }));
    ON_CALL(*this, StripID()).WillByDefault(ReturnPointee(&mStripID));
    ON_CALL(*this, IsSelected()).WillByDefault(ReturnPointee(&mSelected));
    ON_CALL(*this, SetIsSelected(_)).WillByDefault(Invoke([this](bool v) {
      mSelected = v;
      mDb.Execute("UPDATE LdrStrips SET IsSelected=" + std::to_string(v ? -1 : 0) +
                  " WHERE StripID=" + std::to_string(mStripID));
    }));
    ON_CALL(*this, Load(_)).WillByDefault(Invoke([this](db::Recordset& rs) {
      mStripID = rs.Field("StripID").AsLong();
      mSeqNum = rs.Field("SeqNum").AsLong();
      mHeight = rs.Field("Height").AsLong();
      mSelected = rs.Field("IsSelected").AsBool();
      mType = rs.Field("StrpType").AsLong();
    }));
    ON_CALL(*this, ClearHitTestResults()).WillByDefault(Invoke([this] { mHit.HitKind = 0; }));
    ON_CALL(*this, HitTestByPoint(_)).WillByDefault(Invoke([this](HitRecord& hit) {
      if (hit.Y >= mTop && hit.Y < mTop + mHeight && hit.X >= 0 && hit.X <= 54) hit.HitKind = hit.X < 2 ? 1 : 4;
      mHit = hit;
    }));
    ON_CALL(*this, GetHitParameters()).WillByDefault(ReturnPointee(&mHit));
  }

  db::Connection& mDb;
  std::int32_t mTop = 0, mHeight = 0, mSeqNum = 0, mStripID = 0, mType = 0;
  bool mSelected = false;
  HitRecord mHit;
};

class FunctionFixture : public ProjectFixture {
protected:
  static constexpr long kFuncID = 2;
  static constexpr long kNetHeight = 14;

  void SetUp() override {
    ProjectFixture::SetUp();
    mLog = std::make_shared<MemoryLog>();
    mHost = MakeHeadlessHost(mDb, mLog, mDir.File("host-settings.ini"));
    mCtx.Connection = mDb;
    mCtx.SetHost(mHost.Services);
    mCtx.State = std::make_unique<clsLdrState>(mCtx);
    mDrawer = std::make_shared<::testing::NiceMock<MockDrawer>>();
    ON_CALL(*mDrawer, ViewHeight()).WillByDefault(::testing::ReturnPointee(&mViewHeight));
    ON_CALL(*mDrawer, ViewWidth()).WillByDefault(::testing::Return(54));
    mCtx.Drawer = mDrawer.get();
  }

  LdrFunctionParts Parts() {
    LdrFunctionParts parts;
    parts.CreateStrip = [this](LdrContext& ctx, long type) -> std::shared_ptr<itfStrip> {
      ++mMade;
      if (type == 1 && mRealNets) return std::make_shared<clsLdrNet>(ctx);
      if (type < 1 || type > 3) return nullptr;
      return std::make_shared<StubStrip>(Db());
    };
    return parts;
  }

  std::shared_ptr<clsLdrFunction> NewView() {
    auto view = std::make_shared<clsLdrFunction>(mCtx, Parts());
    view->Init();
    return view;
  }
  std::shared_ptr<clsLdrFunction> LoadedView(long funcID = kFuncID) {
    auto view = NewView();
    view->Load(funcID);
    return view;
  }

  // The strips of a subroutine in SeqNum order.
  std::vector<long> StripIDs(long funcID = kFuncID) {
    return Longs("SELECT StripID FROM LdrStrips WHERE FuncID=" + std::to_string(funcID) + " ORDER BY SeqNum");
  }
  // Rows of the whole project marked as instantiated, in SeqNum order.
  std::vector<long> LoadedIDs() { return Longs("SELECT StripID FROM LdrStrips WHERE IsLoaded<>0 ORDER BY SeqNum"); }
  static std::vector<long> ViewIDs(const clsLdrFunction& view) {
    std::vector<long> ids;
    for (const auto& [key, strip] : *view.Strips()) ids.push_back(strip->StripID());
    return ids;
  }
  static std::vector<long> ViewTops(const clsLdrFunction& view) {
    std::vector<long> tops;
    for (const auto& [key, strip] : *view.Strips()) tops.push_back(strip->Top());
    return tops;
  }
  std::vector<long> Slice(const std::vector<long>& ids, std::size_t from, std::size_t count) {
    return {ids.begin() + static_cast<long>(from), ids.begin() + static_cast<long>(from + count)};
  }
  std::vector<long> SelectedIDs(long funcID = kFuncID) {
    return Longs("SELECT StripID FROM LdrStrips WHERE IsSelected<>0 AND FuncID=" + std::to_string(funcID) +
                 " ORDER BY SeqNum");
  }
  // A comment strip put in front of the strip at `seqNum`.
  long InsertComment(long funcID, long seqNum, long height) {
    Db().Execute("UPDATE LdrStrips SET SeqNum=SeqNum+1 WHERE FuncID=" + std::to_string(funcID) +
                 " AND SeqNum>=" + std::to_string(seqNum));
    return static_cast<long>(Db().AddRow(
        "LdrStrips",
        {{"FuncID", funcID}, {"SeqNum", seqNum}, {"StrpType", 2}, {"Height", height}, {"Comment", "note"}}));
  }
  void SetHeight(long stripID, long height) {
    Db().Execute("UPDATE LdrStrips SET Height=" + std::to_string(height) + " WHERE StripID=" + std::to_string(stripID));
  }
  const std::vector<ErrorReport>& Errors() const {
    return static_cast<LogErrorReporter&>(*mHost.Services->Errors).Reports();
  }
  BoardScrollBar& Bar() { return mHost.Gui->VerticalScrollBar(); }

  // A press and release of `button` at a board pixel.
  static void Click(clsLdrFunction& view, long x, long y, int shift = 0, int button = 1) {
    view.MouseDown(button, shift, x, y);
    view.MouseUp(button, shift, x, y);
  }

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mCtx;
  std::shared_ptr<::testing::NiceMock<MockDrawer>> mDrawer;
  long mViewHeight = 30;
  int mMade = 0;
  bool mRealNets = false;
};

} // namespace ldr::test
