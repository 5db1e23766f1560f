// The communication boxes (clsUtilElementEx1) and the second utility set
// (clsUtilElementEx2): classes by family, pins by kind, configuration at drop
// time with its port notices, storing and reloading the parameter block with
// the operands it holds, and the pixels of one box of each class.
#include "ElementTestFixture.h"
#include "core/LdrError.h"
#include "outside/operands/OperandType.h"

#include "elements/clsUtilElementEx1.h"
#include "elements/clsUtilElementEx2.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/KindParamsObject.h"
#include "outside/operands/OperandPainter.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace ldr::test {
namespace {

class UtilParamsElement : public ElementTestFixture {
protected:
  long MessageCount(const std::string& start) {
    return std::count_if(mLog->Lines().begin(), mLog->Lines().end(),
                         [&](const std::string& line) { return line.rfind(start, 0) == 0; });
  }
  std::shared_ptr<ParamsBoxElement> Stored(std::int32_t type) {
    auto box = Make<ParamsBoxElement>(type, 20, 6);
    box->AddToDB(NetID());
    return box;
  }
  std::shared_ptr<itfLdrElement> Reloaded(std::int32_t id) {
    auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(id));
    auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
    auto loaded = CreateNewElement(mCtx, row.Field("ElmntType").AsLong());
    loaded->Load(row, operands);
    return loaded;
  }
};

TEST_F(UtilParamsElement, TheFamiliesPickTheClassAndTheKindGivesThePins) {
  struct Case {
    std::int32_t Type;
    bool SecondSet;
    std::size_t Inputs, Outputs;
  };
  for (const Case& c :
       {Case{1400, false, 0, 0}, Case{1425, false, 0, 0}, Case{1601, true, 1, 1}, Case{1613, true, 2, 1},
        Case{1623, true, 2, 0}, Case{1632, true, 3, 0}, Case{1268, true, 1, 0}, Case{1830, true, 2, 1}}) {
    auto element = CreateNewElement(mCtx, c.Type);
    ASSERT_NE(element, nullptr) << c.Type;
    EXPECT_EQ(dynamic_cast<clsUtilElementEx2*>(element.get()) != nullptr, c.SecondSet) << c.Type;
    EXPECT_EQ(dynamic_cast<clsUtilElementEx1*>(element.get()) != nullptr, !c.SecondSet) << c.Type;
    element->SetClassType(static_cast<enElementType>(c.Type));
    ASSERT_TRUE(element->InitOperandsData(true));
    EXPECT_EQ(element->InputOperands()->Count(), c.Inputs) << c.Type;
    EXPECT_EQ(element->OutputOperands()->Count(), c.Outputs) << c.Type;
  }
  auto box = Make(1632, 1, 1);
  EXPECT_EQ(box->Height(), 13) << "three pins make the box as high as a three-input sum";
}

TEST_F(UtilParamsElement, FixedEndPointsAndNoFlow) {
  for (std::int32_t type : {1404, 1629}) {
    auto box = Make(type, 10, 4);
    box->SetXe(40);
    box->SetYe(40);
    EXPECT_EQ(box->Inlet(), (tyLdrPoint{10, 4}));
    for (auto member : {std::function<void()>([&] { box->SetFlowDirection(eFD_Right); }),
                        std::function<void()>([&] { box->FlowDirection(); }),
                        std::function<void()>([&] { box->SetEnableFlow(true); }),
                        std::function<void()>([&] { box->SetInletRLOValue(eRV_High); })}) {
      try {
        member();
        ADD_FAILURE() << type << ": no error";
      } catch (const LdrError& error) {
        EXPECT_EQ(error.Code(), 217);
        EXPECT_EQ(error.ClassName(), type == 1404 ? "clsUtilElementEx1" : "clsUtilElementEx2");
      }
    }
  }
  EXPECT_EQ(MessageCount("msgbox \"read only\""), 4);
}

TEST_F(UtilParamsElement, ComBoxesPointOutAMissingPortAndAMissingComInit) {
  auto dial = Stored(eET_UtEx1_Dial);
  mHost.Answers->QueueDialog("phone=123");
  ASSERT_TRUE(dial->InitOperandsData(false));
  EXPECT_EQ(MessageCount("message 100"), 1);
  EXPECT_EQ(MessageCount("message 99"), 1);

  auto init = Stored(eET_UtEx1ComInit);
  mHost.Answers->QueueDialog("port=1");
  ASSERT_TRUE(init->InitOperandsData(false));
  auto hangUp = Stored(eET_UtEx1_Hangup);
  mHost.Answers->QueueDialog("port=2");
  ASSERT_TRUE(hangUp->InitOperandsData(false));
  EXPECT_EQ(MessageCount("message 100"), 1) << "the project holds a COM INIT box now";
  EXPECT_EQ(MessageCount("message 99"), 1);

  auto cancelled = Stored(eET_UtEx1ComInit);
  mHost.Answers->QueueDialogCancel();
  EXPECT_FALSE(cancelled->InitOperandsData(false));
  EXPECT_EQ(MessageCount("message 99"), 1);
}

