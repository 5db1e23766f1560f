#pragma once
// The host settings the editor reads, edited by the user and stored through
// the settings store: the snap limits (6000/6006, 6007), the power-flow
// colour (6000/6013, a 0x00BBGGRR value), opening space when an element is
// inserted (6000/6003, "1" on) and the element types that F3, Shift+F3, F4
// and Shift+F4 insert (7000/7001 … 7004, 0 none).

#include "outside/utilities/SettingsStore.h"

#include <QDialog>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;

namespace ldr::studio {

class SettingsDialog : public QDialog {
public:
  SettingsDialog(SettingsStore& settings, QWidget* parent = nullptr);

  // Writes what the dialog shows into the settings store (the caller does,
  // after the user accepted).
  void Store();

  long SnapLimitX() const;
  long SnapLimitY() const;
  std::uint32_t PowerFlowColor() const { return mPowerFlowColor; }
  bool OpenSpace() const;
  // The element type of function key slot 0 … 3 (F3, Shift+F3, F4, Shift+F4).
  long FunctionKeyType(int slot) const;

  void SetSnapLimits(long x, long y);
  void SetPowerFlowColor(std::uint32_t color);
  void SetOpenSpace(bool on);
  void SetFunctionKeyType(int slot, long elementType);

  static constexpr long kFunctionKeyKeys[4] = {7001, 7002, 7003, 7004};

private:
  void Load();
  void ChooseColor();
  void ShowColor();

  SettingsStore& mSettings;
  QSpinBox* mSnapX = nullptr;
  QSpinBox* mSnapY = nullptr;
  QPushButton* mColorButton = nullptr;
  QCheckBox* mOpenSpace = nullptr;
  QComboBox* mFunctionKeys[4] = {};
  std::uint32_t mPowerFlowColor = 255;
};

} // namespace ldr::studio
