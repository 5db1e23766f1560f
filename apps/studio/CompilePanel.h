#pragma once
// The studio's compile panel: what needs compiling, subroutine by
// subroutine, and the rules the ladder breaks (an entry jumps to its net
// through the editor's JumpToCompileResult); and the on-line switch, which
// puts the editor on line and has it evaluate the virtual controller's
// operand values and draw the power flow at every refresh.

#include "outside/operands/VirtualController.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QCheckBox;
class QListWidget;
class QListWidgetItem;
class QTimer;

namespace ldr {
class clsLdrMain;
}

namespace ldr::studio {

class CompilePanel : public QWidget {
public:
  using MainSource = std::function<clsLdrMain*()>;
  // Runs a call into the component; false when it failed (reported).
  using Guard = std::function<bool(const std::string& action, const std::function<void()>& call)>;

  static constexpr int kRefreshMilliseconds = 500;
  // The item data role that holds an entry's compiler message.
  static constexpr int kMessageRole = 0x0101;

  CompilePanel(MainSource main, Guard guard, QWidget* parent = nullptr);

  // Reads compile state and findings again.
  void Check();
  void SetOnLine(bool on);
  bool OnLine() const;
  // Evaluates the controller's values once and redraws.
  void RefreshOnLine();
  // The project closed: empty list, off line.
  void Clear();

  VirtualController& Controller() { return *mController; }
  QListWidget* Entries() const { return mEntries; }

private:
  void AddEntry(const QString& text, const std::string& message);
  void OnActivated(QListWidgetItem* item);

  MainSource mMain;
  Guard mGuard;
  QListWidget* mEntries = nullptr;
  QCheckBox* mOnLine = nullptr;
  QTimer* mTimer = nullptr;
  std::shared_ptr<VirtualController> mController = std::make_shared<VirtualController>();
};

} // namespace ldr::studio
