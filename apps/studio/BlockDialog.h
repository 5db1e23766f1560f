#pragma once
// The configuration dialog of a function-block method: a configuration
// method's settings, or the instance (and settings) another method works on.
// Its answer is the text the block object reads: "v1,v2" for a
// configuration method, "N" or "N: v1,v2" for the others.

#include "outside/operands/FunctionBlockInstances.h"
#include "outside/operands/FunctionBlockLibrary.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace ldr::studio {

class BlockDialog : public QDialog {
public:
  BlockDialog(const BlockMethodInfo& info, const std::vector<BlockInstance>& instances, const std::string& current,
              QWidget* parent);

  std::string Answer() const;

private:
  QComboBox* mInstance = nullptr; // methods other than the configuration
  QLineEdit* mValues = nullptr;   // methods with settings
};

} // namespace ldr::studio
