// Hit kinds of a net at its borders and zones, the element under the
// pointer, and what a press, a double click and a right click do by kind.
#include "NetTestFixture.h"

#include "outside/utilities/GuiService.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

constexpr std::int32_t L = HitRecord::kLeftOfLine;
constexpr std::int32_t R = HitRecord::kOnOrRightOfLine;
constexpr std::int32_t A = HitRecord::kAboveLine;
constexpr std::int32_t B = HitRecord::kOnOrBelowLine;

class NetHit : public NetTestFixture {
protected:
  // A net of `height` rows placed at view row `top`.
  std::shared_ptr<clsLdrNet> Net(std::int32_t height, std::int32_t top = 0) {
    Db().Execute("UPDATE LdrStrips SET Height=" + std::to_string(height) + " WHERE StripID=" + std::to_string(NetID()));
    return LoadNet(NetID(), top);
  }
};

TEST_F(NetHit, BorderColumnsBelongToTheSideThePixelLayOn) {
  auto net = Net(6, 10);
  EXPECT_EQ(HitKind(*net, Hit(54, 13, R)), 0);
  EXPECT_EQ(HitKind(*net, Hit(54, 13, L)), 4);
  EXPECT_EQ(HitKind(*net, Hit(55, 13, L)), 0);
  EXPECT_EQ(HitKind(*net, Hit(0, 13, L)), 0);
  EXPECT_EQ(HitKind(*net, Hit(0, 13, R)), 1);
  EXPECT_EQ(HitKind(*net, Hit(-1, 13, R)), 0);
}

TEST_F(NetHit, BorderRowsBelongToTheSideThePixelLayOn) {
  auto net = Net(6, 10);
  EXPECT_EQ(HitKind(*net, Hit(20, 10, R, A)), 0);
  EXPECT_EQ(HitKind(*net, Hit(20, 10, R, B)), 4);
  EXPECT_EQ(HitKind(*net, Hit(20, 16, R, B)), 0);
  EXPECT_EQ(HitKind(*net, Hit(20, 16, R, A)), 4);
  EXPECT_EQ(HitKind(*net, Hit(20, 9, R, B)), 0);
  EXPECT_EQ(HitKind(*net, Hit(20, 17, R, A)), 0);
}

TEST_F(NetHit, EditZoneStartsOnColumnTwoFromItsRightSide) {
  auto net = Net(6);
  EXPECT_EQ(HitKind(*net, Hit(2, 1, L)), 7);
  EXPECT_EQ(HitKind(*net, Hit(2, 1, R)), 4);
  EXPECT_EQ(HitKind(*net, Hit(1, 3, R)), 1);
}

TEST_F(NetHit, LeftZoneRowsGiveCollapseHeaderAndResizeHandle) {
  auto net = Net(6, 4);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 0)), 7);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 1, R, A)), 7);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 2)), 1);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 3)), 1);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 4, R, A)), 1);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 4, R, B)), 6);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 5)), 6);
  EXPECT_EQ(HitKind(*net, Hit(1, 4 + 6, R, A)), 6);
}

TEST_F(NetHit, RecordKeepsItsPointAndTheNetKeepsACopy) {
  auto net = Net(6, 3);
  HitRecord hit = Hit(30, 5);
  hit.Shift = 2;
  net->HitTestByPoint(hit);
  EXPECT_EQ(hit.X, 30);
  EXPECT_EQ(hit.Y, 5);
  EXPECT_EQ(hit.HitKind, 4);
  EXPECT_EQ(net->GetHitParameters(), hit);
  net->ClearHitTestResults();
  EXPECT_EQ(net->GetHitParameters().HitKind, 0);
  EXPECT_EQ(net->GetHitParameters().X, 30);
}

TEST_F(NetHit, ElementUnderThePointerIsTheActiveElement) {
  const long strip = NetID();
  const long contact = AddContact(strip, 4, 3, 1);
  auto net = LoadNet(strip, 10);
  EXPECT_EQ(HitKind(*net, Hit(2 + 5, 10 + 3)), 3);
  ASSERT_TRUE(net->ActiveElement());
  EXPECT_EQ(net->ActiveElement()->ObjectID(), contact);
  EXPECT_EQ(net->ActiveElement()->GetHitParameters().HitKind, 1);

  EXPECT_EQ(HitKind(*net, Hit(2 + 20, 10 + 3)), 4);
  EXPECT_FALSE(net->ActiveElement());

  net->SetWorkMode(eWM_LineDrawing);
  EXPECT_EQ(HitKind(*net, Hit(2 + 5, 10 + 3)), 4);
  EXPECT_TRUE(net->ActiveElement());
}

