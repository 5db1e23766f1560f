#include "outside/operands/KindParamsObject.h"

#include "outside/operands/ByteReader.h"
#include "outside/operands/ByteWriter.h"
#include "outside/operands/Operand.h"
#include "outside/operands/OperandLibrary.h"
#include "outside/operands/ParamsBlock.h"
#include "outside/utilities/DialogService.h"
#include "outside/utilities/MessageService.h"
#include "outside/utilities/SettingsStore.h"

#include <algorithm>
#include <stdexcept>

namespace ldr {
namespace {

constexpr char kPairSeparator = ';';
constexpr char kEscape = '\\';

std::string Escaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == kPairSeparator || c == kEscape) out += kEscape;
    out += c;
  }
  return out;
}

// Splits at unescaped separators, removing the escapes.
std::vector<std::string> SplitPairs(const std::string& text) {
  std::vector<std::string> pairs(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kEscape && i + 1 < text.size()) {
      pairs.back() += text[++i];
    } else if (text[i] == kPairSeparator) {
      pairs.emplace_back();
    } else {
      pairs.back() += text[i];
    }
  }
  return pairs;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool InRange(const ParamsField& field, long value) { return value >= field.Min && value <= field.Max; }

} // namespace

struct KindParamsObject::Snapshot {
  std::vector<std::int32_t> Values;
  std::vector<std::string> Texts;
  std::vector<db::Blob> Operands;
};

KindParamsObject::KindParamsObject(std::shared_ptr<const OperandLibrary> library, long elementType, std::string title)
    : mLibrary(std::move(library)), mType(elementType), mTitle(std::move(title)),
      mKind(ParamsKinds::Find(elementType)) {
  if (!mLibrary) throw std::invalid_argument("parameter object: no operand library");
  if (!mKind) throw std::invalid_argument("parameter object: type " + std::to_string(elementType) + " has no kind");
  SetDefaults();
}

std::shared_ptr<KindParamsObject> MakeKindParamsObject(std::shared_ptr<const OperandLibrary> library, long elementType,
                                                       std::string title) {
  if (!ParamsKinds::Find(elementType)) return nullptr;
  return std::make_shared<KindParamsObject>(std::move(library), elementType, std::move(title));
}

// --- fields ----------------------------------------------------------------------------

long KindParamsObject::FieldIndex(std::string_view field) const {
  for (std::size_t i = 0; i < mKind->Fields.size(); ++i)
    if (mKind->Fields[i].Name == field) return static_cast<long>(i);
  return -1;
}

long KindParamsObject::ValueIndex(std::size_t fieldIndex) const {
  return static_cast<long>(std::count_if(mKind->Fields.begin(), mKind->Fields.begin() + static_cast<long>(fieldIndex),
                                         ParamsKinds::IsValueField));
}

long KindParamsObject::TextIndex(std::size_t fieldIndex) const {
  return static_cast<long>(std::count_if(mKind->Fields.begin(), mKind->Fields.begin() + static_cast<long>(fieldIndex),
                                         [](const auto& f) { return f.Kind == ParamsFieldKind::Text; }));
}

long KindParamsObject::OperandIndex(std::size_t fieldIndex) const {
  return static_cast<long>(std::count_if(mKind->Fields.begin(), mKind->Fields.begin() + static_cast<long>(fieldIndex),
                                         [](const auto& f) { return f.Kind == ParamsFieldKind::Operand; }));
}

std::int32_t KindParamsObject::Number(std::string_view field) const {
  const long index = FieldIndex(field);
  if (index < 0 || !ParamsKinds::IsValueField(mKind->Fields[static_cast<std::size_t>(index)]))
    throw std::invalid_argument("parameter object: no number field " + std::string(field));
  return mValues[static_cast<std::size_t>(ValueIndex(static_cast<std::size_t>(index)))];
}

