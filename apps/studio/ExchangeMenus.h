#pragma once
// The studio's File items for moving subroutines between projects: Export
// Subroutines (the user ticks which; the open one is ticked) and Import
// Subroutines (into the module of the open subroutine). The file names are
// asked by the editor through the host's dialog service; long runs show a
// progress dialog.

#include "apps/studio/ToolsMenus.h"

#include <QObject>

#include <optional>
#include <vector>

class QMainWindow;
class QMenu;

namespace ldr::studio {

class ExchangeMenus : public QObject {
public:
  ExchangeMenus(QMainWindow* window, ToolsHooks hooks);

  void AddFileItems(QMenu* file);
  void ExportSubroutines();
  void ImportSubroutines();

private:
  // The subroutines the user ticks; nothing when cancelled.
  std::optional<std::vector<long>> ChooseSubroutines();
  // Runs an export or import with a progress dialog the editor drives.
  void WithProgress(const QString& title, const std::function<void()>& call);
  long ReceivingModule();

  QMainWindow* mWindow;
  ToolsHooks mHooks;
};

} // namespace ldr::studio
