#include "apps/studio/BlockDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace ldr::studio {

BlockDialog::BlockDialog(const BlockMethodInfo& info, const std::vector<BlockInstance>& instances,
                         const std::string& current, QWidget* parent)
    : QDialog(parent) {
  setObjectName("blockDialog");
  setWindowTitle(QString::fromStdString(info.FatherTitle + " - " + info.MethodTitle));
  auto* form = new QFormLayout(this);
  std::string values = current;
  if (!info.IsConfiguration()) {
    const auto colon = current.find(':');
    const QString chosen = QString::fromStdString(current.substr(0, colon)).trimmed();
    values = colon == std::string::npos ? std::string() : current.substr(colon + 1);
    mInstance = new QComboBox(this);
    mInstance->setObjectName("blockInstance");
    for (const auto& instance : instances) {
      mInstance->addItem(QString("%1 - %2").arg(instance.Number).arg(QString::fromStdString(instance.Description)),
                         QVariant::fromValue<qlonglong>(instance.Number));
      if (QString::number(instance.Number) == chosen) mInstance->setCurrentIndex(mInstance->count() - 1);
    }
    form->addRow("Instance:", mInstance);
  }
  if (info.Shape.ValueCount > 0) {
    mValues = new QLineEdit(QString::fromStdString(values).trimmed(), this);
    mValues->setObjectName("blockSettings");
    form->addRow(QString("Settings (%1 whole numbers, separated by commas):").arg(info.Shape.ValueCount), mValues);
  }
  if (!mInstance && !mValues) form->addRow(new QLabel("This method has no settings.", this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

std::string BlockDialog::Answer() const {
  const std::string values = mValues ? mValues->text().trimmed().toStdString() : std::string();
  if (!mInstance) return values;
  const std::string instance = std::to_string(mInstance->currentData().toLongLong());
  return mValues ? instance + ": " + values : instance;
}

} // namespace ldr::studio
