// The function view's mouse steps on real nets: click selection by hit area
// and modifier, range extension, collapsing by the collapse mark, element and
// operand selection, hover tips, context menus, keys and the selection
// queries.

#include "FunctionTestFixture.h"

#include "elements/ElementTitles.h"
#include "interfaces/OperandsKeyHandler.h"
#include "interfaces/itfLdrElement.h"
#include "outside/operands/Operand.h"

using namespace ldr;
using ::testing::_;

namespace {

constexpr int kShift = 1, kCtrl = 2;
constexpr int kPx = 14;

class FunctionSelection : public test::FunctionFixture {
protected:
  void SetUp() override {
    FunctionFixture::SetUp();
    mRealNets = true;
    mViewHeight = 8 * kNetHeight; // nets 1 to 8 shown
    mIDs = StripIDs();
  }
  // Board pixels of points on net n (1-based, no scrolling).
  static long NetTopPx(int n) { return (n - 1) * kNetHeight * kPx; }
  void ClickHeader(clsLdrFunction& view, int n, int shift = 0, int button = 1) {
    Click(view, 7, NetTopPx(n) + 5 * kPx, shift, button);
  }
  void ClickEmpty(clsLdrFunction& view, int n) { Click(view, 30 * kPx, NetTopPx(n) + 9 * kPx); }
  // A contact at column 10, row 5 of net n, with operand (type 1, address).
  long AddContact(int n, long address = 7) {
    const long element = static_cast<long>(Db().AddRow(
        "LdrElements", {{"StripID", mIDs[n - 1]}, {"ElmntType", 200}, {"Xs", 10}, {"Ys", 5}, {"Dx", 0}, {"Dy", 0}}));
    Db().AddRow("LdrElmsOprs", {{"ElmntID", element},
                                {"OprndInIdx", 1},
                                {"OprndOutIdx", 0},
                                {"Elmnt_Oprnd_Type", 1},
                                {"Elmnt_Oprnd_Adrs", address},
                                {"Elmnt_Oprnd_NetworkID", 0}});
    return element;
  }
  void ClickContact(clsLdrFunction& view, int n, int shift = 0) {
    Click(view, (2 + 10 + 2) * kPx, NetTopPx(n) + 5 * kPx, shift);
  }
  std::shared_ptr<itfLdrElement> Contact(clsLdrFunction& view, int n) {
    auto* net = StripSelection::AsNet(view.Strips()->Find(mIDs[n - 1]).get());
    return net->GetAllElements()->At(0);
  }
  bool Selected(clsLdrFunction& view, int n) { return view.Strips()->Find(mIDs[n - 1])->IsSelected(); }
  std::vector<long> Nets(std::initializer_list<int> numbers) {
    std::vector<long> ids;
    for (int n : numbers) ids.push_back(mIDs[n - 1]);
    return ids;
  }