std::string KindParamsObject::Text(std::string_view field) const {
  const long index = FieldIndex(field);
  if (index < 0 || mKind->Fields[static_cast<std::size_t>(index)].Kind != ParamsFieldKind::Text)
    throw std::invalid_argument("parameter object: no text field " + std::string(field));
  return mTexts[static_cast<std::size_t>(TextIndex(static_cast<std::size_t>(index)))];
}

std::shared_ptr<Operand> KindParamsObject::FieldOperand(std::string_view field) const {
  const long index = FieldIndex(field);
  if (index < 0 || mKind->Fields[static_cast<std::size_t>(index)].Kind != ParamsFieldKind::Operand)
    throw std::invalid_argument("parameter object: no operand field " + std::string(field));
  return mFindOnly[static_cast<std::size_t>(OperandIndex(static_cast<std::size_t>(index)))];
}

std::shared_ptr<Operand> KindParamsObject::NewFindOnlyOperand(const ParamsField& field, long slot) const {
  auto operand = mLibrary->NewOperand();
  operand->SetElementContext(mType, true, slot);
  operand->SetDefaultText(std::string(field.Label));
  return operand;
}

void KindParamsObject::SetDefaults() {
  mValues.clear();
  mTexts.clear();
  mFindOnly.clear();
  for (const auto& field : mKind->Fields) {
    if (ParamsKinds::IsValueField(field)) mValues.push_back(field.Default);
    if (field.Kind == ParamsFieldKind::Text) mTexts.emplace_back(field.DefaultText);
    if (field.Kind == ParamsFieldKind::Operand)
      mFindOnly.push_back(
          NewFindOnlyOperand(field, ParamsBlock::kFirstInnerSlot + static_cast<long>(mFindOnly.size())));
  }
}

// --- operands and texts ----------------------------------------------------------------

void KindParamsObject::CreateOperands() {
  mInputs.clear();
  mOutputs.clear();
  for (auto* operands : {&mInputs, &mOutputs}) {
    const bool isInput = operands == &mInputs;
    for (long slot = 1; slot <= (isInput ? mKind->Inputs : mKind->Outputs); ++slot) {
      operands->push_back(mLibrary->NewSlotOperand(mType, isInput, slot, true));
      operands->back()->SetDefaultText(ParamsKinds::PinPrompt(*mKind, isInput, slot));
    }
  }
}

void KindParamsObject::AdoptOperands(OperandCollection inputs, OperandCollection outputs) {
  mInputs = std::move(inputs);
  mOutputs = std::move(outputs);
  for (auto* operands : {&mInputs, &mOutputs})
    for (const auto& operand : *operands)
      operand->SetDefaultText(ParamsKinds::PinPrompt(*mKind, operands == &mInputs, operand->Slot()));
}

std::string KindParamsObject::FieldValueText(std::size_t fieldIndex) const {
  const auto& field = mKind->Fields[fieldIndex];
  if (ParamsKinds::IsValueField(field))
    return std::to_string(mValues[static_cast<std::size_t>(ValueIndex(fieldIndex))]);
  if (field.Kind == ParamsFieldKind::Text) return mTexts[static_cast<std::size_t>(TextIndex(fieldIndex))];
  return mFindOnly[static_cast<std::size_t>(OperandIndex(fieldIndex))]->DisplayName();
}

std::vector<std::string> KindParamsObject::SettingLines() const {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < mKind->Fields.size(); ++i)
    lines.push_back(std::string(mKind->Fields[i].Name) + " " + FieldValueText(i));
  return lines;
}

std::vector<std::string> KindParamsObject::Texts() const {
  std::string tip = mTitle;
  std::string settings;
  for (std::size_t i = 0; i < mKind->Fields.size(); ++i)
    settings += (settings.empty() ? "" : ", ") + std::string(mKind->Fields[i].Label) + " " + FieldValueText(i);
  if (!settings.empty()) tip += " (" + settings + ")";
  return {tip, mTitle, std::string(mKind->Description)};
}

