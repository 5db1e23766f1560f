#include "apps/studio/ParamsKindDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace ldr::studio {

ParamsKindDialog::ParamsKindDialog(const KindParamsObject& object, QWidget* parent) : QDialog(parent) {
  setObjectName("paramsDialog");
  const std::vector<std::string> texts = object.Texts();
  setWindowTitle(QString::fromStdString(texts[1]));
  auto* form = new QFormLayout(this);
  if (!texts[2].empty()) form->addRow(new QLabel(QString::fromStdString("Settings of the " + texts[2] + ":")));
  for (const auto& field : object.Kind().Fields) {
    QWidget* widget = nullptr;
    if (ParamsKinds::IsValueField(field)) {
      auto* spin = new QSpinBox(this);
      spin->setRange(field.Min, field.Max);
      spin->setValue(object.Number(field.Name));
      widget = spin;
    } else if (field.Kind == ParamsFieldKind::Text) {
      auto* line = new QLineEdit(QString::fromStdString(object.Text(field.Name)), this);
      line->setMaxLength(static_cast<int>(ParamsKinds::kMaxTextBytes));
      widget = line;
    } else {
      continue;
    }
    widget->setObjectName(QString::fromUtf8(field.Name.data(), static_cast<int>(field.Name.size())));
    form->addRow(QString::fromUtf8(field.Label.data(), static_cast<int>(field.Label.size())) + ":", widget);
    mEditors.push_back({&field, widget});
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

std::string ParamsKindDialog::ConfigurationText() const {
  std::string text;
  for (const auto& editor : mEditors) {
    std::string value;
    if (auto* spin = qobject_cast<QSpinBox*>(editor.Widget)) value = std::to_string(spin->value());
    if (auto* line = qobject_cast<QLineEdit*>(editor.Widget)) value = line->text().toStdString();
    text += (text.empty() ? "" : ";") + KindParamsObject::ConfigurationPair(editor.Field->Name, value);
  }
  return text;
}

QWidget* ParamsKindDialog::FieldEditor(const std::string& name) const {
  for (const auto& editor : mEditors)
    if (editor.Field->Name == name) return editor.Widget;
  return nullptr;
}

} // namespace ldr::studio
