#pragma once
// The parameter object of a communication or second-set utility box, shaped
// by its kind (ParamsKind.h, where the layout of its MoreParamsBin is
// written down). It holds the kind's field values and the operands kept in
// the block, makes the box's pin operands and reads and writes the block.
//
// The configuration text the dialog edits lists the Number, Port and Text
// fields as name=value pairs separated by ";" ("port=1;baud=9600"); a ";" or
// "\" inside a text is written with a "\" before it. An answer may name only
// some fields: the others keep their values. Operand fields are asked
// through the operand dialog, after the text.

#include "outside/operands/ParamsKind.h"
#include "outside/operands/ParamsObject.h"

#include <memory>

namespace ldr {

class OperandLibrary;
struct OperandKey;

class KindParamsObject : public ParamsObject {
public:
  // `title` is the box title of the type (the element type catalogue's).
  KindParamsObject(std::shared_ptr<const OperandLibrary> library, long elementType, std::string title);

  const ParamsKind& Kind() const { return *mKind; }
  long ElementType() const override { return mType; }
  void CreateOperands() override;
  const OperandCollection& InputOperands() const override { return mInputs; }
  const OperandCollection& OutputOperands() const override { return mOutputs; }
  const OperandCollection& FindOnlyOperands() const override { return mFindOnly; }
  // The box's pin operands become these (an element that loaded its slots
  // hands them over before configuring).
  void AdoptOperands(OperandCollection inputs, OperandCollection outputs);

  // [0] the tool tip: the title and the configured fields; [1] the title;
  // [2] what the kind is about.
  std::vector<std::string> Texts() const override;
  // One "name value" line per field, in table order (what a box without
  // pins shows inside).
  std::vector<std::string> SettingLines() const;
  long InstanceNumber() const override { return 0; }
  void SetInstanceNumber(long) override {}
  BoxExtent BoxSize() const override;
  bool IsEnableInEnableOut() const override { return true; }
  // The Number and Port fields, in table order.
  const std::vector<std::int32_t>& Values() const override { return mValues; }

  // The whole block in the kind's current layout.
  db::Blob MoreParamsBin() const override;
  // Takes a stored block of this kind in any of its layouts. Anything else (a
  // short, foreign, damaged or other kind's block) gives the kind's defaults;
  // an empty block is the defaults too. Never throws.
  void SetMoreParamsBin(const db::Blob& bytes) override;
  // The block as layout `version` of the kind would have written it (the
  // fields added later left out); for tests of old blocks.
  db::Blob MoreParamsBinOfVersion(std::uint8_t version) const;

  bool Configure(DialogService& dialogs, MessageService& messages) override;
  bool CheckPlacement(long, const std::string&, MessageService&) override { return true; }

  std::string ConfigurationText() const;
  // One "name=value" pair of a configuration text, the value escaped.
  static std::string ConfigurationPair(std::string_view name, const std::string& value);
  // Applies a configuration answer; false (nothing changed, `problem` says
  // why) when a name is unknown or a value is out of range.
  bool ApplyConfigurationText(const std::string& text, std::string& problem);

  std::int32_t Number(std::string_view field) const;
  std::string Text(std::string_view field) const;
  std::shared_ptr<Operand> FieldOperand(std::string_view field) const;

private:
  struct Snapshot;
  void SetDefaults();
  bool ReadBlock(const db::Blob& bytes);
  long FieldIndex(std::string_view field) const;
  std::string FieldValueText(std::size_t fieldIndex) const;
  long ValueIndex(std::size_t fieldIndex) const;
  long TextIndex(std::size_t fieldIndex) const;
  long OperandIndex(std::size_t fieldIndex) const;
  std::shared_ptr<Operand> NewFindOnlyOperand(const ParamsField& field, long slot) const;
  Snapshot Save() const;
  void Restore(const Snapshot& snapshot);
  bool AskFields(DialogService& dialogs, MessageService& messages);
  bool HasTextFields() const;

  std::shared_ptr<const OperandLibrary> mLibrary;
  long mType;
  std::string mTitle;
  const ParamsKind* mKind;
  std::vector<std::int32_t> mValues;
  std::vector<std::string> mTexts;
  OperandCollection mInputs;
  OperandCollection mOutputs;
  OperandCollection mFindOnly;
};

// The kind object of a type, or nothing for a type outside the two sets.
std::shared_ptr<KindParamsObject> MakeKindParamsObject(std::shared_ptr<const OperandLibrary> library, long elementType,
                                                       std::string title);

} // namespace ldr
