#include "apps/studio/UndoActions.h"

#include <QAction>
#include <QDockWidget>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>

namespace ldr::studio {

UndoActions::UndoActions(QMainWindow& window, MainSource main, Guard guard)
    : mMain(std::move(main)), mGuard(std::move(guard)) {
  mUndo = new QAction("&Undo", &window);
  mUndo->setObjectName("undo");
  mUndo->setShortcut(QKeySequence::Undo);
  mRedo = new QAction("&Redo", &window);
  mRedo->setObjectName("redo");
  mRedo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
  QObject::connect(mUndo, &QAction::triggered, &window, [this] { Step(false); });
  QObject::connect(mRedo, &QAction::triggered, &window, [this] { Step(true); });
  window.addAction(mUndo);
  window.addAction(mRedo);

  mDock = new QDockWidget("Undo History", &window);
  mDock->setObjectName("undoDock");
  mHistory = new QListWidget(mDock);
  mHistory->setObjectName("undoHistory");
  mDock->setWidget(mHistory);
  Refresh();
}

void UndoActions::AddTo(QMenu& edit) {
  QAction* first = edit.actions().isEmpty() ? nullptr : edit.actions().front();
  edit.insertAction(first, mUndo);
  edit.insertAction(first, mRedo);
  if (first) edit.insertSeparator(first);
  QObject::connect(&edit, &QMenu::aboutToShow, mUndo, [this] { Refresh(); });
}

void UndoActions::Step(bool redo) {
  clsLdrMain* main = mMain();
  if (!main) return;
  mGuard(redo ? "Redo" : "Undo", [&] { redo ? main->Redo() : main->Undo(); });
  Refresh();
}

void UndoActions::Refresh() {
  clsLdrMain* main = mMain();
  std::vector<std::string> undoNames, redoNames;
  if (main) {
    mGuard("Undo history", [&] {
      undoNames = main->UndoNames(false);
      redoNames = main->UndoNames(true);
    });
  }
  mUndo->setEnabled(!undoNames.empty());
  mRedo->setEnabled(!redoNames.empty());
  mUndo->setText(undoNames.empty() ? "&Undo" : "&Undo " + QString::fromStdString(undoNames.front()));
  mRedo->setText(redoNames.empty() ? "&Redo" : "&Redo " + QString::fromStdString(redoNames.front()));
  mHistory->clear();
  for (const auto& name : undoNames) mHistory->addItem(QString::fromStdString(name));
  for (const auto& name : redoNames) {
    auto* item = new QListWidgetItem("(undone) " + QString::fromStdString(name), mHistory);
    item->setForeground(Qt::gray);
  }
}

} // namespace ldr::studio
