#include "apps/studio/BlockPalette.h"

#include "core/ProjectData.h"

namespace ldr::studio {

BlockPalette::BlockPalette(QWidget* parent, Place place)
    : mMenu(new QMenu("Function &Blocks", parent)), mPlace(std::move(place)) {
  mMenu->setObjectName("functionBlocks");
  Clear();
}

void BlockPalette::Clear() {
  mMenu->clear();
  mMenu->addAction("(no function blocks in the project)")->setEnabled(false);
}

void BlockPalette::Refresh(const std::shared_ptr<OperandLibrary>& operands) {
  if (!operands) return Clear();
  const auto methods = operands->FunctionBlocks().MethodIDs();
  if (methods.empty()) return Clear();
  mMenu->clear();
  auto& db = *operands->Connection();
  for (const long method : methods) {
    const QString title = QString::fromStdString(GetFunctionBlockTitle(db, method)).trimmed();
    QAction* action = mMenu->addAction(title);
    action->setObjectName(ActionName(method));
    action->setToolTip(QString("%1 (%2)").arg(title).arg(method));
    QObject::connect(action, &QAction::triggered, mMenu, [this, method] { mPlace(method); });
  }
}

} // namespace ldr::studio
