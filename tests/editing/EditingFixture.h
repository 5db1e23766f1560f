#pragma once
// A new project with a headless host and the shared context, for the editing
// processes: real elements, real nets (once loaded), the error log and the
// scripted answers of the host.

#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "elements/ElementFactory.h"
#include "elements/itfLdrElement.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/clsLogErrorReporter.h"
#include "outside/headless/clsMemoryLog.h"
#include "strips/itfLdrNet.h"
#include "support/ProjectFixture.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ldr {
inline void PrintTo(const tyRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
} // namespace ldr

namespace ldr::test {

class EditingFixture : public ProjectFixture {
protected:
  void SetUp() override;

  // A new element of `type` with its inlet at (x, y), not stored.
  std::shared_ptr<itfLdrElement> Make(std::int32_t type, std::int32_t x, std::int32_t y);
  // A new line from (x, y) stretched by (dx, dy), not stored.
  std::shared_ptr<itfLdrElement> MakeLine(std::int32_t x, std::int32_t y, std::int32_t dx, std::int32_t dy);
  // A collection of the elements under the keys "1", "2", ...
  static ElementCollection Collect(const std::vector<std::shared_ptr<itfLdrElement>>& elements);

  const std::vector<tyErrorReport>& Errors() const;

  std::shared_ptr<clsMemoryLog> mLog;
  tyHeadlessHost mHost;
  LdrContext mCtx;
};

} // namespace ldr::test