BoxExtent KindParamsObject::BoxSize() const {
  // The box grows with its pins as the arithmetic boxes do: 2 + 3.5 rows a pin.
  const long pins = std::max<long>({2, mKind->Inputs, mKind->Outputs});
  return {mKind->BoxWidth, 2 + (7 * pins + 1) / 2};
}

// --- the stored block ------------------------------------------------------------------

db::Blob KindParamsObject::MoreParamsBinOfVersion(std::uint8_t version) const {
  ParamsBlock block;
  block.ElementType = mType;
  ByteWriter texts;
  for (std::size_t i = 0; i < mKind->Fields.size(); ++i) {
    const auto& field = mKind->Fields[i];
    if (field.Since > version) continue;
    if (ParamsKinds::IsValueField(field)) block.Values.push_back(mValues[static_cast<std::size_t>(ValueIndex(i))]);
    if (field.Kind == ParamsFieldKind::Text) texts.Text(mTexts[static_cast<std::size_t>(TextIndex(i))]);
    if (field.Kind == ParamsFieldKind::Operand) {
      const auto& operand = mFindOnly[static_cast<std::size_t>(OperandIndex(i))];
      block.InnerOperands.push_back({operand->Key(), operand->Slot()});
    }
  }
  block.Extra.push_back(version);
  block.Extra.insert(block.Extra.end(), texts.Result().begin(), texts.Result().end());
  return block.Serialize();
}

db::Blob KindParamsObject::MoreParamsBin() const { return MoreParamsBinOfVersion(mKind->Version); }

void KindParamsObject::SetMoreParamsBin(const db::Blob& bytes) {
  if (!ReadBlock(bytes)) SetDefaults();
}

bool KindParamsObject::ReadBlock(const db::Blob& bytes) {
  ParamsBlock block;
  try {
    block = ParamsBlock::Parse(bytes);
  } catch (const std::invalid_argument&) {
    return false;
  }
  if (!ParamsKinds::Contains(*mKind, block.ElementType) || block.Extra.empty()) return false;
  const std::uint8_t version = block.Extra[0];
  if (version < 1 || version > mKind->Version) return false;
  const db::Blob textBytes(block.Extra.begin() + 1, block.Extra.end());
  ByteReader texts(textBytes, "parameter block texts");
  SetDefaults();
  std::vector<std::int32_t> values = mValues;
  std::vector<std::string> readTexts = mTexts;
  std::size_t valueAt = 0, operandAt = 0;
  try {
    for (std::size_t i = 0; i < mKind->Fields.size(); ++i) {
      const auto& field = mKind->Fields[i];
      if (field.Since > version) continue;
      if (ParamsKinds::IsValueField(field)) {
        if (valueAt >= block.Values.size() || !InRange(field, block.Values[valueAt])) return false;
        values[static_cast<std::size_t>(ValueIndex(i))] = block.Values[valueAt++];
      } else if (field.Kind == ParamsFieldKind::Text) {
        std::string text = texts.Text();
        if (text.size() > ParamsKinds::kMaxTextBytes) return false;
        readTexts[static_cast<std::size_t>(TextIndex(i))] = std::move(text);
      } else if (field.Kind == ParamsFieldKind::Operand) {
        if (operandAt >= block.InnerOperands.size()) return false;
        auto& operand = *mFindOnly[static_cast<std::size_t>(OperandIndex(i))];
        operand.SetKey(block.InnerOperands[operandAt++].Key);
        operand.ReloadFromOperandList();
      }
    }
  } catch (const std::invalid_argument&) {
    return false;
  }
  if (valueAt != block.Values.size() || operandAt != block.InnerOperands.size() || texts.Remaining() != 0) return false;
  mValues = std::move(values);
  mTexts = std::move(readTexts);
  return true;
}

// --- configuration ---------------------------------------------------------------------

