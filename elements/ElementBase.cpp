#include "elements/ElementBase.h"

#include "core/LdrError.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "elements/ElementDrawing.h"
#include "interfaces/itfProcessControl.h"
#include "outside/HostServices.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/Operand.h"
#include "platform/database/DbError.h"
#include "platform/database/ForwardRecordset.h"
#include "platform/database/Recordset.h"
#include "platform/database/Transaction.h"
#include "platform/drawing/DeviceContext.h"

#include <stdexcept>

namespace ldr {
namespace {

// Whether a stored column already holds the element's value. A Null text or
// byte array counts as empty; a Null number differs from every number.
bool SameStoredValue(const db::DbValue& stored, const db::DbValue& mine) {
  if (mine.IsInteger() || mine.IsReal()) return !stored.IsNull() && stored.AsDouble() == mine.AsDouble();
  if (mine.IsText()) return stored.AsText() == mine.AsText();
  if (mine.IsBlob()) return stored.AsBlob() == mine.AsBlob();
  return stored.IsNull();
}

db::Blob TextBytes(const std::string& text) { return db::Blob(text.begin(), text.end()); }
std::string BytesText(const db::Blob& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::int32_t SlotNumber(const std::string& key) {
  try {
    return static_cast<std::int32_t>(std::stol(key));
  } catch (const std::exception&) {
    throw std::invalid_argument("operand slot key is not a number: " + key);
  }
}

} // namespace

ElementBase::ElementBase(LdrContext& ctx)
    : mCtx(ctx), mInputs(std::make_shared<OperandSlots>()), mOutputs(std::make_shared<OperandSlots>()) {}

// --- errors and services ------------------------------------------------------------

void ElementBase::NotSupported(const std::string& member) const {
  throw LdrError(217, "Not supported", "Object doesn't support this property or method", ClassName(),
                 "itfLdrElement_" + member);
}

void ElementBase::ReportError(int code, const std::string& title, const std::string& message,
                              const std::string& procedure) const {
  mCtx.Host->Errors->ReportError(code, title, message, ClassName(), procedure);
}

db::Connection& ElementBase::Db() const {
  if (!mCtx.Connection) throw std::logic_error(std::string(ClassName()) + ": no project connection");
  return *mCtx.Connection;
}

bool ElementBase::OnLineActive() const { return mCtx.State && mCtx.State->OnLineActive(); }

std::shared_ptr<Operand> ElementBase::NewOperand(bool newSlot) const {
  if (!mCtx.Host->Operands) throw std::logic_error(std::string(ClassName()) + ": no operand library");
  auto operand = mCtx.Host->Operands->NewOperand();
  operand->ConfigureDisplay(kOperandAnchor, kOperandMaxChars, kOperandOffsetX, kOperandOffsetY, newSlot);
  return operand;
}

OperandDisplay ElementBase::SlotDisplay(bool, std::int32_t) const {
  return {kOperandAnchor, kOperandMaxChars, kOperandOffsetX, kOperandOffsetY};
}

void ElementBase::AttachToSlot(Operand& operand, long elementType, bool isInput, std::int32_t slot,
                               bool newSlot) const {
  operand.SetElementContext(elementType, isInput, slot);
  const OperandDisplay display = SlotDisplay(isInput, slot);
  operand.ConfigureDisplay(display.Anchor, display.MaxChars, display.OffsetX, display.OffsetY, newSlot);
}

std::shared_ptr<Operand> ElementBase::NewSlotOperand(bool isInput, std::int32_t slot) const {
  auto operand = NewOperand(true);
  AttachToSlot(*operand, mClassType, isInput, slot, true);
  operand->InitialiseNewSlot();
  return operand;
}

bool ElementBase::ExtendedOperands() const { return mCtx.Host->Operands && mCtx.Host->Operands->ExtendedOperands(); }

bool ElementBase::CompleteNewOperands(bool dummy) {
  if (dummy) return true;
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    for (const auto& [key, operand] : *operands) {
      if (!operand->OpenForUser(*mCtx.Host->Dialogs, *mCtx.Host->Messages)) return false;
    }
  }
  if (mObjectID >= 0) AddOperandsToDB();
  return true;
}

std::shared_ptr<Operand> ElementBase::SlotOperand(bool isInput, std::int32_t slot) const {
  const auto& operands = isInput ? mInputs : mOutputs;
  return operands ? operands->Find(static_cast<long>(slot)) : nullptr;
}

// --- operands -------------------------------------------------------------------------

std::shared_ptr<Operand> ElementBase::HighLightOperand(std::int32_t inIdx, std::int32_t outIdx) {
  if (inIdx >= kSlotIndexLimit || outIdx >= kSlotIndexLimit) return nullptr;
  std::shared_ptr<Operand> operand;
  if (inIdx >= 1) {
    operand = SlotOperand(true, inIdx);
  } else if (outIdx > 0) {
    operand = SlotOperand(false, outIdx);
  }
  if (operand) operand->SetHighlight(true);
  return operand;
}

bool ElementBase::ReplaceOperand(std::int32_t inIdx, std::int32_t outIdx, std::int32_t opType, std::int32_t opAddr,
                                 std::int32_t opNetworkID) {
  std::shared_ptr<Operand> operand;
  if (inIdx >= 1) {
    operand = SlotOperand(true, inIdx);
  } else if (outIdx > 0) {
    operand = SlotOperand(false, outIdx);
  }
  if (!operand) return false;
  operand->SetKey({opType, opAddr, opNetworkID});
  operand->ReloadFromOperandList();
  return true;
}

void ElementBase::RefreshOperand(std::int32_t opType, std::int32_t opAddress, std::int32_t networkID) {
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    if (!operands) continue;
    for (const auto& [key, operand] : *operands) operand->RefreshOperand(opType, opAddress, networkID);
  }
}