TEST_F(NetHit, LaterElementWinsWhenTwoAreHit) {
  const long strip = NetID();
  const long first = AddContact(strip, 4, 3, 1);
  const long second = AddContact(strip, 8, 3, 2);
  auto net = LoadNet(strip);
  EXPECT_EQ(HitKind(*net, Hit(2 + 9, 3)), 3);
  EXPECT_EQ(net->ActiveElement()->ObjectID(), second);
  EXPECT_EQ(HitKind(*net, Hit(2 + 5, 3)), 3);
  EXPECT_EQ(net->ActiveElement()->ObjectID(), first);
  // The element that is no longer under the pointer forgets its hit.
  EXPECT_EQ(net->GetAllElements()->Find(second)->GetHitParameters().HitKind, 0);
}

TEST_F(NetHit, ReturnStripIsNeverHitAndStartsNothing) {
  auto net = LoadNet(ReturnStripID());
  RecordingProcessControl control;
  for (const auto& hit : {Hit(1, 3), Hit(1, 0), Hit(2 + 1, 5), Hit(30, 2)}) {
    HitRecord probe = hit;
    net->HitTestByPoint(probe);
    EXPECT_EQ(probe.HitKind, 0);
    EXPECT_EQ(net->GetHitParameters().HitKind, 0);
    net->QueryProcess(control);
    net->RightMouseUp();
  }
  EXPECT_EQ(control.NewProcessCalls, 0);
  EXPECT_TRUE(mHost.Gui->MenusShown().empty());
}

TEST_F(NetHit, PressChoosesTheProcessByKind) {
  const long strip = NetID();
  AddContact(strip, 4, 3, 1);
  auto net = LoadNet(strip);
  auto press = [&](HitRecord hit) {
    RecordingProcessControl control;
    net->HitTestByPoint(hit);
    net->QueryProcess(control);
    return control.NewProcessCalls ? control.NewProcess : eMP_NoProcessToKill;
  };
  EXPECT_EQ(press(Hit(30, 8)), eMP_RectSelectProc);
  EXPECT_EQ(press(Hit(30, 8, R, B, 2)), eMP_NoProcessToKill);
  EXPECT_EQ(press(Hit(1, 13)), eMP_StripResizeProc);
  EXPECT_EQ(press(Hit(1, 13, R, B, 2)), eMP_NoProcessToKill);
  EXPECT_EQ(press(Hit(1, 5)), eMP_NoProcessToKill);
  EXPECT_EQ(press(Hit(1, 0)), eMP_NoProcessToKill);
  EXPECT_EQ(press(Hit(2 + 5, 3)), eMP_ElementMoveProc);
  net->SetWorkMode(eWM_LineDrawing);
  EXPECT_EQ(press(Hit(30, 8)), eMP_LineCreateProc);
  mCtx.State->SetOnLineActive(true);
  EXPECT_EQ(press(Hit(30, 8)), eMP_NoProcessToKill);
  EXPECT_EQ(press(Hit(1, 13)), eMP_NoProcessToKill);
}

TEST_F(NetHit, DoubleClickOnTheEditZoneTogglesTheWorkMode) {
  auto net = LoadNet(NetID());
  RecordingProcessControl control;
  HitRecord hit = Hit(30, 8);
  net->HitTestByPoint(hit);
  net->DoubleClick(control);
  EXPECT_EQ(control.WorkMode, 1);
  net->SetWorkMode(1);
  net->DoubleClick(control);
  EXPECT_EQ(control.WorkMode, 0);
}

TEST_F(NetHit, RightClickShowsTheMenuOfTheArea) {
  const long strip = NetID();
  AddContact(strip, 4, 3, 1);
  AddContact(strip, 20, 3, 2);
  auto net = LoadNet(strip);
  auto click = [&](HitRecord hit) {
    net->HitTestByPoint(hit);
    net->RightMouseUp();
    return mHost.Gui->MenusShown().back();
  };
  EXPECT_EQ(click(Hit(40, 8)), eGM_EditZone);
  EXPECT_EQ(click(Hit(1, 5)), eGM_StripHeader);
  EXPECT_EQ(click(Hit(2 + 5, 3)), eGM_Element);
  net->GetAllElements()->At(0)->SetIsSelected(true);
  net->GetAllElements()->At(1)->SetIsSelected(true);
  EXPECT_EQ(click(Hit(2 + 5, 3)), eGM_SelectedElements);
}

} // namespace
} // namespace ldr::test
