// The utility boxes: operand counts per type, empty slots with their
// prompts, the configuration of the linearisation and PID boxes, their
// pictures, what they refuse, and damaged rows.
#include "ElementTestFixture.h"

#include "core/LdrError.h"
#include "elements/UtilityBox.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"
#include "platform/drawing/ResourceLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace ldr::test {
namespace {

using UtilElement = ElementTestFixture;

std::string Id(const std::shared_ptr<ElementBase>& element) { return std::to_string(element->ObjectID()); }

TEST_F(UtilElement, OperandCountsAndPromptsOfANewBox) {
  const struct {
    std::int32_t Type;
    std::size_t Inputs;
    std::size_t Outputs;
    std::int32_t Height;
  } cases[] = {{1256, 7, 1, 27}, {1233, 2, 0, 9}, {1200, 2, 2, 9}, {1221, 5, 0, 20}, {1266, 0, 0, 9}};
  for (const auto& c : cases) {
    auto box = Make(c.Type, 4, 5);
    EXPECT_STREQ(box->ClassName(), "clsUtilElement");
    box->AddToDB(NetID());
    ASSERT_TRUE(box->InitOperandsData(false)) << c.Type;
    EXPECT_EQ(box->InputOperands()->Count(), c.Inputs) << c.Type;
    EXPECT_EQ(box->OutputOperands()->Count(), c.Outputs) << c.Type;
    EXPECT_EQ(box->Height(), c.Height) << c.Type;
    EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + Id(box)),
              static_cast<long>(c.Inputs + c.Outputs))
        << c.Type;
  }
  // Nobody is asked: the slots show their prompt until the user fills them.
  auto step = Make(1256, 4, 5);
  ASSERT_TRUE(step->InitOperandsData(false));
  EXPECT_EQ(step->InputOperands()->Find(7L)->DefaultText(), "Select Operand And Address");
  EXPECT_EQ(Longs("SELECT OprndOutIdx FROM LdrElmsOprs WHERE OprndOutIdx>0 AND ElmntID IN (SELECT ElmntID FROM "
                  "LdrElements WHERE ElmntType=1256)"),
            std::vector<long>{1});
}

TEST_F(UtilElement, TitlesAndToolTips) {
  EXPECT_EQ(Make(1230, 0, 4)->ToolTipText(), "RS Flip Flop");
  EXPECT_EQ(Make(1267, 0, 4)->ToolTipText(), "Replace Substring A with Substring B in String");
  EXPECT_EQ(Make(1266, 0, 4)->ToolTipText(), "");
  EXPECT_EQ(Make(1300, 0, 4)->ToolTipText(), "Linearization ");
  EXPECT_EQ(Make(1303, 0, 4)->ToolTipText(), "Vect. Linearization ");
  EXPECT_STREQ(Make(1301, 0, 4)->ClassName(), "clsUtilElementEx");
}

TEST_F(UtilElement, EndPointIsReadOnlyAndFlowIsRefused) {
  for (const std::int32_t type : {1200, 1256, 1300}) {
    auto box = Make(type, 10, 4);
    box->SetXe(40);
    box->SetYe(9);
    EXPECT_EQ(box->Inlet(), (tyLdrPoint{10, 4})) << type;
    EXPECT_EQ(box->GetBoundingRect().Left, 10) << type;
    const std::string module = box->ClassName();
    const std::function<void()> refused[] = {[&] { box->EnableFlow(); }, [&] { box->SetEnableFlow(true); },
                                             [&] { box->FlowDirection(); }, [&] { box->SetFlowDirection(eFD_Right); },
                                             [&] { box->SetInletRLOValue(eRV_High); }};
    for (const auto& call : refused) {
      try {
        call();
        ADD_FAILURE() << type << " accepted a refused member";
      } catch (const LdrError& error) {
        EXPECT_EQ(error.Code(), 217);
        EXPECT_EQ(error.ClassName(), module);
      }
    }
  }
  EXPECT_EQ(std::count(mLog->Lines().begin(), mLog->Lines().end(), "msgbox \"read only\""), 6);
}

