#include "apps/studio/OperandDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace ldr::studio {

namespace {

constexpr int kAnyKey = std::numeric_limits<int>::max();

bool IsConstantType(long type) { return OperandTypeCatalogue::IsConstant(type); }
bool HasTargets(long type) {
  return OperandTypeCatalogue::IsReference(type) || OperandTypeCatalogue::IsNamedConstant(type);
}

} // namespace

OperandDialog::OperandDialog(const OperandRequest& request, std::shared_ptr<OperandLibrary> operands, QWidget* parent)
    : QDialog(parent), mOperands(std::move(operands)) {
  setObjectName("operandDialog");
  setWindowTitle("Operand");
  auto* layout = new QVBoxLayout(this);
  auto* prompt = new QLabel(QString::fromStdString(request.Prompt), this);
  prompt->setObjectName("operandPrompt");
  layout->addWidget(prompt);
  if (!request.Problem.empty()) {
    auto* problem = new QLabel(QString::fromStdString(request.Problem), this);
    problem->setObjectName("operandProblem");
    problem->setStyleSheet("color: #b00000");
    problem->setWordWrap(true);
    layout->addWidget(problem);
  }

  auto* form = new QFormLayout;
  mForm = form;
  mType = new QComboBox(this);
  mType->setObjectName("operandType");
  mAddress = new QSpinBox(this);
  mAddress->setObjectName("operandAddress");
  mTargets = new QComboBox(this);
  mTargets->setObjectName("operandTarget");
  mValue = new QDoubleSpinBox(this);
  mValue->setObjectName("operandValue");
  mNetwork = new QSpinBox(this);
  mNetwork->setObjectName("operandNetwork");
  mNetwork->setRange(0, OperandTypeCatalogue::kHighestNetworkID);
  mDescription = new QLineEdit(this);
  mDescription->setObjectName("operandDescription");
  mLimits = new QLabel(this);
  mLimits->setObjectName("operandLimits");
  form->addRow("Type", mType);
  form->addRow("Address", mAddress);
  form->addRow("Target", mTargets);
  form->addRow("Value", mValue);
  form->addRow("Network", mNetwork);
  form->addRow("Description", mDescription);
  form->addRow("", mLimits);
  layout->addLayout(form);
  mRefusal = new QLabel(this);
  mRefusal->setObjectName("operandRefusal");
  mRefusal->setStyleSheet("color: #b00000");
  mRefusal->setWordWrap(true);
  mRefusal->hide();
  layout->addWidget(mRefusal);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->setObjectName("operandButtons");
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  BuildTypes(request);
  connect(mType, &QComboBox::currentIndexChanged, this, [this] { OnTypeChanged(); });
  connect(mTargets, &QComboBox::activated, this, [this] { OnTargetChosen(); });
  connect(mAddress, &QSpinBox::valueChanged, this, [this] { ShowDescription(); });
  connect(mNetwork, &QSpinBox::valueChanged, this, [this] { ShowDescription(); });

  // Start from what the slot holds now.
  const OperandEntry& current = request.Current;
  if (current.Type != 0) SelectType(current.Type);
  OnTypeChanged();
  if (current.Type != 0 && current.Type == CurrentType()) {
    if (IsConstantType(current.Type))
      mValue->setValue(current.Value);
    else
      mAddress->setValue(static_cast<int>(current.Address));
    mNetwork->setValue(static_cast<int>(current.NetworkID));
  }
  ShowTargetOfAddress();
  ShowDescription();
}

void OperandDialog::BuildTypes(const OperandRequest& request) {
  const auto& catalogue = mOperands->Types();
  const bool extended = mOperands->ExtendedOperands();
  auto offer = [&](const OperandTypeInfo& info) {
    if (info.Extended && !extended) return;
    if (mType->findData(QVariant::fromValue<qlonglong>(info.Type)) >= 0) return;
    mType->addItem(QString::fromStdString(info.ShortName + " - " + info.Title),
                   QVariant::fromValue<qlonglong>(info.Type));
  };
  if (request.Accepted.empty()) {
    for (const auto& info : catalogue.Types()) offer(info);
  } else {
    for (const auto& accepted : request.Accepted)
      if (const auto* info = catalogue.Find(accepted.Type)) offer(*info);
  }
}

std::vector<long> OperandDialog::OfferedTypes() const {
  std::vector<long> types;
  for (int i = 0; i < mType->count(); ++i) types.push_back(static_cast<long>(mType->itemData(i).toLongLong()));
  return types;
}

long OperandDialog::CurrentType() const {
  return mType->currentIndex() < 0 ? 0 : static_cast<long>(mType->currentData().toLongLong());
}

const OperandTypeInfo* OperandDialog::CurrentInfo() const { return mOperands->Types().Find(CurrentType()); }

void OperandDialog::SelectType(long type) {
  const int index = mType->findData(QVariant::fromValue<qlonglong>(type));
  if (index >= 0) mType->setCurrentIndex(index);
}

// An address set from outside is kept within the type's limits; one typed
// beyond them is refused on OK.
void OperandDialog::SetAddress(long address) {
  mAddress->setValue(static_cast<int>(std::clamp<long>(address, mAddress->minimum(), AddressMaximum())));
}
void OperandDialog::SetValue(double value) { mValue->setValue(value); }
int OperandDialog::AddressMaximum() const { return static_cast<int>(std::min<long>(mHighestAddress, kAnyKey)); }

