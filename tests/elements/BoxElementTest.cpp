// The box elements: sizes, texts, type switching, operand slots and what
// they refuse.
#include "ElementTestFixture.h"

#include "core/LdrError.h"
#include "elements/clsNx1Element.h"
#include "elements/clsStoreLoadTimerElement.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandType.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace ldr::test {
namespace {

using BoxElement = ElementTestFixture;

TEST_F(BoxElement, SizesPerClass) {
  struct Case {
    std::int32_t Type;
    const char* Class;
    std::int32_t Height;
    std::int32_t Width;
  };
  const Case cases[] = {
      {300, "clsCompareElement", 9, 13}, {1701, "clsInRangeElement", 13, 13},      {400, "cls2x1Element", 9, 19},
      {501, "clsNx1Element", 13, 19},    {506, "clsNx1Element", 30, 19},           {524, "clsNx1Element", 23, 19},
      {1500, "cls0x1Element", 6, 13},    {700, "clsDirectClock", 9, 13},           {702, "clsDirectClock", 9, 19},
      {804, "clsIndirectClock", 9, 13},  {900, "clsStoreElement", 6, 19},          {1901, "clsStoreElementEx", 9, 13},
      {1002, "clsLoadElement", 6, 19},   {1101, "clsStoreLoadTimerElement", 6, 19}};
  for (const auto& c : cases) {
    auto box = Make(c.Type, 10, 4);
    EXPECT_STREQ(box->ClassName(), c.Class) << c.Type;
    EXPECT_EQ(box->Height(), c.Height) << c.Type;
    EXPECT_EQ(box->Outlet(), (tyLdrPoint{10 + c.Width, 4})) << c.Type;
    box->Move(2, 1);
    EXPECT_EQ(box->GetBoundingRect(), (Rect{12, 4, 12 + c.Width, 4 + c.Height})) << c.Type;
  }
}

TEST_F(BoxElement, ToolTipsWithTheirBlanks) {
  const std::pair<std::int32_t, const char*> cases[] = {{300, "A > B"},
                                                        {303, "A <> B"},
                                                        {305, "A < B"},
                                                        {1701, "Within Range"},
                                                        {407, "C = A MOD B"},
                                                        {405, "C = A ADD B"},
                                                        {501, "D =  ADD A..C"},
                                                        {506, "I =  ADD A..H"},
                                                        {533, "F =  DIV A..E"},
                                                        {1500, " Increment "},
                                                        {1501, " Decrement "},
                                                        {900, " Store Direct "},
                                                        {904, "Store Indirect [SL]"},
                                                        {1906, "Store Indirect [SDW]"},
                                                        {1003, "Load Indirect [SL]"},
                                                        {1100, "A  STORE   B"},
                                                        {1103, "A  LOAD   B"}};
  for (const auto& [type, text] : cases) EXPECT_EQ(Make(type, 0, 4)->ToolTipText(), text) << type;
}

TEST_F(BoxElement, DamagedNx1TypeStaysWithinEightInputs) {
  EXPECT_EQ(clsNx1Element::InputsOf(509), 8);
  EXPECT_EQ(clsNx1Element::InputsOf(530), 2);
  auto box = Make(519, 0, 4);
  EXPECT_EQ(box->Height(), 30);
  ASSERT_TRUE(box->InitOperandsData(true));
  EXPECT_EQ(box->InputOperands()->Count(), 8u);
}

TEST_F(BoxElement, CompareSwitchKeepsOperandsAndStoresTheType) {
  auto box = Make(eET_LessThan, 10, 4);
  box->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_MI, 5, 0, 0});
  mHost.Answers->QueueOperand({eOT_ML, 7, 0, 0});
  ASSERT_TRUE(box->InitOperandsData(false));
  box->SpecialToolRequest("ID_GreaterEqual");
  EXPECT_EQ(box->ClassType(), eET_GreaterEqual);
  EXPECT_EQ(box->ToolTipText(), "A >= B");
  EXPECT_EQ(Scalar("SELECT ElmntType FROM LdrElements WHERE ElmntID=" + std::to_string(box->ObjectID())), 301);
  EXPECT_EQ(box->InputOperands()->Find(1L)->Address(), 5);
  EXPECT_EQ(box->InputOperands()->Find(2L)->OprndType(), eOT_ML);
  EXPECT_EQ(box->InputOperands()->Find(2L)->ElementType(), 301);
  // Tools of other families and of the same family's palette change nothing.
  for (const char* tool : {"ID_Add", "ID_InRange", "ID_LGraterThen", "ID_DirectCoil"}) box->SpecialToolRequest(tool);
  EXPECT_EQ(box->ClassType(), eET_GreaterEqual);
}