class UtilPictures : public UtilElement {
protected:
  // Whether the box at grid (2, 3), drawn (selected or not), shows the
  // resource picture `name` pixel for pixel.
  bool ShowsPicture(std::int32_t type, bool selected, const std::string& name) {
    gdi::Bitmap canvas(400, 300);
    canvas.Fill(gdi::RGB(0, 0, 255));
    gdi::DeviceContext dc(canvas);
    GdiResources resources;
    resources.WhiteBrush = gdi::Brush::Solid(gdi::RGB(255, 255, 255));
    resources.GreyBrush = gdi::Brush::Solid(gdi::RGB(192, 192, 192));
    auto box = Make(type, 2, 3);
    box->SetIsSelected(selected);
    box->Draw(dc, resources);
    const gdi::Bitmap& picture = gdi::ResourceLibrary::SharedBitmap(name);
    const int x0 = 28 + UtilityBox::kPictureX;
    const int y0 = 42 + UtilityBox::kPictureY;
    for (int y = 0; y < picture.Height(); ++y)
      for (int x = 0; x < picture.Width(); ++x)
        if (canvas.GetPixel(x0 + x, y0 + y) != picture.GetPixel(x, y)) return false;
    return true;
  }
};

TEST_F(UtilPictures, FlipFlopDrawsItsPictureAndItsSelectedTwin) {
  EXPECT_TRUE(ShowsPicture(1230, false, "FLIP_FLOP_RS"));
  EXPECT_FALSE(ShowsPicture(1230, false, "FLIP_FLOP_RS_SELECTED"));
  EXPECT_TRUE(ShowsPicture(1230, true, "FLIP_FLOP_RS_SELECTED"));
  EXPECT_TRUE(ShowsPicture(1231, false, "FLIP_FLOP_SR"));
  EXPECT_TRUE(ShowsPicture(1301, false, "PID"));
  EXPECT_TRUE(ShowsPicture(1303, true, "VECT_LINEARIZATION_SELECTED"));
}

TEST_F(UtilElement, StoredAndLoadedBackWithTheirSlots) {
  for (const std::int32_t type : {1204, 1256, 1269}) {
    auto box = Make(type, 3, 6);
    box->AddToDB(NetID());
    ASSERT_TRUE(box->InitOperandsData(false));
    box->InputOperands()->Find(1L)->SetKey({eOT_MI, 40, 0});
    box->AddOperandsToDB();
    auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + Id(box));
    auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
    auto loaded = CreateNewElement(mCtx, type);
    loaded->Load(row, operands);
    EXPECT_EQ(loaded->ClassType(), type);
    EXPECT_EQ(loaded->Inlet(), (tyLdrPoint{3, 6}));
    EXPECT_EQ(loaded->InputOperands()->Count(), box->InputOperands()->Count()) << type;
    EXPECT_EQ(loaded->OutputOperands()->Count(), box->OutputOperands()->Count()) << type;
    EXPECT_EQ(loaded->InputOperands()->Find(1L)->Address(), 40) << type;
    EXPECT_EQ(loaded->GetReplica()->GetPropertyBag(), loaded->GetPropertyBag()) << type;
  }
}

TEST_F(UtilElement, UnknownTypesAndDamagedRowsLoadAndDraw) {
  const long net = NetID();
  for (const long type : {1266L, 1270L, 1299L})
    Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", type}, {"Xs", 1}, {"Ys", 4}});
  Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", 1230L}, {"Xs", 1}, {"Ys", 4}});
  const long flipFlop = Scalar("SELECT MAX(ElmntID) FROM LdrElements");
  // Slots the box does not have, one far beyond any pin, and a row without a slot.
  for (const long slot : {3L, 2147483647L, 0L})
    Db().AddRow("LdrElmsOprs", {{"ElmntID", flipFlop},
                                {"OprndInIdx", slot},
                                {"OprndOutIdx", 0L},
                                {"Elmnt_Oprnd_Type", static_cast<long>(eOT_MI)},
                                {"Elmnt_Oprnd_Adrs", 1L}});
  gdi::Bitmap canvas(400, 600);
  gdi::DeviceContext dc(canvas);
  const GdiResources resources;
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  auto rows = Db().Query("SELECT * FROM LdrElements WHERE ElmntType BETWEEN 1200 AND 1299 ORDER BY ElmntID");
  int loaded = 0;
  for (; !rows.IsEOF(); rows.MoveNext(), ++loaded) {
    auto box = CreateNewElement(mCtx, rows.Field("ElmntType").AsLong());
    ASSERT_NE(box, nullptr);
    box->Load(rows, operands);
    EXPECT_NO_THROW(box->Draw(dc, resources)) << box->ClassType();
    EXPECT_NO_THROW(box->PrintElement(dc)) << box->ClassType();
    EXPECT_GE(box->Height(), 9);
  }
  EXPECT_EQ(loaded, 4);
}

