#pragma once
// The function-block palette: one entry per method of the open project's
// blocks ("ID_FunctionBlock_100201" …), refreshed when a project opens or its
// block library changes. Choosing an entry places that method.

#include "outside/operands/OperandLibrary.h"

#include <QMenu>

#include <functional>
#include <memory>

namespace ldr::studio {

class BlockPalette {
public:
  using Place = std::function<void(long methodID)>;

  BlockPalette(QWidget* parent, Place place);

  QMenu* Menu() const { return mMenu; }
  void Refresh(const std::shared_ptr<OperandLibrary>& operands);
  void Clear();
  static QString ActionName(long methodID) { return QString("ID_FunctionBlock_%1").arg(methodID); }

private:
  QMenu* mMenu;
  Place mPlace;
};

} // namespace ldr::studio