TEST_F(BoxElement, SwitchingStaysInsideTheFamily) {
  auto math = Make(eET_Sub, 0, 4);
  math->SpecialToolRequest("ID_MOD");
  EXPECT_EQ(math->ClassType(), eET_MOD);
  auto wide = Make(eET_Add3x1, 0, 4);
  wide->SpecialToolRequest("ID_Mul");
  EXPECT_EQ(wide->ClassType(), eET_Add3x1);
  auto step = Make(eET_IncrementElement, 0, 4);
  step->SpecialToolRequest("ID_SDecrement");
  EXPECT_EQ(step->ClassType(), eET_DecrementElement);
  // One tool name, two families: each box takes its own type.
  auto store = Make(eET_StoreDirect, 0, 4);
  store->SpecialToolRequest("ID_StoreIndirectSL");
  EXPECT_EQ(store->ClassType(), eET_StoreIndirectSL);
  auto storeEx = Make(eET_StoreIndirectMI_Ex, 0, 4);
  storeEx->SpecialToolRequest("ID_StoreIndirectSL");
  EXPECT_EQ(storeEx->ClassType(), eET_StoreIndirectSL_Ex);
  auto load = Make(eET_LoadIndirectMI, 0, 4);
  load->SpecialToolRequest("ID_StoreIndirectSL");
  EXPECT_EQ(load->ClassType(), eET_LoadIndirectMI);
  load->SpecialToolRequest("ID_LoadIndirectDW");
  EXPECT_EQ(load->ClassType(), eET_LoadIndirectDW);
  auto timer = Make(eET_StoreTimerPreset, 0, 4);
  timer->SpecialToolRequest("ID_StoreDirect");
  EXPECT_EQ(timer->ClassType(), eET_StoreTimerPreset);
}

TEST_F(BoxElement, SlotsAskedInOrderAndStored) {
  auto box = Make(eET_Add, 10, 4);
  box->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_MI, 1, 0, 0});
  mHost.Answers->QueueOperand({eOT_MI, 2, 0, 0});
  mHost.Answers->QueueOperand({eOT_MI, 3, 0, 0});
  ASSERT_TRUE(box->InitOperandsData(false));
  EXPECT_EQ(Longs("SELECT OprndInIdx*100+OprndOutIdx*10+Elmnt_Oprnd_Adrs FROM LdrElmsOprs WHERE ElmntID=" +
                  std::to_string(box->ObjectID()) + " ORDER BY rowid"),
            (std::vector<long>{101, 202, 13}));
  EXPECT_EQ(box->NumberOfInputs(), 2);
  EXPECT_TRUE(box->IsEnableInEnableOut());
}

