#pragma once
// The project tree's context menu: new module, new subroutine, rename in
// place, move to another module, clear and delete. Every change goes through
// the editor's main object (which asks the user where it must); the window
// then rebuilds the tree.

#include <QObject>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
class QPoint;

namespace ldr {

class itfLdrMain;

struct ProjectTreeHooks {
  std::function<itfLdrMain*()> Main;
  // Runs an editor call, reporting a failure to the user; false when it failed.
  std::function<bool(const std::string& action, const std::function<void()>& call)> Guard;
  // The tree changed: rebuild it (and the title).
  std::function<void()> Changed;
  // What an item stands for: module (1) or subroutine (2), and its ID.
  std::function<std::pair<int, long>(QTreeWidgetItem*)> ItemOf;
  // Every module: ID and name.
  std::function<std::vector<std::pair<long, std::string>>()> Modules;
};

class ProjectTreeMenu : public QObject {
public:
  static constexpr int kModule = 1, kSubroutine = 2;

  ProjectTreeMenu(QTreeWidget& tree, ProjectTreeHooks hooks);

  // The menu's entries for an item (nothing: the empty area), as shown.
  QStringList EntriesFor(QTreeWidgetItem* item) const;
  // Runs the entry named `entry` for `item`; false when none matched.
  bool Run(QTreeWidgetItem* item, const QString& entry);

private:
  void Show(const QPoint& at);
  void StartRename(QTreeWidgetItem* item);
  void FinishRename(QTreeWidgetItem* item);

  QTreeWidget& mTree;
  ProjectTreeHooks mHooks;
  QTreeWidgetItem* mRenaming = nullptr;
};

} // namespace ldr