std::string KindParamsObject::ConfigurationText() const {
  std::string text;
  for (std::size_t i = 0; i < mKind->Fields.size(); ++i) {
    const auto& field = mKind->Fields[i];
    std::string value;
    if (ParamsKinds::IsValueField(field)) {
      value = std::to_string(mValues[static_cast<std::size_t>(ValueIndex(i))]);
    } else if (field.Kind == ParamsFieldKind::Text) {
      value = Escaped(mTexts[static_cast<std::size_t>(TextIndex(i))]);
    } else {
      continue;
    }
    text += (text.empty() ? "" : ";") + std::string(field.Name) + "=" + value;
  }
  return text;
}

std::string KindParamsObject::ConfigurationPair(std::string_view name, const std::string& value) {
  return std::string(name) + "=" + Escaped(value);
}

bool KindParamsObject::ApplyConfigurationText(const std::string& text, std::string& problem) {
  auto values = mValues;
  auto texts = mTexts;
  for (const std::string& pair : SplitPairs(text)) {
    if (Trimmed(pair).empty()) continue;
    const auto equals = pair.find('=');
    const std::string name = Trimmed(pair.substr(0, equals));
    const long index = equals == std::string::npos ? -1 : FieldIndex(name);
    if (index < 0 || mKind->Fields[static_cast<std::size_t>(index)].Kind == ParamsFieldKind::Operand) {
      problem = "\"" + name + "\" is not a setting of this box.";
      return false;
    }
    const auto& field = mKind->Fields[static_cast<std::size_t>(index)];
    const std::string value = pair.substr(equals + 1);
    if (field.Kind == ParamsFieldKind::Text) {
      if (value.size() > ParamsKinds::kMaxTextBytes) {
        problem = std::string(field.Label) + ": at most " + std::to_string(ParamsKinds::kMaxTextBytes) + " characters.";
        return false;
      }
      texts[static_cast<std::size_t>(TextIndex(static_cast<std::size_t>(index)))] = value;
      continue;
    }
    long number = 0;
    if (!ParseWholeNumber(Trimmed(value), number) || !InRange(field, number)) {
      problem = std::string(field.Label) + ": a whole number from " + std::to_string(field.Min) + " to " +
                std::to_string(field.Max) + ".";
      return false;
    }
    values[static_cast<std::size_t>(ValueIndex(static_cast<std::size_t>(index)))] = static_cast<std::int32_t>(number);
  }
  mValues = std::move(values);
  mTexts = std::move(texts);
  return true;
}

bool KindParamsObject::HasTextFields() const {
  return std::any_of(mKind->Fields.begin(), mKind->Fields.end(),
                     [](const auto& f) { return f.Kind != ParamsFieldKind::Operand; });
}

bool KindParamsObject::AskFields(DialogService& dialogs, MessageService& messages) {
  if (!HasTextFields()) return true;
  for (;;) {
    const auto answer = dialogs.AskConfiguration(mType, ConfigurationText());
    if (!answer) return false;
    std::string problem;
    if (ApplyConfigurationText(*answer, problem)) return true;
    messages.ShowMessageBox(problem);
  }
}

KindParamsObject::Snapshot KindParamsObject::Save() const {
  Snapshot snapshot{mValues, mTexts, {}};
  for (const auto* operands : {&mFindOnly, &mInputs, &mOutputs})
    for (const auto& operand : *operands) snapshot.Operands.push_back(operand->Serialize());
  return snapshot;
}

void KindParamsObject::Restore(const Snapshot& snapshot) {
  mValues = snapshot.Values;
  mTexts = snapshot.Texts;
  std::size_t at = 0;
  for (const auto* operands : {&mFindOnly, &mInputs, &mOutputs})
    for (const auto& operand : *operands) operand->Deserialize(snapshot.Operands[at++]);
}

bool KindParamsObject::Configure(DialogService& dialogs, MessageService& messages) {
  const Snapshot saved = Save();
  bool confirmed = AskFields(dialogs, messages);
  for (const auto* operands : {&mFindOnly, &mInputs, &mOutputs}) {
    for (const auto& operand : *operands) {
      if (!confirmed) break;
      confirmed = operand->OpenForUser(dialogs, messages);
    }
  }
  if (!confirmed) Restore(saved);
  return confirmed;
}

} // namespace ldr
