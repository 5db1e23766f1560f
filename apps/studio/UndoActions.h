#pragma once
// Edit > Undo and Redo with the name of the step they take back or bring
// again (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z), disabled when there is none, and
// the undo history panel: the steps that can be undone, newest first, then
// those that can be redone.

#include "editor/clsLdrMain.h"

#include <functional>
#include <string>

class QAction;
class QDockWidget;
class QListWidget;
class QMainWindow;
class QMenu;

namespace ldr::studio {

class UndoActions {
public:
  using MainSource = std::function<clsLdrMain*()>;
  using Guard = std::function<bool(const std::string& action, const std::function<void()>& call)>;

  UndoActions(QMainWindow& window, MainSource main, Guard guard);

  // The two entries, at the top of the menu.
  void AddTo(QMenu& edit);
  QDockWidget* HistoryDock() const { return mDock; }
  // Texts, enabled states and the history, as the project has them now.
  void Refresh();

  QAction* UndoAction() const { return mUndo; }
  QAction* RedoAction() const { return mRedo; }

private:
  void Step(bool redo);

  MainSource mMain;
  Guard mGuard;
  QAction* mUndo = nullptr;
  QAction* mRedo = nullptr;
  QDockWidget* mDock = nullptr;
  QListWidget* mHistory = nullptr;
};

} // namespace ldr::studio