void ElementBase::QueryForUpdateOfOperandData() {
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    if (!operands) continue;
    for (const auto& [key, operand] : *operands) operand->ReloadFromOperandList();
  }
}

// --- position -------------------------------------------------------------------------

void ElementBase::SetXs(std::int32_t value) {
  for (int i = kStored; i <= kDisplay; ++i) mPosition[static_cast<std::size_t>(i)].X = value;
}

void ElementBase::SetYs(std::int32_t value) {
  for (int i = kStored; i <= kDisplay; ++i) mPosition[static_cast<std::size_t>(i)].Y = value;
}

void ElementBase::SetInlet(const tyLdrPoint& value) {
  mPosition[kStored] = value;
  SaveInitialPosition();
}

void ElementBase::SetOutlet(const tyLdrPoint& value) { SetInlet(value - tyLdrPoint{Width(), 0}); }

void ElementBase::CopyDescriptor(int from, int to) {
  mPosition.at(static_cast<std::size_t>(to)) = mPosition.at(static_cast<std::size_t>(from));
}

void ElementBase::Move(std::int32_t Dx, std::int32_t Dy) {
  // Always from the stored position: (Dx, Dy) is the whole drag so far.
  mPosition[kTransit] = mPosition[kStored] + tyLdrPoint{Dx, Dy};
}

void ElementBase::SaveInitialPosition() {
  CopyDescriptor(kStored, kLastLegal);
  CopyDescriptor(kStored, kTransit);
  CopyDescriptor(kStored, kDisplay);
}

void ElementBase::UpdateInitialDescriptor() {
  CopyDescriptor(kLastLegal, kStored);
  NormaliseStoredDescriptor();
  SaveInitialPosition();
}

Rect ElementBase::BoundsAt(const tyLdrPoint& inlet) {
  return {inlet.X, inlet.Y + kOperandOffsetY, inlet.X + Width(), inlet.Y + Height()};
}

// --- hit test and process ---------------------------------------------------------------

