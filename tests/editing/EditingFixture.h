#pragma once
// A new project with a headless host and the shared context, for the editing
// processes: real elements, real nets (once loaded), the error log and the
// scripted answers of the host.

#include "ProcessDoubles.h"
#include "core/LdrContext.h"
#include "core/clsLdrState.h"
#include "elements/ElementFactory.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrNet.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/LogErrorReporter.h"
#include "outside/headless/MemoryLog.h"
#include "support/MockFunction.h"
#include "support/ProjectFixture.h"

#include <gmock/gmock.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace ldr {
inline void PrintTo(const Rect& r, std::ostream* os) {
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

  const std::vector<ErrorReport>& Errors() const;

  // The n-th net (1-based, by SeqNum) of subroutine 2 of the new project.
  long NetID(int n = 1);
  // A net loaded from its row with its top at view row `top`, as the view
  // makes it.
  std::shared_ptr<itfStrip> LoadNet(long stripID, std::int32_t top = 0);
  static itfLdrNet& Net(const std::shared_ptr<itfStrip>& strip);
  // The pointer over element point (x, y) of `strip` (a board grid point of
  // its edit zone): the strip's hit data as a view hit test leaves it.
  static void PointAt(const std::shared_ptr<itfStrip>& strip, std::int32_t x, std::int32_t y, int button = 1);
  // Stores a new element of `type` with its inlet at (x, y) in `strip`.
  std::shared_ptr<itfLdrElement> Store(const std::shared_ptr<itfStrip>& strip, std::int32_t type, std::int32_t x,
                                       std::int32_t y);
  std::shared_ptr<itfLdrElement> StoreLine(const std::shared_ptr<itfStrip>& strip, std::int32_t x, std::int32_t y,
                                           std::int32_t dx, std::int32_t dy);
  long Count(const std::string& where);
  // Queues the user's answer to the next operand dialog.
  void AnswerOperand(long type, long address);
  void CancelOperand();

  ::testing::NiceMock<MockProcessControl> mControl;
  std::shared_ptr<::testing::NiceMock<MockDrawer>> mDrawer;
  std::unique_ptr<DrawerView> mView;

  std::shared_ptr<MemoryLog> mLog;
  HeadlessHost mHost;
  LdrContext mCtx;
};

} // namespace ldr::test
