#include "outside/operands/Operand.h"

#include "outside/operands/ByteReader.h"
#include "outside/operands/ByteWriter.h"
#include "outside/operands/OperandList.h"
#include "outside/operands/OperandPainter.h"
#include "outside/operands/OperandSlotRules.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "outside/operands/VirtualController.h"
#include "outside/utilities/DialogService.h"
#include "outside/utilities/MessageService.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <sstream>
#include <stdexcept>

namespace ldr {

namespace {

// The confirmed operand gets its operand-list row whichever host asked the
// user, with the description the user typed.
void RegisterInOperandList(Operand& operand, const std::shared_ptr<db::Connection>& project,
                           const std::optional<std::string>& description) {
  if (!project) return;
  OperandList list(project);
  list.Register(operand);
  const long type = operand.OprndType();
  if (description && !OperandTypeCatalogue::IsConstant(type) && !OperandTypeCatalogue::IsReference(type))
    list.SetDescription(operand.Key(), *description);
  operand.ReloadFromOperandList();
}

constexpr std::uint16_t kSerialVersion = 1;
constexpr std::uint32_t kFlagEnablePowerUp = 1u << 0;
constexpr std::uint32_t kFlagFixed = 1u << 1;
constexpr std::uint32_t kFlagNewSlot = 1u << 2;
constexpr std::uint32_t kFlagInput = 1u << 3;

std::string NumberText(double value, bool whole) {
  if (whole) return std::to_string(static_cast<long long>(value));
  std::ostringstream out;
  out << std::setprecision(9) << value;
  return out.str();
}

std::string ReferenceName(long type) {
  switch (type) {
  case eOT_Label:
    return "label";
  case eOT_Display:
    return "display";
  default:
    return "subroutine";
  }
}

} // namespace

Operand::Operand(std::shared_ptr<db::Connection> project, std::shared_ptr<const OperandTypeCatalogue> types)
    : mProject(std::move(project)), mTypes(std::move(types)) {
  if (!mTypes) throw std::invalid_argument("operand: no operand type catalogue");
}

bool Operand::IsMatch(long type, long address, long networkID) const {
  return mKey.Type == type && mKey.Address == address && mKey.NetworkID == networkID;
}

OperandEntry Operand::Entry() const {
  OperandEntry entry{mKey.Type, mKey.Address, mKey.NetworkID, 0.0};
  if (OperandTypeCatalogue::IsConstant(mKey.Type)) entry.Value = mPowerUp;
  return entry;
}

void Operand::AddAcceptedType(long group, long type) {
  const AcceptedType pair{group, type};
  if (std::find(mAccepted.begin(), mAccepted.end(), pair) == mAccepted.end()) mAccepted.push_back(pair);
}

void Operand::SetAcceptedTypes(const std::vector<AcceptedType>& types) {
  mAccepted.clear();
  for (const auto& pair : types) AddAcceptedType(pair.Group, pair.Type);
}

bool Operand::Accepts(long type) const {
  if (mAccepted.empty()) return true;
  return std::any_of(mAccepted.begin(), mAccepted.end(), [type](const auto& pair) { return pair.Type == type; });
}

void Operand::ConfigureDisplay(int anchor, int maxChars, int offsetX, int offsetY, bool newSlot) {
  mDisplay = {anchor, maxChars, offsetX, offsetY};
  mNewSlot = newSlot;
}

void Operand::SetElementContext(long elementType, bool isInput, long slot) {
  mElementType = elementType;
  mIsInput = isInput;
  mSlot = slot;
}

void Operand::ApplyDefaultText() { mDefaultText = OperandSlotRules::DefaultText(mElementType, mIsInput, mSlot); }

void Operand::InitialiseNewSlot() {
  mKey = {};
  mDescription.clear();
  mPowerUp = 0.0;
  mEnablePowerUp = false;
  mHighlighted = false;
  mSelected = false;
  mNewSlot = true;
  if (mDefaultText.empty()) ApplyDefaultText();
}

void Operand::ReadFromRow(const db::Recordset& row) {
  mKey.Type = row.Field("Elmnt_Oprnd_Type").AsLong();
  mKey.Address = row.Field("Elmnt_Oprnd_Adrs").AsLong();
  mKey.NetworkID = row.Field("Elmnt_Oprnd_NetworkID").AsLong();
  mNewSlot = false;
  if (!row.HasColumn("OprndDescription")) {
    ReloadFromOperandList();
    return;
  }
  mDescription = row.Field("OprndDescription").AsText();
  mPowerUp = row.HasColumn("OprndPowerUp") ? row.Field("OprndPowerUp").AsDouble() : 0.0;
  mEnablePowerUp = row.HasColumn("OprndEnablePowerUp") && row.Field("OprndEnablePowerUp").AsBool();
  if (!mProject) return;
  OperandList list(mProject);
  TakeReferenceTargetName(list);
}

void Operand::ReloadFromOperandList() {
  if (!mProject || mKey.Type == eOT_None) return;
  OperandList list(mProject);
  const auto row = list.Read(mKey);
  mDescription = row ? row->Description : std::string();
  mPowerUp = row ? row->PowerUp : 0.0;
  mEnablePowerUp = row && row->EnablePowerUp;
  TakeReferenceTargetName(list);
}

// A reference shows its target's current name, however it was loaded.
void Operand::TakeReferenceTargetName(OperandList& list) {
  if (!OperandTypeCatalogue::IsReference(mKey.Type) || mKey.Address == kMissingReferenceAddress) return;
  const std::string target = list.ReferenceTargetName(mKey.Type, mKey.Address);
  if (!target.empty()) mDescription = target;
}

bool Operand::RefreshOperand(long type, long address, long networkID) {
  if (!IsMatch(type, address, networkID)) return false;
  ReloadFromOperandList();
  return true;
}

std::string Operand::AcceptedNames() const {
  std::string names;
  for (const auto& pair : mAccepted) {
    if (!names.empty()) names += ", ";
    names += mTypes->ShortName(pair.Type);
  }
  return names;
}

std::string Operand::CheckConstant(const OperandEntry& entry) const {
  const auto* info = mTypes->Find(entry.Type);
  const bool whole = entry.Type != eOT_ConstFloat;
  if (!std::isfinite(entry.Value)) return "A constant needs a finite number.";
  if (whole && entry.Value != std::trunc(entry.Value))
    return info->ShortName + " constants hold whole numbers only; " + NumberText(entry.Value, false) + " is not one.";
  if (entry.Value < info->MinValue || entry.Value > info->MaxValue)
    return "The value " + NumberText(entry.Value, whole) + " is out of range for " + info->ShortName + " (" +
           NumberText(info->MinValue, whole) + " to " + NumberText(info->MaxValue, whole) + ").";
  return {};
}

std::string Operand::CheckAddress(const OperandEntry& entry) const {
  const auto* info = mTypes->Find(entry.Type);
  if (OperandTypeCatalogue::IsNamedConstant(entry.Type)) {
    if (mProject && OperandList(mProject).Exists({entry.Type, entry.Address, 0})) return {};
    return "There is no named constant " + info->ShortName + " " + std::to_string(entry.Address) + ".";
  }
  if (OperandTypeCatalogue::IsReference(entry.Type)) {
    const bool exists = mProject && entry.Address >= 1 &&
                        OperandList(mProject).ReferenceTargetExists(entry.Type, entry.Address, mScopeFuncID);
    if (exists) return {};
    const std::string where = entry.Type == eOT_Label && mScopeFuncID > 0 ? " in this subroutine" : "";
    return "There is no " + ReferenceName(entry.Type) + " with ID " + std::to_string(entry.Address) + where + ".";
  }
  if (!mTypes->IsAddressInRange(entry.Type, entry.Address))
    return "Address " + std::to_string(entry.Address) + " is out of range for " + info->ShortName + " (0 to " +
           std::to_string(info->HighestAddress) + ").";
  return {};
}

std::string Operand::CheckEntry(const OperandEntry& entry) const {
  const auto* info = mTypes->Find(entry.Type);
  if (!info) return "There is no operand type " + std::to_string(entry.Type) + ".";
  if (!Accepts(entry.Type))
    return info->ShortName + " operands cannot be used here; this slot takes " + AcceptedNames() + ".";
  if (entry.NetworkID != 0) {
    if (!info->AllowsNetwork) return info->Title + " operands have no network ID; it must be 0.";
    if (entry.NetworkID < 0 || entry.NetworkID > OperandTypeCatalogue::kHighestNetworkID)
      return "Network ID " + std::to_string(entry.NetworkID) + " is out of range (0 to " +
             std::to_string(OperandTypeCatalogue::kHighestNetworkID) + ").";
  }
  if (OperandTypeCatalogue::IsConstant(entry.Type)) return CheckConstant(entry);
  return CheckAddress(entry);
}

void Operand::ApplyEntry(const OperandEntry& entry) {
  if (!OperandTypeCatalogue::IsConstant(entry.Type)) {
    mKey = {entry.Type, entry.Address, entry.NetworkID};
    ReloadFromOperandList();
    return;
  }
  // A constant owns its operand-list row: editing it changes the value there,
  // a new one gets a fresh address.
  OperandList list(mProject);
  if (mKey.Type == entry.Type && mKey.Address >= 1 && list.Exists(mKey)) {
    list.SetPowerUp(mKey, entry.Value);
  } else {
    mKey = {entry.Type, list.AllocateConstant(entry.Type, entry.Value), 0};
  }
  ReloadFromOperandList();
}

bool Operand::OpenForUser(DialogService& dialogs, MessageService& messages) {
  if (mFixed) return true;
  OperandRequest request;
  request.Prompt = mDefaultText.empty() ? OperandSlotRules::kFallbackText : mDefaultText;
  request.Accepted = mAccepted;
  request.Current = Entry();
  request.ElementType = mElementType;
  request.IsInput = mIsInput;
  request.Slot = mSlot;
  for (;;) {
    const auto entry = dialogs.AskOperand(request);
    if (!entry) return false;
    const std::string problem = CheckEntry(*entry);
    if (problem.empty()) {
      ApplyEntry(*entry);
      RegisterInOperandList(*this, mProject, entry->Description);
      mNewSlot = false;
      return true;
    }
    messages.ShowMessageBox(problem);
    request.Problem = problem;
  }
}

std::string Operand::DisplayName() const {
  if (mKey.Type == eOT_None) return {};
  const auto* info = mTypes->Find(mKey.Type);
  const std::string shortName = mTypes->ShortName(mKey.Type);
  if (OperandTypeCatalogue::IsConstant(mKey.Type)) return "#" + NumberText(mPowerUp, mKey.Type != eOT_ConstFloat);
  if (OperandTypeCatalogue::IsReference(mKey.Type) || OperandTypeCatalogue::IsNamedConstant(mKey.Type)) {
    if (!mDescription.empty()) return mDescription;
    return shortName + " " + std::to_string(mKey.Address);
  }
  std::string name = shortName + " ";
  if (info && info->Group == eOG_BitOfWord)
    name += std::to_string(mKey.Address / 16) + "." + std::to_string(mKey.Address % 16);
  else
    name += std::to_string(mKey.Address);
  if (mKey.NetworkID != 0) name = "N" + std::to_string(mKey.NetworkID) + "." + name;
  return name;
}

std::string Operand::ToolTipText() const {
  if (mKey.Type == eOT_None) return mDefaultText;
  const std::string name = DisplayName();
  const bool named = OperandTypeCatalogue::IsReference(mKey.Type) || OperandTypeCatalogue::IsNamedConstant(mKey.Type);
  if (named || mDescription.empty()) return name;
  return name + " - " + mDescription;
}

void Operand::Draw(gdi::DeviceContext& hdc, const GdiResources& resources) const {
  OperandPainter(*this).Draw(hdc, &resources);
}

void Operand::Print(gdi::DeviceContext& hdc) const { OperandPainter(*this).Draw(hdc, nullptr); }

bool Operand::HitTest(HitRecord& hit) const { return OperandPainter(*this).HitTest(hit); }

void Operand::AppendTestValue(const std::shared_ptr<VirtualController>& controller) {
  mController = controller;
  if (controller && mKey.Type != eOT_None) controller->Append(mKey);
}

bool Operand::HasTestValue() const {
  const auto controller = mController.lock();
  return controller && controller->HasValue(mKey);
}

std::int64_t Operand::TestValue() const {
  const auto controller = mController.lock();
  return controller ? controller->Value(mKey) : 0;
}

db::Blob Operand::Serialize() const {
  ByteWriter out;
  out.Tag("OPRD");
  out.U16(kSerialVersion);
  out.I32(mKey.Type);
  out.I32(mKey.Address);
  out.I32(mKey.NetworkID);
  out.F64(mPowerUp);
  out.U32((mEnablePowerUp ? kFlagEnablePowerUp : 0) | (mFixed ? kFlagFixed : 0) | (mNewSlot ? kFlagNewSlot : 0) |
          (mIsInput ? kFlagInput : 0));
  out.I32(mDisplay.Anchor);
  out.I32(mDisplay.MaxChars);
  out.I32(mDisplay.OffsetX);
  out.I32(mDisplay.OffsetY);
  out.I32(mAreaWidth);
  out.I32(mElementType);
  out.I32(mSlot);
  out.I32(mScopeFuncID);
  out.U32(static_cast<std::uint32_t>(mAccepted.size()));
  for (const auto& pair : mAccepted) {
    out.I32(pair.Group);
    out.I32(pair.Type);
  }
  out.Text(mDescription);
  out.Text(mDefaultText);
  return out.Result();
}

void Operand::Deserialize(const db::Blob& bytes) {
  ByteReader in(bytes, "operand");
  if (!in.TagIs("OPRD") || in.U16() != kSerialVersion) in.Fail();
  Operand read(*this);
  read.mKey = {in.I32(), in.I32(), in.I32()};
  read.mPowerUp = in.F64();
  const std::uint32_t flags = in.U32();
  read.mEnablePowerUp = flags & kFlagEnablePowerUp;
  read.mFixed = flags & kFlagFixed;
  read.mNewSlot = flags & kFlagNewSlot;
  read.mIsInput = flags & kFlagInput;
  read.mDisplay = {in.I32(), in.I32(), in.I32(), in.I32()};
  read.mAreaWidth = in.I32();
  read.mElementType = in.I32();
  read.mSlot = in.I32();
  read.mScopeFuncID = in.I32();
  const std::uint32_t count = in.U32();
  in.NeedItems(count, 8);
  read.mAccepted.clear();
  for (std::uint32_t i = 0; i < count; ++i) read.mAccepted.push_back({in.I32(), in.I32()});
  read.mDescription = in.Text();
  read.mDefaultText = in.Text();
  if (in.Remaining() != 0) in.Fail();
  read.mHighlighted = false;
  read.mSelected = false;
  *this = std::move(read);
}

} // namespace ldr
