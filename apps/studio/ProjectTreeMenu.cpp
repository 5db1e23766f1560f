#include "apps/studio/ProjectTreeMenu.h"

#include "editor/itfLdrMain.h"

#include <QMenu>
#include <QTreeWidget>

namespace ldr {

namespace {
const QString kNewModule = "New Module", kNewSubroutine = "New Subroutine", kRename = "Rename",
              kClear = "Clear Subroutine", kDeleteSubroutine = "Delete Subroutine", kDeleteModule = "Delete Module",
              kMoveTo = "Move to ";
}

ProjectTreeMenu::ProjectTreeMenu(QTreeWidget& tree, ProjectTreeHooks hooks)
    : QObject(&tree), mTree(tree), mHooks(std::move(hooks)) {
  mTree.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&mTree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& at) { Show(at); });
  connect(&mTree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int) {
    if (item == mRenaming && (item->flags() & Qt::ItemIsEditable)) FinishRename(item);
  });
}

QStringList ProjectTreeMenu::EntriesFor(QTreeWidgetItem* item) const {
  QStringList entries{kNewModule};
  if (!item) return entries;
  const auto [kind, id] = mHooks.ItemOf(item);
  entries << kNewSubroutine << kRename;
  if (kind == kSubroutine) {
    const auto [parentKind, parentID] = mHooks.ItemOf(item->parent());
    (void)parentKind;
    for (const auto& [mdlID, name] : mHooks.Modules())
      if (mdlID != parentID) entries << kMoveTo + QString::fromStdString(name);
    entries << kClear << kDeleteSubroutine;
  } else {
    entries << kDeleteModule;
  }
  (void)id;
  return entries;
}

void ProjectTreeMenu::Show(const QPoint& at) {
  QTreeWidgetItem* item = mTree.itemAt(at);
  QMenu menu(&mTree);
  for (const QString& entry : EntriesFor(item)) menu.addAction(entry);
  if (QAction* chosen = menu.exec(mTree.viewport()->mapToGlobal(at))) Run(item, chosen->text());
}

bool ProjectTreeMenu::Run(QTreeWidgetItem* item, const QString& entry) {
  itfLdrMain* main = mHooks.Main();
  if (!main) return false;
  const auto [kind, id] = item ? mHooks.ItemOf(item) : std::pair<int, long>{0, 0};
  const long module = kind == kModule ? id : (item && item->parent() ? mHooks.ItemOf(item->parent()).second : 0);
  bool ran = true;
  if (entry == kNewModule) {
    mHooks.Guard("New module", [&] {
      long mdlID = 0, funcID = 0;
      std::string moduleName, funcName;
      main->AddNewModule(mdlID, moduleName, funcID, funcName);
    });
  } else if (entry == kNewSubroutine) {
    mHooks.Guard("New subroutine", [&] {
      long funcID = 0;
      std::string funcName;
      main->AddNewFunction(module, funcID, funcName);
    });
  } else if (entry == kRename) {
    StartRename(item);
    return true;
  } else if (entry == kClear) {
    mHooks.Guard("Clear subroutine", [&] { main->ClearFunction(id); });
  } else if (entry == kDeleteSubroutine) {
    mHooks.Guard("Delete subroutine", [&] { main->DeleteFunction(id); });
  } else if (entry == kDeleteModule) {
    mHooks.Guard("Delete module", [&] { main->DeleteModule(id); });
  } else if (entry.startsWith(kMoveTo)) {
    const std::string target = entry.mid(kMoveTo.size()).toStdString();
    for (const auto& [mdlID, name] : mHooks.Modules())
      if (name == target) mHooks.Guard("Move subroutine", [&] { main->MoveFunctionToModule(id, mdlID); });
  } else {
    ran = false;
  }
  if (ran) mHooks.Changed();
  return ran;
}

void ProjectTreeMenu::StartRename(QTreeWidgetItem* item) {
  if (!item) return;
  // Set after the flags: changing them is a change of the item too.
  item->setFlags(item->flags() | Qt::ItemIsEditable);
  mRenaming = item;
  mTree.editItem(item, 0);
}

// The editor decides: a refused name puts the tree back as it was.
void ProjectTreeMenu::FinishRename(QTreeWidgetItem* item) {
  mRenaming = nullptr;
  itfLdrMain* main = mHooks.Main();
  const auto [kind, id] = mHooks.ItemOf(item);
  const std::string name = item->text(0).toStdString();
  if (main)
    mHooks.Guard("Rename", [&] {
      if (kind == kModule)
        main->RenameModule(id, name);
      else
        main->RenameFunction(id, name);
    });
  mHooks.Changed();
}

} // namespace ldr
