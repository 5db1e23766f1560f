#pragma once
// The operand dialog: the user picks one of the slot's accepted operand types
// and an address within that type's limits (or, for a constant, its value;
// for a reference, its target), a network ID where the type has one, and
// sees and edits the operand's description in the operand list.

#include "outside/operands/OperandLibrary.h"
#include "outside/utilities/DialogService.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace ldr::studio {

class OperandDialog : public QDialog {
public:
  OperandDialog(const OperandRequest& request, std::shared_ptr<OperandLibrary> operands, QWidget* parent = nullptr);

  // What the user entered (meaningful after the dialog was accepted).
  OperandEntry Entry() const;
  std::string Description() const;
  // Whether the user changed the description of a data operand.
  bool DescriptionEdited() const;

  // The types offered, in the order shown.
  std::vector<long> OfferedTypes() const;
  void SelectType(long type);
  void SetAddress(long address);
  void SetValue(double value);
  int AddressMaximum() const;
  // Refuses an address the controller does not have, with the reason.
  void accept() override;

private:
  void BuildTypes(const OperandRequest& request);
  void OnTypeChanged();
  void OnTargetChosen();
  void ShowDescription();
  long CurrentType() const;
  const OperandTypeInfo* CurrentInfo() const;
  void FillTargets(long type);
  void ShowTargetOfAddress();
  QString RefusalOf(const OperandEntry& entry) const;

  std::shared_ptr<OperandLibrary> mOperands;
  QComboBox* mType = nullptr;
  QSpinBox* mAddress = nullptr;
  QComboBox* mTargets = nullptr;
  QDoubleSpinBox* mValue = nullptr;
  QSpinBox* mNetwork = nullptr;
  QLineEdit* mDescription = nullptr;
  QLabel* mLimits = nullptr;
  QLabel* mRefusal = nullptr;
  long mHighestAddress = 0;
  QFormLayout* mForm = nullptr;
  std::string mShownDescription;
};

} // namespace ldr::studio