// --- linearisation and PID ------------------------------------------------------------

TEST_F(UtilElement, ConfigurationFillsEveryOperandAtOnce) {
  auto linear = Make(eET_UtExLinear, 10, 4);
  linear->AddToDB(NetID());
  mHost.Answers->QueueDialog("MI 1, MI 2, MI 3");                         // too few
  mHost.Answers->QueueDialog("MI 1, MI 2, MI 3, MI 4, MI 5, MI 6, MI 7"); // too many
  mHost.Answers->QueueDialog("MI 1, MI 2, XX 3, MI 4, MI 5, MI 6");
  mHost.Answers->QueueDialog("MI 1, ML 2, MI 3, MI 4, MI 5, MI 6");
  ASSERT_TRUE(linear->InitOperandsData(false));
  EXPECT_TRUE(mLog->Contains("dialog config \"\" -> \"MI 1, MI 2, MI 3\""));
  EXPECT_TRUE(mLog->Contains("msgbox \"Enter 6 operands separated by commas (found 3).\""));
  EXPECT_TRUE(mLog->Contains("msgbox \"Operand 3: \\\"XX\\\" is no operand type.\""));
  EXPECT_EQ(Longs("SELECT OprndInIdx*1000+OprndOutIdx*100+Elmnt_Oprnd_Type*10+Elmnt_Oprnd_Adrs FROM LdrElmsOprs "
                  "WHERE ElmntID=" +
                  Id(linear) + " ORDER BY rowid"),
            (std::vector<long>{1031, 2052, 3033, 4034, 5035, 136}));
  EXPECT_EQ(linear->InputOperands()->Find(2L)->DefaultText(), "Select X1");
}

TEST_F(UtilElement, CancelledConfigurationAtTheDropRemovesTheBox) {
  auto pid = Make(eET_UtExPID, 10, 4);
  pid->AddToDB(NetID());
  mHost.Answers->QueueDialogCancel();
  EXPECT_FALSE(pid->InitOperandsData(false));
  EXPECT_EQ(pid->InputOperands()->Count() + pid->OutputOperands()->Count(), 0u);
  pid->DeleteFromDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntID=" + Id(pid)), 0);
  EXPECT_TRUE(Errors().empty());
}

TEST_F(UtilElement, DeletingRowsThatDoNotMatchTheOperandsIsReported) {
  auto linear = Make(eET_UtExVectLinear, 10, 4);
  linear->AddToDB(NetID());
  mHost.Answers->QueueDialog("MI 1, MI 2, MI 3, MI 4, MI 5, MI 6, MI 7");
  ASSERT_TRUE(linear->InitOperandsData(false));
  Db().Execute("DELETE FROM LdrElmsOprs WHERE ElmntID=" + Id(linear) + " AND OprndOutIdx=1");
  linear->DeleteFromDB();
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElements WHERE ElmntID=" + Id(linear)), 0);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].Code(), 0);
  EXPECT_EQ(Errors()[0].Title, "lRecordsAffected <> lNumOfOperands");
  EXPECT_EQ(Errors()[0].ClassName, "clsUtilElementEx");
  EXPECT_EQ(Errors()[0].Procedure, "prvDeleteElementOperandsFromDB");
}

TEST_F(UtilElement, PropertyBagOfTheConfiguredBox) {
  auto linear = Make(eET_UtExLinear, 10, 4);
  mHost.Answers->QueueDialog("MI 1, MI 2, MI 3, MI 4, MI 5, MI 6");
  ASSERT_TRUE(linear->InitOperandsData(false));
  const PropertyBag bag = linear->GetPropertyBag();
  EXPECT_EQ(bag.ReadProperty("ElementType", 0).AsLong(), 1300);
  EXPECT_EQ(bag.ReadProperty("InCount", 0).AsLong(), 5);
  EXPECT_EQ(bag.ReadProperty("OutCount", 0).AsLong(), 1);
  auto replica = linear->GetReplica();
  EXPECT_EQ(replica->OutputOperands()->Find(1L)->Address(), 6);
  EXPECT_EQ(replica->ToolTipText(), "Linearization ");
}

} // namespace
} // namespace ldr::test
