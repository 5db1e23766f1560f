#pragma once
// What the editor state asks of the open subroutine view when it handles a
// reload request: draw everything again, or load the subroutine again.

namespace ldr {

class ViewRefresh {
public:
  virtual ~ViewRefresh() = default;

  virtual void RedrawAll() = 0;
  virtual void ReLoad() = 0;
};

} // namespace ldr
