#include "elements/clsIndirectClock.h"

namespace ldr {
namespace {

// The operands stand right of the labels, on the label rows.
constexpr int kOperandColumn = 5;
constexpr int kFromRow = 3;
constexpr int kToRow = 6;

} // namespace

OperandDisplay clsIndirectClock::SlotDisplay(bool, std::int32_t slot) const {
  return {eOA_RightOfPin, kOperandMaxChars, kOperandColumn, slot == 1 ? kFromRow : kToRow};
}

bool clsIndirectClock::InitOperandsData(bool dummy) {
  const bool created = CreateSlots(kInputs, 0, dummy);
  mNumberOfInputs = static_cast<std::int32_t>(mInputs->Count());
  return created;
}

db::FieldList clsIndirectClock::StoredColumns() {
  auto columns = ElementBase::StoredColumns();
  columns.push_back({"NumberOfInputs", static_cast<long>(mNumberOfInputs)});
  return columns;
}

void clsIndirectClock::ReadFamilyColumns(const FieldReader& field) {
  mNumberOfInputs = static_cast<std::int32_t>(field("NumberOfInputs").AsLong());
}

void clsIndirectClock::ReadFamilyProperties(const PropertyBag& bag) {
  mNumberOfInputs = static_cast<std::int32_t>(bag.ReadProperty("InCount", 0).AsLong());
}

} // namespace ldr
