#pragma once
// The one drawing service of the editor. It paints the loaded subroutine (the
// function view's strips and the elements of every net) on the two host
// boards, owns the drawing resources every strip and element draws with, and
// lets the mouse processes draw transient pictures over the finished one.
//
// Each board has a persistent image and a visible surface. Draw operations
// paint into the persistent image, Draft operations onto the visible surface,
// and FlushBackGround shows the persistent image again, which wipes every
// draft at once.
//
// Presenting is incremental where the drawer knows what changed: it keeps,
// per board, the rectangle where the visible surface may differ from the
// persistent image (the drafts since the last flush), and during a move the
// rectangle the moving elements cover. A flush then copies only the drafts'
// rectangle, and a move step only the old and the new place of what moves.
// Anything drawn into a persistent image makes the next flush (or move
// step) whole again.

#include "core/LdrContext.h"
#include "interfaces/itfDrawer.h"
#include "outside/operands/GdiResources.h"
#include "platform/drawing/Bitmap.h"
#include "platform/drawing/DeviceContext.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ldr {

class PictureBoard;

class srvDrawer : public itfDrawer {
public:
  // Widths of the two boards in pixels.
  static constexpr int kRightBoardWidth = 770;
  static constexpr int kLeftBoardWidth = 28;
  // The grid-row pattern: one dot every grid cell, 53 in all.
  static constexpr int kGridDots = 53;

  explicit srvDrawer(LdrContext& context);
  ~srvDrawer() override;
  srvDrawer(const srvDrawer&) = delete;
  srvDrawer& operator=(const srvDrawer&) = delete;

  void SetToolTipText(const std::string& text) override;
  long ViewWidth() override { return mViewWidth; }
  void SetViewWidth(long columns) override { mViewWidth = columns; }
  long ViewHeight() override { return mViewHeight; }
  void SetViewHeight(long rows) override { mViewHeight = rows; }
  void SetStrips(KeyedCollection<itfStrip>* strips) override { mStrips = strips; }
  void Init(std::shared_ptr<PictureBoard> leftBoard, std::shared_ptr<PictureBoard> rightBoard) override;
  void Release() override;
  void DrawAll() override;
  void RedrawAll() override;
  void DrawNoneSelectedAll() override;
  void FlushBackGround() override;
  void DraftSelected(itfStrip& strip, const std::vector<std::shared_ptr<itfLdrElement>>& elements) override;
  void DrawSelected(itfStrip& strip) override;
  void DraftElement(itfStrip& strip, itfLdrElement& element) override;
  void DrawElement(itfStrip& strip, itfLdrElement& element) override;
  void DraftService(itfProcess& service, itfStrip& strip) override;
  void SetHorizontalOffset(long columns) override { mHorizontalOffset = columns; }
  void PrepareForMove() override;
  void ReleaseResourcesAfterMove() override;

  // What the drawer hands to every strip and element that draws.
  GdiResources& Resources() { return mGdiResources; }
  long HorizontalOffset() const override { return mHorizontalOffset; }
  const std::string& ToolTipText() const { return mToolTipText; }
  bool HasMoveBackground() const { return mMoveDC.has_value(); }

private:
  // Which elements of a net the strip pass draws.
  enum ElementFilter { eEF_All = 1, eEF_Selected = 2, eEF_UnSelected = 3 };

  bool HasBoards() const { return mLeftBoard && mRightBoard; }
  void CreateResources(gdi::DeviceContext& board);
  void CreateGridRow(gdi::DeviceContext& board);
  // Both boards persistent, the strip pass, both boards back as they were.
  void DrawPersistent(ElementFilter filter);
  void StripPass(ElementFilter filter);
  void ClearUncovered();
  void DrawTextStripScrolled(itfStrip& comment, gdi::DeviceContext& leftDC, gdi::DeviceContext& boardDC);
  void DrawNetElements(itfStrip& strip, ElementFilter filter);
  void ClearBelowReturnStrip();
  // Draws the elements on the right board's current device context with the
  // origin at the strip's edit zone, scrolled by the horizontal offset.
  void ElementPass(itfStrip& strip, const std::vector<itfLdrElement*>& elements);
  int RightBoardHeight() const;
  // The persistent image changed: the next flush and move step copy whole.
  void PersistentChanged();
  // Copies `rect` (device pixels) of `source` onto `target`.
  static void CopyRect(gdi::DeviceContext& target, const gdi::DeviceContext& source, const gdi::Rect& rect);
  // Shows the persistent image of `board` on its visible surface: only
  // `drafts` when it is known, else all of it.
  static void Flush(PictureBoard& board, std::optional<gdi::Rect>& drafts);

  LdrContext& mContext;
  long mViewWidth = 0;
  long mViewHeight = 0;
  std::string mToolTipText;
  GdiResources mGdiResources;
  std::shared_ptr<PictureBoard> mLeftBoard;
  std::shared_ptr<PictureBoard> mRightBoard;
  KeyedCollection<itfStrip>* mStrips = nullptr;
  bool mSavedPersistence = false;
  long mHorizontalOffset = 0;
  // The picture a move started from: PrepareForMove to ReleaseResourcesAfterMove.
  gdi::Bitmap mMoveBitmap;
  std::optional<gdi::DeviceContext> mMoveDC;
  gdi::Bitmap mMovePreviousBitmap;
  // Where the visible surface may differ from the persistent image; none
  // when unknown (the whole board differs).
  std::optional<gdi::Rect> mRightDrafts;
  std::optional<gdi::Rect> mLeftDrafts;
  // Where the moving elements were drawn last; the next move step restores
  // and presents the whole board instead while mMoveWhole is set.
  gdi::Rect mMoveDrawn;
  bool mMoveWhole = true;
};

} // namespace ldr
