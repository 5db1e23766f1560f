#pragma once
// The one drawing service of the editor, as every part uses it. Operations in
// their published order.

#include <memory>
#include <string>
#include <vector>

namespace ldr {

class PictureBoard;
class itfStrip;
class itfLdrElement;
class itfProcess;
template <typename T> class KeyedCollection;

class itfDrawer {
public:
  virtual ~itfDrawer() = default;

  virtual void SetToolTipText(const std::string& text) = 0;
  virtual long ViewWidth() = 0;
  virtual void SetViewWidth(long columns) = 0;
  virtual long ViewHeight() = 0;
  virtual void SetViewHeight(long rows) = 0;
  // The strips to draw, top to bottom: the view's collection, which the view
  // owns; the view's owner hands the drawer nullptr before it ends the view.
  virtual void SetStrips(KeyedCollection<itfStrip>* strips) = 0;
  virtual void Init(std::shared_ptr<PictureBoard> leftBoard, std::shared_ptr<PictureBoard> rightBoard) = 0;
  virtual void Release() = 0;
  virtual void DrawAll() = 0;
  virtual void RedrawAll() = 0;
  virtual void DrawNoneSelectedAll() = 0;
  virtual void FlushBackGround() = 0;
  virtual void DraftSelected(itfStrip& strip, const std::vector<std::shared_ptr<itfLdrElement>>& elements) = 0;
  virtual void DrawSelected(itfStrip& strip) = 0;
  virtual void DraftElement(itfStrip& strip, itfLdrElement& element) = 0;
  virtual void DrawElement(itfStrip& strip, itfLdrElement& element) = 0;
  virtual void DraftService(itfProcess& service, itfStrip& strip) = 0;
  virtual void SetHorizontalOffset(long columns) = 0;
  // The first grid column shown, as the last SetHorizontalOffset gave it.
  virtual long HorizontalOffset() const = 0;
  virtual void PrepareForMove() = 0;
  virtual void ReleaseResourcesAfterMove() = 0;
};

} // namespace ldr