void ElementBase::HitTestByPoint(HitRecord& hitData) {
  const std::int32_t savedX = hitData.X;
  const std::int32_t savedY = hitData.Y;
  hitData.HitKind = eHK_Nothing;
  hitData.X -= mPosition[kDisplay].X;
  hitData.Y -= mPosition[kDisplay].Y;
  if (hitData.X >= 0 && hitData.X <= Width()) {
    if (hitData.Y == 0) {
      hitData.HitKind = eHK_ElementBody;
    } else if (hitData.Y >= kOperandOffsetY && hitData.Y < 0 && HitTestOperands(hitData)) {
      hitData.HitKind = eHK_ElementOperand;
    }
  }
  hitData.X = savedX;
  hitData.Y = savedY;
  mHitRecord = hitData;
}

bool ElementBase::HitTestOperands(HitRecord& relativeHit) {
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    if (!operands) continue;
    for (const auto& [key, operand] : *operands) {
      if (operand->HitTest(relativeHit)) {
        mActiveOperand = operand;
        return true;
      }
    }
  }
  return false;
}

void ElementBase::QueryProcess(itfProcessControl& processControl) {
  if (mHitRecord.HitKind == eHK_ElementBody && !OnLineActive() && mHitRecord.Button == 1) {
    processControl.SetNewProcess(eMP_ElementMoveProc);
  } else if (mHitRecord.HitKind == eHK_ElementOperand && OnLineActive() && mActiveOperand) {
    mCtx.Host->Gui->ShowOperandOnline(mActiveOperand->NetworkID(), mActiveOperand->OprndType(),
                                      mActiveOperand->Address(), ClassType());
  }
}

void ElementBase::RightMouseUp() {
  if (mHitRecord.HitKind == eHK_ElementBody) {
    mCtx.Host->Gui->ShowContextMenu(eGM_Element, DisabledMenuTools());
  } else if (mHitRecord.HitKind == eHK_ElementOperand && mActiveOperand) {
    mCtx.Host->Gui->ShowContextMenu(eGM_Operand);
  }
}

// --- drawing --------------------------------------------------------------------------

void ElementBase::Draw(gdi::DeviceContext& hdc, const GdiResources& gdiResources) {
  ViewportShift shift(hdc, GridToPixel(mPosition[kDisplay].X), GridToPixel(mPosition[kDisplay].Y));
  DrawFigure(hdc, &gdiResources);
}

void ElementBase::PrintElement(gdi::DeviceContext& hdc) {
  WindowShift shift(hdc, -GridToPixel(mPosition[kDisplay].X), -GridToPixel(mPosition[kDisplay].Y));
  DrawFigure(hdc, nullptr);
}

void ElementBase::DrawOperands(gdi::DeviceContext& hdc, const GdiResources* resources) {
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    if (!operands) continue;
    for (const auto& [key, operand] : *operands) {
      if (resources) {
        operand->Draw(hdc, *resources);
      } else {
        operand->Print(hdc);
      }
    }
  }
}

// --- on line --------------------------------------------------------------------------

void ElementBase::AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) {
  for (const auto* operands : {mInputs.get(), mOutputs.get()}) {
    if (!operands) continue;
    for (const auto& [key, operand] : *operands) operand->AppendTestValue(virtualController);
  }
  EvaluateConducting();
}

// --- loading --------------------------------------------------------------------------

void ElementBase::Load(db::Recordset& rsElements, db::Recordset& rsOperands) {
  LoadFromRow([&](const std::string& column) { return rsElements.Field(column); }, rsOperands);
}

void ElementBase::Load(db::ForwardRecordset& rsElements, db::Recordset& rsOperands) {
  LoadFromRow([&](const std::string& column) { return rsElements.Field(column); }, rsOperands);
}

void ElementBase::LoadFromRow(const FieldReader& field, db::Recordset& rsOperands) {
  mObjectID = field("ElmntID").AsLong();
  mClassType = static_cast<enElementType>(field("ElmntType").AsLong());
  mPosition[kStored] = {field("Xs").AsLong(), field("Ys").AsLong()};
  ReadFamilyColumns(field);
  SaveInitialPosition();
  if (HasOperands()) LoadOperands(rsOperands);
}