TEST_F(BoxElement, CancelledSecondSlotDiscardsTheFirst) {
  auto box = Make(eET_StoreIndirectMI_Ex, 10, 4);
  box->AddToDB(NetID());
  mHost.Answers->QueueOperand({eOT_MI, 1, 0, 0});
  mHost.Answers->QueueOperandCancel();
  EXPECT_FALSE(box->InitOperandsData(false));
  EXPECT_EQ(box->InputOperands()->Count(), 0u);
  EXPECT_EQ(Scalar("SELECT COUNT(*) FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(box->ObjectID())), 0);
  EXPECT_EQ(box->NumberOfInputs(), 0);
}

TEST_F(BoxElement, SlotsAcceptWhatTheOperationTakes) {
  auto timer = Make(eET_StoreTimerPreset, 10, 4);
  ASSERT_TRUE(timer->InitOperandsData(true));
  const auto target = timer->OutputOperands()->Find(1L);
  EXPECT_TRUE(target->Accepts(eOT_T));
  EXPECT_TRUE(target->Accepts(eOT_C));
  EXPECT_FALSE(target->Accepts(eOT_MI));
  EXPECT_TRUE(timer->InputOperands()->Find(1L)->Accepts(eOT_MI));
  auto compare = Make(eET_Equal, 10, 4);
  ASSERT_TRUE(compare->InitOperandsData(true));
  EXPECT_FALSE(compare->InputOperands()->Find(1L)->Accepts(eOT_MB));
}

TEST_F(BoxElement, TimerTitleNamesItsOperand) {
  auto timer = Make<clsStoreLoadTimerElement>(eET_StoreTimerPreset, 10, 4);
  ASSERT_TRUE(timer->InitOperandsData(true));
  EXPECT_EQ(timer->ToolTipText(), "A  STORE   B");
  timer->OutputOperands()->Find(1L)->SetKey({eOT_C, 3, 0});
  EXPECT_EQ(timer->ToolTipText(), "A  ST CP  B");
  auto load = Make(eET_LoadTimerCurrent, 10, 4);
  ASSERT_TRUE(load->InitOperandsData(true));
  load->InputOperands()->Find(1L)->SetKey({eOT_T, 3, 0});
  EXPECT_EQ(load->ToolTipText(), "A  LD TC  B");
}

TEST_F(BoxElement, EndPointAndPositionAreReadOnly) {
  for (const std::int32_t type : {300, 1701, 405, 506, 1500, 700, 800, 900, 1000, 1100, 1901}) {
    auto box = Make(type, 10, 4);
    box->SetXe(40);
    box->SetYe(9);
    EXPECT_EQ(box->Inlet(), (tyLdrPoint{10, 4})) << type;
  }
  EXPECT_EQ(std::count(mLog->Lines().begin(), mLog->Lines().end(), "msgbox \"read only\""), 22);
  auto compare = Make(eET_Equal, 10, 4);
  compare->SetOutlet({40, 9});
  compare->SetInlet({40, 9});
  EXPECT_EQ(compare->Inlet(), (tyLdrPoint{10, 4}));
  ASSERT_EQ(Errors().size(), 2u);
  EXPECT_EQ(Errors()[0].Title, "Read Only Property");
  EXPECT_EQ(Errors()[0].Description, "Cannot write value");
  EXPECT_EQ(Errors()[0].Procedure, "itfLdrElement_Outlet");
  EXPECT_EQ(Errors()[1].ClassName, "clsCompareElement");
}

TEST_F(BoxElement, RefusedMembers) {
  const auto refuses = [](const std::function<void()>& call, const char* module, const char* procedure) {
    try {
      call();
    } catch (const LdrError& error) {
      EXPECT_EQ(error.Code(), 217);
      EXPECT_EQ(error.ClassName(), module);
      EXPECT_EQ(error.Procedure(), procedure);
      return;
    }
    ADD_FAILURE() << module << " " << procedure << " was accepted";
  };
  auto compare = Make(eET_Equal, 0, 4);
  auto math = Make(eET_Add, 0, 4);
  auto store = Make(eET_StoreDirect, 0, 4);
  auto storeEx = Make(eET_StoreIndirectMI_Ex, 0, 4);
  auto clock = Make(eET_DirTime, 0, 4);
  refuses([&] { compare->Delta(); }, "clsCompareElement", "itfLdrElement_Delta");
  refuses([&] { compare->SetInletRLOValue(eRV_High); }, "clsCompareElement", "itfLdrElement_InletRLOValue");
  refuses([&] { math->FlowDirection(); }, "cls2x1Element", "itfLdrElement_FlowDirection");
  refuses([&] { math->SetEnableFlow(true); }, "cls2x1Element", "itfLdrElement_EnableFlow");
  refuses([&] { store->SetInletRLOValue(eRV_High); }, "clsStoreElement", "itfLdrElement_InletRLOValue");
  refuses([&] { storeEx->Delta(); }, "clsStoreElementEx", "itfLdrElement_Delta");
  refuses([&] { clock->SetInletRLOValue(eRV_Low); }, "clsDirectClock", "itfLdrElement_InletRLOValue");
  EXPECT_EQ(store->Delta(), (tyLdrPoint{0, 0}));
  ASSERT_TRUE(storeEx->InitOperandsData(true));
  EXPECT_EQ(storeEx->InputOperands()->Count(), 2u);
  EXPECT_EQ(storeEx->NumberOfInputs(), 0);
}

TEST_F(BoxElement, HitZones) {
  auto math = Make(eET_Add, 10, 4);
  ASSERT_TRUE(math->InitOperandsData(true));
  const auto hit = [&](itfLdrElement& element, std::int32_t dx, std::int32_t dy) {
    HitRecord record{};
    record.X = 10 + dx;
    record.Y = 4 + dy;
    record.Button = 1;
    element.HitTestByPoint(record);
    EXPECT_EQ(record.X, 10 + dx);
    return element.GetHitParameters().HitKind;
  };
  EXPECT_EQ(hit(*math, 7, 0), eHK_ElementBody);
  EXPECT_EQ(hit(*math, 12, 7), eHK_ElementBody);
  EXPECT_EQ(hit(*math, 9, 8), eHK_Nothing);
  EXPECT_EQ(hit(*math, 3, 3), eHK_ElementOperand);
  EXPECT_EQ(math->ActiveOperand(), math->InputOperands()->Find(1L));
  EXPECT_EQ(hit(*math, 3, 6), eHK_ElementOperand);
  EXPECT_EQ(math->ActiveOperand(), math->InputOperands()->Find(2L));
  EXPECT_EQ(hit(*math, 15, 3), eHK_ElementOperand);
  EXPECT_EQ(math->ActiveOperand(), math->OutputOperands()->Find(1L));
  EXPECT_EQ(hit(*math, 3, 0), eHK_Nothing);
  auto step = Make(eET_IncrementElement, 10, 4);
  ASSERT_TRUE(step->InitOperandsData(true));
  EXPECT_EQ(hit(*step, 1, 4), eHK_ElementBody);
  EXPECT_EQ(hit(*step, 9, 3), eHK_ElementOperand);
  EXPECT_EQ(hit(*step, 8, 5), eHK_Nothing);
}

// The title row under the "EN  ENO" band and the row under the divider are
// body all across the box: the operands stand beside it, their description
// rows too (the indirect clock writes its operands inside, from the row under
// the divider). Boxes run from column 7 to 12, those without inputs from 1 to 6.
TEST_F(BoxElement, TheRowsUnderTheHeaderHitTheBody) {
  for (std::int32_t type : {300, 1701, 400, 501, 1500, 700, 804, 900, 1901, 1002, 1101, 1200, 1647}) {
    auto box = Make(type, 10, 4);
    ASSERT_TRUE(box->InitOperandsData(true)) << type;
    const std::int32_t left = type == 1500 || type == 700 || type == 804 ? 1 : 7;
    for (std::int32_t dy : {1, 2}) {
      if (type == 804 && dy == 2) continue;
      for (std::int32_t dx = left; dx <= left + 5; ++dx) {
        HitRecord record{};
        record.X = 10 + dx;
        record.Y = 4 + dy;
        box->HitTestByPoint(record);
        EXPECT_EQ(box->GetHitParameters().HitKind, eHK_ElementBody) << type << " at " << dx << "," << dy;
      }
    }
  }
}

TEST_F(BoxElement, LoadedAndReplicatedWithTheirOperands) {
  auto box = Make(eET_Mul5x1, 20, 6);
  box->AddToDB(NetID());
  for (long address = 1; address <= 6; ++address) mHost.Answers->QueueOperand({eOT_MI, address, 0, 0});
  ASSERT_TRUE(box->InitOperandsData(false));
  auto row = Db().Query("SELECT * FROM LdrElements WHERE ElmntID=" + std::to_string(box->ObjectID()));
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  auto loaded = CreateNewElement(mCtx, eET_Mul5x1);
  loaded->Load(row, operands);
  EXPECT_EQ(loaded->Height(), 20);
  ASSERT_EQ(loaded->InputOperands()->Count(), 5u);
  EXPECT_EQ(loaded->InputOperands()->Find(5L)->Address(), 5);
  EXPECT_EQ(loaded->OutputOperands()->Find(1L)->Address(), 6);
  // Loaded operands stand beside their pins, not above the rung.
  EXPECT_EQ(loaded->InputOperands()->Find(5L)->Display().OffsetY, (49 * 5 - 7) / 14);
  auto replica = loaded->GetReplica();
  EXPECT_EQ(replica->ObjectID(), -1);
  EXPECT_EQ(replica->ClassType(), eET_Mul5x1);
  EXPECT_EQ(replica->InputOperands()->Find(3L)->Address(), 3);
  EXPECT_EQ(replica->ToolTipText(), "F =  MUL A..E");
}

TEST_F(BoxElement, UnknownTypesInsideKnownFamiliesLoadDrawAndSwitch) {
  const long net = NetID();
  const std::vector<long> types = {308, 409, 508, 709, 809, 907, 1009, 1108, 1502, 1702, 1907};
  for (const long type : types)
    Db().AddRow("LdrElements", {{"StripID", net}, {"ElmntType", type}, {"Xs", 1}, {"Ys", 4}});
  gdi::Bitmap canvas(300, 500);
  gdi::DeviceContext dc(canvas);
  const GdiResources resources;
  auto operands = Db().Query("SELECT * FROM LdrElmsOprs");
  auto rows = Db().Query("SELECT * FROM LdrElements WHERE ElmntType IN (308, 409, 508, 709, 809, 907, 1009, 1108, "
                         "1502, 1702, 1907) ORDER BY ElmntID");
  std::vector<long> loaded;
  for (; !rows.IsEOF(); rows.MoveNext()) {
    auto box = CreateNewElement(mCtx, rows.Field("ElmntType").AsLong());
    ASSERT_NE(box, nullptr);
    box->Load(rows, operands);
    EXPECT_NO_THROW(box->Draw(dc, resources)) << box->ClassType();
    EXPECT_NO_THROW(box->ToolTipText()) << box->ClassType();
    EXPECT_GE(box->Height(), 6) << box->ClassType();
    EXPECT_LE(box->Height(), 30) << box->ClassType();
    loaded.push_back(box->ClassType());
  }
  EXPECT_EQ(loaded, types);
}

} // namespace
} // namespace ldr::test
