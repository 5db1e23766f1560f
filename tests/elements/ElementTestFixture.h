#pragma once
// A new project with a headless host and the shared context, for element
// tests: the element tables, the operand library, the error log and scripted
// answers are all real.

#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "elements/ElementBase.h"
#include "elements/ElementFactory.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/headless/MemoryLog.h"
#include "support/ProjectFixture.h"

#include <memory>
#include <ostream>
#include <string>

namespace ldr {
inline void PrintTo(const tyLdrPoint& p, std::ostream* os) { *os << "(" << p.X << ", " << p.Y << ")"; }
inline void PrintTo(const Rect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace ldr

namespace ldr::test {

class ElementTestFixture : public ProjectFixture {
protected:
  void SetUp() override;

  // A new element of `type` placed at (x, y), not stored.
  template <typename T = ElementBase> std::shared_ptr<T> Make(std::int32_t type, std::int32_t x, std::int32_t y) {
    auto element = std::dynamic_pointer_cast<T>(CreateNewElement(mCtx, type));
    if (!element) throw std::runtime_error("factory gave no element of the expected class");
    if (!element->IsLineElement()) element->SetClassType(static_cast<enElementType>(type));
    element->SetXs(x);
    element->SetYs(y);
    return element;
  }
  // The first net of subroutine 2 of the new project.
  long NetID();
  // Reports of the error reporter so far.
  const std::vector<ErrorReport>& Errors() const;
  // Counts the updates of LdrElements rows from now on.
  void CountElementUpdates();
  long ElementUpdates();

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mCtx;
};

} // namespace ldr::test
