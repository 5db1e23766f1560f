#include "elements/clsUtilElementEx.h"

#include "outside/HostServices.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandEntryText.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/operands/OperandList.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <span>

namespace ldr {
namespace {

constexpr UtilityBoxLook kLooks[] = {
    {eET_UtExLinear, "LINEAR", "LINEAR", "LINEARIZATION", "Linearization ", 5, 1},
    {eET_UtExPID, "PID", "PID", "PID", "", 6, 2},
    {eET_UtExVectLinear, "VECT.LINEAR", "VECT. LINEAR", "VECT_LINEARIZATION", "Vect. Linearization ", 6, 1},
};

struct SlotNames {
  std::int32_t Type;
  std::array<std::string_view, 6> Inputs;
  std::array<std::string_view, 2> Outputs;
};

constexpr SlotNames kSlotNames[] = {
    {eET_UtExLinear, {"X", "X1", "X2", "Y1", "Y2"}, {"Y"}},
    {eET_UtExPID,
     {"Process Value", "Set Point", "Proportional Band", "Integral Time", "Derivative Time", "Sample Time"},
     {"Control Value", "Integral Memory"}},
    {eET_UtExVectLinear, {"Vector X", "Vector Length", "X1", "X2", "Y1", "Y2"}, {"Vector Y"}},
};

const SlotNames* NamesOf(std::int32_t elementType) {
  const auto* found = std::find_if(std::begin(kSlotNames), std::end(kSlotNames),
                                   [&](const SlotNames& names) { return names.Type == elementType; });
  return found == std::end(kSlotNames) ? nullptr : found;
}

std::string_view SlotName(const SlotNames& names, bool isInput, long slot) {
  const std::span<const std::string_view> list =
      isInput ? std::span<const std::string_view>(names.Inputs) : std::span<const std::string_view>(names.Outputs);
  return slot >= 1 && static_cast<std::size_t>(slot) <= list.size() ? list[static_cast<std::size_t>(slot - 1)]
                                                                    : std::string_view{};
}

std::string JoinNames(std::span<const std::string_view> names) {
  std::string text;
  for (const auto name : names) {
    if (name.empty()) break;
    text += (text.empty() ? "" : ", ") + std::string(name);
  }
  return text;
}

} // namespace

const UtilityBoxLook* clsUtilElementEx::Look() const {
  const auto* found = std::find_if(std::begin(kLooks), std::end(kLooks),
                                   [&](const UtilityBoxLook& look) { return look.Type == mClassType; });
  return found == std::end(kLooks) ? nullptr : found;
}

std::string clsUtilElementEx::OperandNames(std::int32_t elementType) {
  const auto* names = NamesOf(elementType);
  if (!names) return {};
  return JoinNames(names->Inputs) + " -> " + JoinNames(names->Outputs);
}

void clsUtilElementEx::NameSlots() {
  const auto* names = NamesOf(mClassType);
  if (!names) return;
  for (const auto* operands : {mInputs.get(), mOutputs.get()})
    for (const auto& [key, operand] : *operands)
      operand->SetDefaultText("Select " + std::string(SlotName(*names, operand->IsInput(), operand->Slot())));
}

bool clsUtilElementEx::InitOperandsData(bool dummy) {
  CreateSlots(InputCount(), OutputCount(), true);
  NameSlots();
  if (dummy) return true;
  if (!Configure()) {
    mInputs->Clear();
    mOutputs->Clear();
    return false;
  }
  if (mObjectID >= 0) AddOperandsToDB();
  return true;
}

bool clsUtilElementEx::Configure() {
  std::vector<std::shared_ptr<Operand>> slots;
  for (const auto* operands : {mInputs.get(), mOutputs.get()})
    for (const auto& [key, operand] : *operands) slots.push_back(operand);
  const OperandTypeCatalogue& types = mCtx.Host->Operands->Types();
  std::vector<OperandEntry> current;
  for (const auto& operand : slots) current.push_back(operand->OprndType() == 0 ? OperandEntry{} : operand->Entry());
  std::string text = OperandEntryText::FormatList(current, types);
  for (;;) {
    const auto answer = mCtx.Host->Dialogs->AskConfiguration(mClassType, text);
    if (!answer) return false;
    std::string problem;
    const auto entries = OperandEntryText::ParseList(*answer, slots.size(), types, problem);
    for (std::size_t i = 0; entries && problem.empty() && i < slots.size(); ++i) {
      const std::string refused = slots[i]->CheckEntry((*entries)[i]);
      if (!refused.empty()) problem = "Operand " + std::to_string(i + 1) + ": " + refused;
    }
    if (problem.empty()) {
      for (std::size_t i = 0; i < slots.size(); ++i) Confirm(*slots[i], (*entries)[i]);
      return true;
    }
    mCtx.Host->Messages->ShowMessageBox(problem);
    text = *answer;
  }
}

void clsUtilElementEx::Confirm(Operand& operand, const OperandEntry& entry) const {
  // As a confirmed operand dialog does: the operand gets its operand-list row.
  operand.ApplyEntry(entry);
  if (mCtx.Connection) OperandList(mCtx.Connection).Register(operand);
  operand.ReloadFromOperandList();
}

void clsUtilElementEx::DeleteOperandsFromDB() {
  const int deleted = Db().Execute("DELETE FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mObjectID));
  const auto held = static_cast<int>(mInputs->Count() + mOutputs->Count());
  if (deleted != held)
    ReportError(0, "lRecordsAffected <> lNumOfOperands",
                "The number of element operands that where deleted from DB is different from the number of operands "
                "in ladder element",
                "prvDeleteElementOperandsFromDB");
}

void clsUtilElementEx::DeleteFromDB() {
  DeleteOperandsFromDB();
  UtilityBox::DeleteFromDB();
}

} // namespace ldr