TEST_F(UtilParamsElement, TheBlockAndItsOperandsAreStoredAndReloaded) {
  auto row = Stored(eET_UtEx1PLCDBReadLine);
  mHost.Answers->QueueDialog("table=9");
  mHost.Answers->QueueOperand({eOT_MI, 4, 0, 0});
  mHost.Answers->QueueOperand({eOT_MI, 20, 0, 0});
  ASSERT_TRUE(row->InitOperandsData(false));
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(row->ObjectID()) +
                   " AND OprndInIdx=OprndOutIdx AND OprndInIdx>=230"),
            2);
  auto loaded = std::dynamic_pointer_cast<ParamsBoxElement>(Reloaded(row->ObjectID()));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Params()->ConfigurationText(), "table=9");
  EXPECT_EQ(loaded->Params()->FieldOperand("data")->Address(), 20);
  EXPECT_EQ(loaded->MoreParamsBytesArray(), row->MoreParamsBytesArray());
  EXPECT_EQ(loaded->GetReplica()->MoreParamsBytesArray(), row->MoreParamsBytesArray());

  auto sum = Stored(eET_UtEx2_AddF);
  for (long address : {1, 2, 3}) mHost.Answers->QueueOperand({eOT_MI, address, 0, 0});
  ASSERT_TRUE(sum->InitOperandsData(false));
  auto again = Reloaded(sum->ObjectID());
  EXPECT_EQ(again->InputOperands()->Find(2L)->Address(), 2);
  EXPECT_EQ(again->OutputOperands()->Find(1L)->Address(), 3);
  EXPECT_EQ(again->ToolTipText(), "ADD F");
}

class UtilParamsPixels : public UtilParamsElement {
protected:
  gdi::Bitmap Drawn(std::int32_t type, bool selected) {
    GdiResources resources;
    resources.LadderFont = OperandPainter::LadderFont();
    resources.WhiteBrush = gdi::Brush::Solid(gdi::RGB(255, 255, 255));
    resources.GreyBrush = gdi::Brush::Solid(gdi::RGB(192, 192, 192));
    gdi::Bitmap canvas(420, 220);
    canvas.Fill(kBack);
    gdi::DeviceContext dc(canvas);
    auto box = Make(type, 2, 3);
    box->InitOperandsData(true);
    box->SetIsSelected(selected);
    box->Draw(dc, resources);
    return canvas;
  }
  // Relative to the inlet at grid (2, 3).
  static gdi::COLORREF At(const gdi::Bitmap& canvas, int x, int y) { return canvas.GetPixel(28 + x, 42 + y); }
  static constexpr gdi::COLORREF kBack = gdi::RGB(0, 0, 255);
  static constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
};

TEST_F(UtilParamsPixels, TheOnLinePointBoxDrawsItsPictureAndTheSelectedOne) {
  // Box from x 98 to 252, y -7 to 105; the 32-pixel picture centred below the divider.
  for (bool selected : {false, true}) {
    const gdi::Bitmap canvas = Drawn(eET_UtEx1ForceOnline, selected);
    const gdi::Bitmap& picture =
        gdi::ResourceLibrary::SharedBitmap(selected ? "ONLINE_POINT_SELECTED" : "ONLINE_POINT");
    for (auto [px, py] : {std::pair{16, 16}, std::pair{1, 1}, std::pair{16, 7}})
      EXPECT_EQ(At(canvas, 159 + px, 47 + py), picture.GetPixel(px, py)) << selected << " " << px << "," << py;
    EXPECT_EQ(At(canvas, 98, 60), kBlack);
    EXPECT_EQ(At(canvas, 251, 60), kBlack);
    EXPECT_EQ(At(canvas, 100, 104), kBlack);
    EXPECT_EQ(At(canvas, 95, 42), kBack) << "no pins";
  }
  EXPECT_NE(At(Drawn(eET_UtEx1ForceOnline, false), 2, -3), At(Drawn(eET_UtEx1ForceOnline, true), 2, -3));
}

TEST_F(UtilParamsPixels, ABoxWithoutAPictureShowsItsSettings) {
  const auto inkBelowTheDivider = [&](std::int32_t type) {
    const gdi::Bitmap canvas = Drawn(type, false);
    int ink = 0;
    for (int y = 25; y < 100; ++y)
      for (int x = 102; x < 248; ++x) ink += At(canvas, x, y) == kBlack;
    return ink;
  };
  EXPECT_GT(inkBelowTheDivider(eET_UtEx1ComInit), 50);
  EXPECT_EQ(inkBelowTheDivider(eET_UtEx1HideVars), 0) << "a box without settings stays empty";
}

TEST_F(UtilParamsPixels, ASecondSetBoxDrawsItsPins) {
  const gdi::Bitmap canvas = Drawn(eET_UtEx2_AddF, false);
  EXPECT_EQ(At(canvas, 94, 42), kBlack);  // input A
  EXPECT_EQ(At(canvas, 94, 91), kBlack);  // input B
  EXPECT_EQ(At(canvas, 255, 42), kBlack); // output C
  EXPECT_EQ(At(canvas, 255, 91), kBack);
  EXPECT_EQ(At(canvas, 3, 0), kBlack);   // rung
  EXPECT_EQ(At(canvas, 348, 0), kBlack); // to the outlet
  EXPECT_EQ(At(canvas, 353, 0), kBack);
}

} // namespace
} // namespace ldr::test