void OperandDialog::OnTypeChanged() {
  const OperandTypeInfo* info = CurrentInfo();
  const long type = info ? info->Type : 0;
  const bool constant = IsConstantType(type);
  const bool targets = HasTargets(type);
  mAddress->setEnabled(info && !constant);
  mValue->setEnabled(constant);
  mTargets->setEnabled(targets);
  // A reference is chosen by what the user sees, its target; the key it is
  // stored under is no business of the user's.
  mForm->setRowVisible(mAddress, !targets);
  mForm->setRowVisible(mTargets, targets);
  mRefusal->hide();
  mNetwork->setEnabled(info && info->AllowsNetwork);
  if (!(info && info->AllowsNetwork)) mNetwork->setValue(0);
  mDescription->setReadOnly(!info || constant || targets);
  if (!info) {
    mLimits->clear();
    return;
  }
  if (constant) {
    const bool whole = type != eOT_ConstFloat;
    mValue->setDecimals(whole ? 0 : 6);
    mValue->setRange(info->MinValue, info->MaxValue);
    mLimits->setText(QString("Value %1 to %2").arg(info->MinValue, 0, 'g', 10).arg(info->MaxValue, 0, 'g', 10));
  } else if (targets) {
    mHighestAddress = kAnyKey;
    mAddress->setRange(1, kAnyKey);
    mLimits->setText("Choose the target");
  } else {
    // Any number can be typed; one the controller does not have is refused
    // on OK, never cut down to fit.
    mHighestAddress = info->HighestAddress;
    mAddress->setRange(0, kAnyKey);
    mLimits->setText(QString("Address 0 to %1").arg(info->HighestAddress));
  }
  FillTargets(targets ? type : 0);
  ShowDescription();
}

void OperandDialog::FillTargets(long type) {
  mTargets->clear();
  if (type == 0) return;
  auto& db = *mOperands->Connection();
  std::string sql;
  switch (type) {
  case eOT_Label:
    sql = "SELECT StripID, LblName FROM LdrStrips WHERE StrpType=3 ORDER BY LblName";
    break;
  case eOT_Display:
    sql = "SELECT Id, Description FROM Pages ORDER BY Id";
    break;
  case eOT_Subroutine:
    sql = "SELECT FuncID, FuncName FROM LdrFunctions ORDER BY FuncName";
    break;
  default: // named constants
    sql = "SELECT OprndAddress, OprndDescription FROM LdrOperands WHERE OprndType=" + std::to_string(type) +
          " ORDER BY OprndDescription";
    break;
  }
  for (auto rows = db.Query(sql); !rows.IsEOF(); rows.MoveNext()) {
    const long key = rows.Field(0).AsLong();
    mTargets->addItem(QString::fromStdString(rows.Field(1).AsText()), QVariant::fromValue<qlonglong>(key));
  }
  ShowTargetOfAddress();
}

void OperandDialog::ShowTargetOfAddress() {
  if (!HasTargets(CurrentType())) return;
  const int index = mTargets->findData(QVariant::fromValue<qlonglong>(mAddress->value()));
  if (index >= 0)
    mTargets->setCurrentIndex(index);
  else if (mTargets->count() > 0)
    OnTargetChosen();
}

void OperandDialog::OnTargetChosen() {
  if (mTargets->currentIndex() < 0) return;
  const QSignalBlocker quiet(mAddress);
  mAddress->setValue(static_cast<int>(mTargets->currentData().toLongLong()));
  ShowDescription();
}

QString OperandDialog::RefusalOf(const OperandEntry& entry) const {
  const OperandTypeInfo* info = CurrentInfo();
  if (!info || IsConstantType(entry.Type) || HasTargets(entry.Type)) return {};
  if (entry.Address <= info->HighestAddress) return {};
  return QString("%1 %2 does not exist: the addresses of %1 run from 0 to %3.")
      .arg(QString::fromStdString(info->ShortName))
      .arg(entry.Address)
      .arg(info->HighestAddress);
}

void OperandDialog::accept() {
  const QString refusal = RefusalOf(Entry());
  if (refusal.isEmpty()) return QDialog::accept();
  mRefusal->setText(refusal);
  mRefusal->show();
  mAddress->setFocus();
  mAddress->selectAll();
}

void OperandDialog::ShowDescription() {
  const long type = CurrentType();
  std::string text;
  if (type != 0 && !IsConstantType(type)) {
    auto list = mOperands->List();
    if (OperandTypeCatalogue::IsReference(type)) {
      text = list.ReferenceTargetName(type, mAddress->value());
    } else if (const auto row = list.Read({type, mAddress->value(), mNetwork->value()})) {
      text = row->Description;
    }
  }
  mShownDescription = text;
  mDescription->setText(QString::fromStdString(text));
}

OperandEntry OperandDialog::Entry() const {
  OperandEntry entry;
  entry.Type = CurrentType();
  if (IsConstantType(entry.Type))
    entry.Value = mValue->value();
  else if (HasTargets(entry.Type) && mTargets->currentIndex() >= 0)
    entry.Address = static_cast<long>(mTargets->currentData().toLongLong());
  else
    entry.Address = mAddress->value();
  entry.NetworkID = mNetwork->value();
  return entry;
}

std::string OperandDialog::Description() const { return mDescription->text().toStdString(); }

bool OperandDialog::DescriptionEdited() const {
  return !mDescription->isReadOnly() && Description() != mShownDescription;
}

} // namespace ldr::studio