void ElementBase::LoadOperands(db::Recordset& rsOperands) {
  if (rsOperands.IsBOF() && rsOperands.IsEOF()) {
    ReportError(208, "No Operands Records", "pRsOperands not containing any records", "prvLoadOperandsFromDatabase");
    return;
  }
  mInputs->Clear();
  mOutputs->Clear();
  mActiveOperand.reset();
  const std::string criterion = "ElmntID=" + std::to_string(mObjectID);
  rsOperands.MoveFirst();
  while (rsOperands.Find(criterion)) {
    const std::int32_t inIndex = rsOperands.Field("OprndInIdx").AsLong();
    const std::int32_t outIndex = rsOperands.Field("OprndOutIdx").AsLong();
    const bool isInput = inIndex > 0;
    const std::int32_t slot = isInput ? inIndex : outIndex;
    auto& operands = isInput ? *mInputs : *mOutputs;
    // Rows without a slot are no operands; a second row for a slot already
    // filled cannot be shown and is left alone; the rows from slot 230 on are
    // operands a parameter block holds, which brings them back itself.
    if (slot > 0 && slot < kSlotIndexLimit && !operands.Exists(static_cast<long>(slot))) {
      auto operand = NewOperand(false);
      AttachToSlot(*operand, mClassType, isInput, slot, false);
      operand->ReadFromRow(rsOperands);
      if (isInput) {
        ApplyInputTypeRules(*operand);
      } else {
        ApplyOutputTypeRules(*operand);
      }
      operands.Add(static_cast<long>(slot), operand);
    }
    rsOperands.MoveNext();
  }
}

// --- storing --------------------------------------------------------------------------

db::FieldList ElementBase::StoredColumns() {
  return {{"ElmntType", static_cast<long>(ClassType())},
          {"Xs", static_cast<long>(mPosition[kStored].X)},
          {"Ys", static_cast<long>(mPosition[kStored].Y)}};
}

void ElementBase::AddToDB(std::int32_t netID) {
  db::FieldList fields{{"StripID", static_cast<long>(netID)}};
  for (auto& column : StoredColumns()) fields.push_back(std::move(column));
  fields.push_back({"IsMissing", false});
  mObjectID = static_cast<std::int32_t>(Db().AddRow("LdrElements", fields));
}

void ElementBase::AddOperandsToDB() {
  if (!HasOperands()) return;
  if (mObjectID < 0) throw std::logic_error(std::string(ClassName()) + ": operands stored before the element");
  db::Transaction transaction(Db());
  // The rows are written whole: any earlier rows of the element go first, so
  // that storing twice never leaves two rows for one slot.
  Db().Execute("DELETE FROM LdrElmsOprs WHERE ElmntID=" + std::to_string(mObjectID));
  AddOperandRows(*mInputs, true);
  AddOperandRows(*mOutputs, false);
  transaction.Commit();
}

void ElementBase::AddOperandRows(const OperandSlots& operands, bool isInput) {
  for (const auto& [key, operand] : operands) {
    const long slot = SlotNumber(key);
    Db().AddRow("LdrElmsOprs", {{"ElmntID", static_cast<long>(mObjectID)},
                                {"OprndInIdx", isInput ? slot : 0L},
                                {"OprndOutIdx", isInput ? 0L : slot},
                                {"Elmnt_Oprnd_Type", operand->OprndType()},
                                {"Elmnt_Oprnd_Adrs", operand->Address()},
                                {"Elmnt_Oprnd_NetworkID", operand->NetworkID()}});
  }
}

void ElementBase::AddHeldOperandRow(const OperandKey& key, long slot) {
  Db().AddRow("LdrElmsOprs", {{"ElmntID", static_cast<long>(mObjectID)},
                              {"OprndInIdx", slot},
                              {"OprndOutIdx", slot},
                              {"Elmnt_Oprnd_Type", key.Type},
                              {"Elmnt_Oprnd_Adrs", key.Address},
                              {"Elmnt_Oprnd_NetworkID", key.NetworkID}});
}