  std::vector<long> mIDs;
};

TEST_F(FunctionSelection, AHeaderClickSelectsThatStripAlone) {
  auto view = LoadedView();
  ClickHeader(*view, 2);
  EXPECT_EQ(SelectedIDs(), Nets({2}));
  EXPECT_TRUE(Selected(*view, 2));
  ClickHeader(*view, 4);
  EXPECT_EQ(SelectedIDs(), Nets({4}));
  EXPECT_FALSE(Selected(*view, 2));
  EXPECT_TRUE(Selected(*view, 4));
}

TEST_F(FunctionSelection, ShiftExtendsTheRangeDownAndUp) {
  auto view = LoadedView();
  ClickHeader(*view, 3);
  ClickHeader(*view, 5, kShift);
  EXPECT_EQ(SelectedIDs(), Nets({3, 4, 5}));
  for (int n : {3, 4, 5}) EXPECT_TRUE(Selected(*view, n)) << n;
  ClickHeader(*view, 1, kShift);
  EXPECT_EQ(SelectedIDs(), Nets({1, 2, 3, 4, 5}));
  EXPECT_TRUE(Selected(*view, 2));
}

TEST_F(FunctionSelection, TheRangeReachesStripsThatAreNotShown) {
  mViewHeight = 2 * kNetHeight;
  auto view = LoadedView();
  ClickHeader(*view, 1);
  view->JumpToStrip(mIDs[5]);
  ClickHeader(*view, 1, kShift); // net 6, now at the top of the view
  EXPECT_EQ(SelectedIDs(), Nets({1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(view->Strips()->Find(mIDs[5])->IsSelected());
}

TEST_F(FunctionSelection, CtrlTogglesOneStripAndKeepsTheOthers) {
  auto view = LoadedView();
  ClickHeader(*view, 2);
  ClickHeader(*view, 4, kCtrl);
  EXPECT_EQ(SelectedIDs(), Nets({2, 4}));
  ClickHeader(*view, 2, kCtrl);
  EXPECT_EQ(SelectedIDs(), Nets({4}));
  EXPECT_FALSE(Selected(*view, 2));
}

TEST_F(FunctionSelection, APlainClickOnASelectedStripKeepsTheSelection) {
  auto view = LoadedView();
  ClickHeader(*view, 2);
  ClickHeader(*view, 3, kShift);
  ClickHeader(*view, 2);
  EXPECT_EQ(SelectedIDs(), Nets({2, 3}));
}

TEST_F(FunctionSelection, TheEmptyEditZoneAndTheResizeHandleUnselectEverything) {
  AddContact(1);
  auto view = LoadedView();
  ClickHeader(*view, 2);
  ClickHeader(*view, 3, kShift);
  Contact(*view, 1)->SetIsSelected(true);
  ClickEmpty(*view, 5);
  EXPECT_TRUE(SelectedIDs().empty());
  EXPECT_FALSE(Selected(*view, 2));
  EXPECT_FALSE(Contact(*view, 1)->IsSelected());
  ClickHeader(*view, 2);
  Click(*view, 7, NetTopPx(2) + 13 * kPx); // resize handle
  EXPECT_TRUE(SelectedIDs().empty());
}

TEST_F(FunctionSelection, TheCollapseMarkTogglesTheNetAndReloads) {
  auto view = LoadedView();
  Click(*view, 7, NetTopPx(2) + kPx);
  EXPECT_EQ(Scalar("SELECT IsCollapsed FROM LdrStrips WHERE StripID=" + std::to_string(mIDs[1])), -1);
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mIDs[1])), 1);
  EXPECT_EQ(view->Strips()->Find(mIDs[2])->Top(), kNetHeight + 1);
  EXPECT_TRUE(SelectedIDs().empty());
  Click(*view, 7, NetTopPx(2) + 7);
  EXPECT_EQ(Scalar("SELECT IsCollapsed FROM LdrStrips WHERE StripID=" + std::to_string(mIDs[1])), 0);
  EXPECT_EQ(Scalar("SELECT Height FROM LdrStrips WHERE StripID=" + std::to_string(mIDs[1])), kNetHeight);
  EXPECT_EQ(view->Strips()->Find(mIDs[2])->Top(), 2 * kNetHeight);
}

TEST_F(FunctionSelection, WithAModifierOrTheRightButtonTheCollapseMarkIsHeader) {
  auto view = LoadedView();
  Click(*view, 7, NetTopPx(2) + kPx, 0, 2);
  Click(*view, 7, NetTopPx(3) + kPx, kCtrl);
  EXPECT_EQ(SelectedIDs(), Nets({2, 3}));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrStrips WHERE IsCollapsed<>0"), 0);
}

TEST_F(FunctionSelection, AnElementClickSelectsItAndUnselectsStrips) {
  AddContact(1);
  AddContact(2);
  auto view = LoadedView();
  ClickHeader(*view, 3);
  ClickContact(*view, 1);
  EXPECT_TRUE(Contact(*view, 1)->IsSelected());
  EXPECT_TRUE(SelectedIDs().empty());
  // Another element without Ctrl: the first one goes.
  ClickContact(*view, 2);
  EXPECT_FALSE(Contact(*view, 1)->IsSelected());
  EXPECT_TRUE(Contact(*view, 2)->IsSelected());
}

TEST_F(FunctionSelection, CtrlTogglesAnElementAndClearsOtherNets) {
  AddContact(1);
  AddContact(2);
  auto view = LoadedView();
  ClickContact(*view, 1);
  ClickHeader(*view, 4, kCtrl);
  ClickContact(*view, 2, kCtrl);
  EXPECT_TRUE(Contact(*view, 2)->IsSelected());
  EXPECT_FALSE(Contact(*view, 1)->IsSelected());
  EXPECT_TRUE(SelectedIDs().empty());
  ClickContact(*view, 2, kCtrl);
  EXPECT_FALSE(Contact(*view, 2)->IsSelected());
}

TEST_F(FunctionSelection, ClickingASelectedElementKeepsItsNetsSelection) {
  AddContact(1);
  auto view = LoadedView();
  ClickContact(*view, 1);
  ClickHeader(*view, 5, kCtrl); // a strip joins, elements go
  Contact(*view, 1)->SetIsSelected(true);
  ClickContact(*view, 1);
  EXPECT_TRUE(Contact(*view, 1)->IsSelected());
  EXPECT_TRUE(SelectedIDs().empty());
}

TEST_F(FunctionSelection, AnOperandClickSelectsTheOperand) {
  AddContact(3);
  auto view = LoadedView();
  Click(*view, (2 + 10 + 2) * kPx, NetTopPx(3) + 3 * kPx); // the operand rows above the rung
  auto operand = view->GetElementSelectedOperand();
  ASSERT_NE(operand, nullptr);
  EXPECT_EQ(operand->Address(), 7);
  tyLdrPoint position;
  long stripTop = -1;
  bool found = false;
  view->GetElementWithSelectedOperandPos(position, stripTop, found);
  EXPECT_TRUE(found);
  EXPECT_EQ(stripTop, 2 * kNetHeight);
  EXPECT_EQ(position, Contact(*view, 3)->Outlet());
  // Anywhere else the operand selection goes too.
  ClickEmpty(*view, 3);
  EXPECT_EQ(view->GetElementSelectedOperand(), nullptr);
}

TEST_F(FunctionSelection, OnlineClicksSelectNothing) {
  auto view = LoadedView();
  mCtx.State->SetOnLineActive(true);
  ClickHeader(*view, 2);
  EXPECT_TRUE(SelectedIDs().empty());
}

TEST_F(FunctionSelection, SingleSelectedElementGivesItsTypeAndTitle) {
  AddContact(1);
  AddContact(2);
  auto view = LoadedView();
  long type = -1;
  std::string name = "untouched";
  view->GetSingleSelectedElement(type, name);
  EXPECT_EQ(type, -1);
  ClickContact(*view, 2);
  view->GetSingleSelectedElement(type, name);
  EXPECT_EQ(type, 200);
  EXPECT_EQ(name, GetElementTitle(&Db(), 200));
  EXPECT_FALSE(name.empty());
  EXPECT_EQ(view->GetSelectedElementName(), name);
  // Two selected: the arguments stay as they were.
  Contact(*view, 1)->SetIsSelected(true);
  type = -1;
  name = "untouched";
  view->GetSingleSelectedElement(type, name);
  EXPECT_EQ(type, -1);
  EXPECT_EQ(name, "untouched");
  EXPECT_EQ(view->GetSelectedElementName(), "");
}

TEST_F(FunctionSelection, HoverShowsTheOperandsTipAndClearsItElsewhere) {
  AddContact(1, 12);
  auto view = LoadedView();
  std::string tip = "unset";
  EXPECT_CALL(*mDrawer, SetToolTipText(_)).WillRepeatedly(::testing::SaveArg<0>(&tip));
  view->MouseMove(0, 0, (2 + 10 + 2) * kPx, 3 * kPx);
  EXPECT_FALSE(tip.empty());
  EXPECT_NE(tip, "unset");
  view->MouseMove(0, 0, 7, NetTopPx(2) + 5 * kPx);
  EXPECT_EQ(tip, "");
}

TEST_F(FunctionSelection, HoverOnTheHeaderOfANetThatNeedsCompilingSaysSo) {
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=0");
  Db().Execute("UPDATE LdrStrips SET CompileDirtyBit=-1 WHERE StripID=" + std::to_string(mIDs[1]));
  auto view = LoadedView();
  std::string tip = "unset";
  EXPECT_CALL(*mDrawer, SetToolTipText(_)).WillRepeatedly(::testing::SaveArg<0>(&tip));
  // The triangle is on the header's second row.
  view->MouseMove(0, 0, 10, NetTopPx(2) + 2 * kPx);
  EXPECT_NE(tip.find("compile"), std::string::npos) << tip;
  view->MouseMove(0, 0, 10, NetTopPx(2) + 6 * kPx);
  EXPECT_EQ(tip, "");
  view->MouseMove(0, 0, 10, NetTopPx(1) + 2 * kPx);
  EXPECT_EQ(tip, "");
}

TEST_F(FunctionSelection, MovingWithinOneGridCellDoesNothing) {
  auto view = LoadedView();
  view->MouseMove(0, 0, 7, 5 * kPx);
  EXPECT_CALL(*mDrawer, SetToolTipText(_)).Times(0);
  view->MouseMove(0, 0, 6, 5 * kPx + 3);
}

TEST_F(FunctionSelection, ARightClickOnTheHeaderOfASelectionShowsTheStripMenu) {
  mRealNets = false;
  auto view = LoadedView();
  ClickHeader(*view, 2);
  ClickHeader(*view, 3, kShift);
  auto stub = std::dynamic_pointer_cast<test::StubStrip>(view->Strips()->Find(mIDs[2]));
  EXPECT_CALL(*stub, RightMouseUp()).Times(0);
  ClickHeader(*view, 3, 0, 2);
  ASSERT_FALSE(mHost.Gui->MenusShown().empty());
  EXPECT_EQ(mHost.Gui->MenusShown().back(), eGM_StripHeader);
}

TEST_F(FunctionSelection, ARightClickOnALoneStripLetsTheStripAnswer) {
  mRealNets = false;
  auto view = LoadedView();
  auto stub = std::dynamic_pointer_cast<test::StubStrip>(view->Strips()->Find(mIDs[1]));
  EXPECT_CALL(*stub, RightMouseUp()).Times(2);
  ClickHeader(*view, 2, 0, 2); // selects it, then its own menu
  ClickEmpty(*view, 2);        // nothing selected; the edit zone is the strip's
  Click(*view, 30 * kPx, NetTopPx(2) + 9 * kPx, 0, 2);
  EXPECT_TRUE(mHost.Gui->MenusShown().empty());
}

class MockKeyHandler : public OperandsKeyHandler {
public:
  MOCK_METHOD(void, KeyPress, (std::int32_t, KeyedCollection<itfLdrElement>&, itfStrip&), (override));
};

TEST_F(FunctionSelection, OperandKeysGoToTheNetHoldingTheSelectedOperand) {
  AddContact(3);
  auto handler = std::make_shared<MockKeyHandler>();
  int made = 0;
  auto parts = Parts();
  parts.CreateOperandsKeyHandler = [&](LdrContext&) -> std::unique_ptr<OperandsKeyHandler> {
    ++made;
    auto forward = std::make_unique<::testing::NiceMock<MockKeyHandler>>();
    ON_CALL(*forward, KeyPress(_, _, _))
        .WillByDefault([handler](std::int32_t key, KeyedCollection<itfLdrElement>& elements, itfStrip& strip) {
          handler->KeyPress(key, elements, strip);
        });
    return forward;
  };
  auto view = std::make_shared<clsLdrFunction>(mCtx, parts);
  view->Init();
  view->Load(kFuncID);
  Click(*view, (2 + 10 + 2) * kPx, NetTopPx(3) + 3 * kPx);
  ASSERT_NE(view->GetElementSelectedOperand(), nullptr);
  EXPECT_CALL(*handler, KeyPress(39, _, ::testing::Ref(*view->Strips()->Find(mIDs[2])))).Times(1);
  view->KeyPress(39, 0);
  view->KeyPress(65, 0); // not an operand key
  mCtx.State->SetOnLineActive(true);
  view->KeyPress(39, 0);
  EXPECT_EQ(made, 1);
}

} // namespace
