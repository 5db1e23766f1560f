// Members a family does not support raise error 217 naming the class and the
// member, and leave the element as it was: one typed test over the families.
#include "ElementTestFixture.h"

#include "core/LdrError.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ldr::test {
namespace {

struct UnsupportedCall {
  std::string Procedure;
  std::function<void(itfLdrElement&)> Run;
};

std::shared_ptr<itfLdrElement> Placed(LdrContext& ctx, enElementType type, tyLdrPoint at) {
  auto element = CreateNewElement(ctx, type);
  element->SetClassType(type);
  element->SetXs(at.X);
  element->SetYs(at.Y);
  return element;
}

struct LineFamily {
  static constexpr const char* kClassName = "clsLineElement";
  static std::shared_ptr<itfLdrElement> Sample(LdrContext& ctx) {
    auto line = CreateNewElement(ctx, eET_LdrLine);
    line->SetXs(4);
    line->SetYs(7);
    line->SetXe(9);
    line->SetYe(7);
    return line;
  }
  static std::vector<UnsupportedCall> Calls() {
    return {
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.SetEnableFlow(true); }},
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.EnableFlow(); }},
        {"itfLdrElement_ClassType", [](itfLdrElement& e) { e.SetClassType(eET_VertLine); }},
        {"itfLdrElement_InletRLOValue", [](itfLdrElement& e) { e.SetInletRLOValue(eRV_High); }},
        {"itfLdrElement_NumberOfInputs", [](itfLdrElement& e) { e.NumberOfInputs(); }},
        {"itfLdrElement_NumberOfOutputs", [](itfLdrElement& e) { e.SetNumberOfOutputs(2); }},
        {"itfLdrElement_InitOperandsData", [](itfLdrElement& e) { e.InitOperandsData(true); }},
        {"itfLdrElement_QueryForUpdateOfOperandData", [](itfLdrElement& e) { e.QueryForUpdateOfOperandData(); }},
    };
  }
};

struct SimpleFamily {
  static constexpr const char* kClassName = "clsSimpleElement";
  static std::shared_ptr<itfLdrElement> Sample(LdrContext& ctx) { return Placed(ctx, eET_DirectContact, {10, 5}); }
  static std::vector<UnsupportedCall> Calls() {
    return {
        {"itfLdrElement_Stretch", [](itfLdrElement& e) { e.Stretch(2, 0); }},
        {"itfLdrElement_Xe", [](itfLdrElement& e) { e.SetXe(3); }},
        {"itfLdrElement_Ye", [](itfLdrElement& e) { e.SetYe(3); }},
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.EnableFlow(); }},
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.SetEnableFlow(true); }},
    };
  }
};

struct JumpFamily {
  static constexpr const char* kClassName = "clsJumpElement";
  static std::shared_ptr<itfLdrElement> Sample(LdrContext& ctx) { return Placed(ctx, eET_CallFunction, {40, 5}); }
  static std::vector<UnsupportedCall> Calls() {
    return {
        {"itfLdrElement_FlowDirection", [](itfLdrElement& e) { e.FlowDirection(); }},
        {"itfLdrElement_FlowDirection", [](itfLdrElement& e) { e.SetFlowDirection(eFD_Right); }},
        {"itfLdrElement_FlowDirection", [](itfLdrElement& e) { e.SetFlowDirection(eFD_Left); }},
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.EnableFlow(); }},
        {"itfLdrElement_EnableFlow", [](itfLdrElement& e) { e.SetEnableFlow(false); }},
        {"itfLdrElement_InletRLOValue", [](itfLdrElement& e) { e.SetInletRLOValue(eRV_High); }},
    };
  }
};

template <class Family> class ElementNotSupported : public ElementTestFixture {
protected:
  std::shared_ptr<itfLdrElement> Sample() { return Family::Sample(mCtx); }
};

using BuiltFamilies = ::testing::Types<LineFamily, SimpleFamily, JumpFamily>;
TYPED_TEST_SUITE(ElementNotSupported, BuiltFamilies);

TYPED_TEST(ElementNotSupported, RaisesError217NamingClassAndMemberAndChangesNothing) {
  auto element = this->Sample();
  const Rect box = element->GetBoundingRect();
  const tyLdrPoint inlet = element->Inlet();
  const enElementType type = element->ClassType();
  for (const auto& call : TypeParam::Calls()) {
    try {
      call.Run(*element);
      ADD_FAILURE() << call.Procedure << " did not raise";
    } catch (const LdrError& e) {
      EXPECT_EQ(e.Code(), 217) << call.Procedure;
      EXPECT_EQ(e.Number(), 0x80040000u + 217);
      EXPECT_EQ(e.Title(), "Not supported");
      EXPECT_EQ(e.Message(), "Object doesn't support this property or method");
      EXPECT_EQ(e.ClassName(), TypeParam::kClassName);
      EXPECT_EQ(e.Procedure(), call.Procedure);
    }
  }
  EXPECT_EQ(element->GetBoundingRect(), box);
  EXPECT_EQ(element->Inlet(), inlet);
  EXPECT_EQ(element->ClassType(), type);
}

} // namespace
} // namespace ldr::test
