#include "apps/studio/SettingsDialog.h"

#include "apps/studio/ToolCatalogue.h"
#include "editor/ToolTable.h"
#include "outside/utilities/OutsideSettingKeys.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <set>

namespace ldr::studio {

namespace {

constexpr long kSnapXKey = 6006, kSnapYKey = 6007, kPowerFlowKey = 6013, kOpenSpaceKey = 6003;
constexpr int kMaxSnap = 20;
const char* const kFunctionKeyNames[4] = {"F3", "Shift+F3", "F4", "Shift+F4"};

QColor FromColorRef(std::uint32_t color) { return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }
std::uint32_t ToColorRef(const QColor& color) {
  return static_cast<std::uint32_t>(color.red()) | (static_cast<std::uint32_t>(color.green()) << 8) |
         (static_cast<std::uint32_t>(color.blue()) << 16);
}

void SelectType(QComboBox* box, long type) {
  int index = box->findData(QVariant::fromValue<qlonglong>(type));
  if (index < 0) {
    // A type the list does not offer (set by hand in the file) stays as it is.
    box->addItem(QString("Element type %1").arg(type), QVariant::fromValue<qlonglong>(type));
    index = box->count() - 1;
  }
  box->setCurrentIndex(index);
}

} // namespace

SettingsDialog::SettingsDialog(SettingsStore& settings, QWidget* parent) : QDialog(parent), mSettings(settings) {
  setObjectName("settingsDialog");
  setWindowTitle("Editor Settings");
  auto* layout = new QVBoxLayout(this);

  auto* editor = new QGroupBox("Editor", this);
  auto* editorForm = new QFormLayout(editor);
  mSnapX = new QSpinBox(editor);
  mSnapX->setObjectName("snapLimitX");
  mSnapX->setRange(0, kMaxSnap);
  mSnapY = new QSpinBox(editor);
  mSnapY->setObjectName("snapLimitY");
  mSnapY->setRange(0, kMaxSnap);
  mColorButton = new QPushButton(editor);
  mColorButton->setObjectName("powerFlowColor");
  mOpenSpace = new QCheckBox("Open space for an inserted element", editor);
  mOpenSpace->setObjectName("openSpace");
  editorForm->addRow("Snap limit, columns", mSnapX);
  editorForm->addRow("Snap limit, rows", mSnapY);
  editorForm->addRow("Power flow colour", mColorButton);
  editorForm->addRow("", mOpenSpace);
  layout->addWidget(editor);

  auto* keys = new QGroupBox("Function keys", this);
  auto* keysForm = new QFormLayout(keys);
  // The element tools that can be inserted from the keyboard, by title.
  std::set<long> offered;
  for (int slot = 0; slot < 4; ++slot) {
    auto* box = new QComboBox(keys);
    box->setObjectName(QString("functionKey%1").arg(kFunctionKeyKeys[slot]));
    box->addItem("(none)", QVariant::fromValue<qlonglong>(0));
    for (const auto& tool : ToolTable::ElementTools()) {
      if (ToolTable::KeyboardToolOf(tool.ElementType).empty()) continue;
      if (box->findData(QVariant::fromValue<qlonglong>(tool.ElementType)) >= 0) continue;
      box->addItem(QString::fromStdString(ToolCatalogue::ToolText(std::string(tool.ToolID), tool.ElementType)),
                   QVariant::fromValue<qlonglong>(tool.ElementType));
    }
    mFunctionKeys[slot] = box;
    keysForm->addRow(kFunctionKeyNames[slot], box);
  }
  layout->addWidget(keys);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  // The caller stores the settings once the dialog is accepted.
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(mColorButton, &QPushButton::clicked, this, [this] { ChooseColor(); });
  Load();
}

void SettingsDialog::Load() {
  mSnapX->setValue(static_cast<int>(mSettings.HostSettingLong(eHSS_Editor, kSnapXKey, 2)));
  mSnapY->setValue(static_cast<int>(mSettings.HostSettingLong(eHSS_Editor, kSnapYKey, 2)));
  mPowerFlowColor = static_cast<std::uint32_t>(mSettings.HostSettingLong(eHSS_Editor, kPowerFlowKey, 255)) & 0xFFFFFF;
  mOpenSpace->setChecked(mSettings.HostSetting(eHSS_Editor, kOpenSpaceKey, "0") == "1");
  for (int slot = 0; slot < 4; ++slot)
    SelectType(mFunctionKeys[slot], mSettings.HostSettingLong(eHSS_FunctionKeys, kFunctionKeyKeys[slot], 0));
  ShowColor();
}

void SettingsDialog::Store() {
  mSettings.SetHostSetting(eHSS_Editor, kSnapXKey, std::to_string(SnapLimitX()));
  mSettings.SetHostSetting(eHSS_Editor, kSnapYKey, std::to_string(SnapLimitY()));
  mSettings.SetHostSetting(eHSS_Editor, kPowerFlowKey, std::to_string(mPowerFlowColor));
  mSettings.SetHostSetting(eHSS_Editor, kOpenSpaceKey, OpenSpace() ? "1" : "0");
  for (int slot = 0; slot < 4; ++slot)
    mSettings.SetHostSetting(eHSS_FunctionKeys, kFunctionKeyKeys[slot], std::to_string(FunctionKeyType(slot)));
  mSettings.Save();
}

long SettingsDialog::SnapLimitX() const { return mSnapX->value(); }
long SettingsDialog::SnapLimitY() const { return mSnapY->value(); }
bool SettingsDialog::OpenSpace() const { return mOpenSpace->isChecked(); }
long SettingsDialog::FunctionKeyType(int slot) const {
  return static_cast<long>(mFunctionKeys[slot]->currentData().toLongLong());
}

void SettingsDialog::SetSnapLimits(long x, long y) {
  mSnapX->setValue(static_cast<int>(x));
  mSnapY->setValue(static_cast<int>(y));
}

void SettingsDialog::SetPowerFlowColor(std::uint32_t color) {
  mPowerFlowColor = color & 0xFFFFFF;
  ShowColor();
}

void SettingsDialog::SetOpenSpace(bool on) { mOpenSpace->setChecked(on); }

void SettingsDialog::SetFunctionKeyType(int slot, long elementType) { SelectType(mFunctionKeys[slot], elementType); }

void SettingsDialog::ChooseColor() {
  const QColor chosen = QColorDialog::getColor(FromColorRef(mPowerFlowColor), this, "Power flow colour");
  if (chosen.isValid()) SetPowerFlowColor(ToColorRef(chosen));
}

void SettingsDialog::ShowColor() {
  const QColor color = FromColorRef(mPowerFlowColor);
  mColorButton->setText(color.name());
  mColorButton->setStyleSheet(
      QString("background-color: %1; color: %2").arg(color.name(), color.lightness() < 128 ? "white" : "black"));
}

} // namespace ldr::studio
