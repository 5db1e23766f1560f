#pragma once
// The configuration dialog of the communication and second-set utility boxes,
// built from the kind of the box: a spin box for each number (within the
// field's limits), a line for each text. It reads and writes the
// configuration text of the parameter object ("port=1;baud=9600"); the
// operands the block holds are asked afterwards through the operand dialog.

#include "outside/operands/KindParamsObject.h"

#include <QDialog>

#include <memory>
#include <string>
#include <vector>

namespace ldr::studio {

class ParamsKindDialog : public QDialog {
public:
  // `object` holds the current configuration of the box.
  ParamsKindDialog(const KindParamsObject& object, QWidget* parent = nullptr);

  // The configuration text of the fields as the user left them.
  std::string ConfigurationText() const;
  // The editor of a field (its object name is the field's name).
  QWidget* FieldEditor(const std::string& name) const;

private:
  struct Editor {
    const ParamsField* Field;
    QWidget* Widget;
  };
  std::vector<Editor> mEditors;
};

} // namespace ldr::studio