void ElementBase::UpdateDB() {
  const std::string where = " WHERE ElmntID=" + std::to_string(mObjectID);
  db::Recordset row = Db().Query("SELECT * FROM LdrElements" + where);
  if (row.IsEOF()) throw db::DbError(12, "element row not found", "SELECT * FROM LdrElements" + where);
  std::string assignments;
  db::Params values;
  bool changed = false;
  for (const auto& [column, value] : StoredColumns()) {
    if (SameStoredValue(row.Field(column), value)) continue;
    assignments += (assignments.empty() ? "" : ",") + column + "=?";
    values.push_back(value);
    changed = true;
  }
  // A Null IsMissing is repaired on the way; that is no change of the element.
  if (row.Field("IsMissing").IsNull()) {
    assignments += std::string(assignments.empty() ? "" : ",") + "IsMissing=?";
    values.emplace_back(0);
  }
  if (!assignments.empty()) Db().Execute("UPDATE LdrElements SET " + assignments + where, values);
  mCompileDirtyBit = changed;
  // A write that changed nothing leaves earlier changes still unsaved.
  if (changed && mCtx.State) mCtx.State->SetNeedToSave(true);
}

void ElementBase::DeleteFromDB() { Db().Execute("DELETE FROM LdrElements WHERE ElmntID=" + std::to_string(mObjectID)); }

// --- property bag and replica ---------------------------------------------------------

PropertyBag ElementBase::GetPropertyBag() {
  PropertyBag bag;
  bag.WriteProperty("ElementType", static_cast<long>(ClassType()));
  bag.WriteProperty("InletX", static_cast<long>(mPosition[kStored].X));
  bag.WriteProperty("InletY", static_cast<long>(mPosition[kStored].Y));
  if (HasOperands()) {
    bag.WriteProperty("InCount", static_cast<long>(mInputs->Count()));
    bag.WriteProperty("InOprs", SerializeOperands(*mInputs));
    bag.WriteProperty("OutCount", static_cast<long>(mOutputs->Count()));
    bag.WriteProperty("OutOprs", SerializeOperands(*mOutputs));
  }
  WriteFamilyProperties(bag);
  return bag;
}

void ElementBase::SetPropertyBag(const PropertyBag& propBag) {
  // Everything is read first, so that damaged data leaves the element as it was.
  auto inputs = std::make_shared<OperandSlots>();
  auto outputs = std::make_shared<OperandSlots>();
  if (HasOperands()) {
    DeserializeOperands(propBag.ReadProperty("InOprs"), *inputs, true);
    DeserializeOperands(propBag.ReadProperty("OutOprs"), *outputs, false);
  }
  mClassType = static_cast<enElementType>(propBag.ReadProperty("ElementType", 0).AsLong());
  mPosition[kStored] = {propBag.ReadProperty("InletX", 0).AsLong(), propBag.ReadProperty("InletY", 0).AsLong()};
  ReadFamilyProperties(propBag);
  SaveInitialPosition();
  if (HasOperands()) {
    mInputs = inputs;
    mOutputs = outputs;
    mActiveOperand.reset();
  }
}

db::Blob ElementBase::SerializeOperands(const OperandSlots& operands) {
  std::vector<db::Blob> items;
  for (const auto& [key, operand] : operands) {
    items.push_back(PropertyBag::JoinBlobs({TextBytes(key), operand->Serialize()}));
  }
  return PropertyBag::JoinBlobs(items);
}

void ElementBase::DeserializeOperands(const db::DbValue& data, OperandSlots& into, bool isInput) const {
  for (const auto& item : PropertyBag::SplitBlobs(data.AsBlob())) {
    const auto parts = PropertyBag::SplitBlobs(item);
    if (parts.size() != 2) throw std::invalid_argument("property bag: damaged operand entry");
    const std::string key = BytesText(parts[0]);
    auto operand = NewOperand(false);
    operand->Deserialize(parts[1]);
    operand->SetElementContext(operand->ElementType(), isInput, SlotNumber(key));
    into.Add(key, operand);
  }
}

std::shared_ptr<itfLdrElement> ElementBase::GetReplica() {
  auto replica = NewEmpty();
  replica->SetPropertyBag(GetPropertyBag());
  return replica;
}

} // namespace ldr
