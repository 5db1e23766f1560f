#include "editing/srvDrawer.h"

#include "core/KeyedCollection.h"
#include "core/clsLdrState.h"
#include "core/enMouseProcess.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfLdrComment.h"
#include "interfaces/itfLdrElement.h"
#include "interfaces/itfLdrLabel.h"
#include "interfaces/itfLdrNet.h"
#include "interfaces/itfProcess.h"
#include "interfaces/itfStrip.h"
#include "outside/HostServices.h"
#include "outside/operands/OperandPainter.h"
#include "platform/boards/PictureBoard.h"
#include "platform/drawing/RectHelpers.h"

namespace ldr {

namespace {

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kGrey = gdi::RGB(192, 192, 192);
constexpr gdi::COLORREF kLightYellow = gdi::RGB(255, 255, 219);
constexpr gdi::COLORREF kGridDot = gdi::RGB(0, 0, 255);

// Puts a board's persistence mode back when the scope ends, also when a strip
// or an element throws on the way.
class PersistenceGuard {
public:
  PersistenceGuard(PictureBoard& board, bool restoreTo) : mBoard(board), mRestoreTo(restoreTo) {}
  ~PersistenceGuard() { mBoard.SetAutoRedraw(mRestoreTo); }
  PersistenceGuard(const PersistenceGuard&) = delete;
  PersistenceGuard& operator=(const PersistenceGuard&) = delete;

private:
  PictureBoard& mBoard;
  bool mRestoreTo;
};

// Moves a device context's viewport origin for the scope of one pass.
class OriginGuard {
public:
  OriginGuard(gdi::DeviceContext& dc, int dx, int dy) : mDC(dc), mPrevious(dc.OffsetViewportOrg(dx, dy)) {}
  ~OriginGuard() { mDC.SetViewportOrg(mPrevious.X, mPrevious.Y); }
  OriginGuard(const OriginGuard&) = delete;
  OriginGuard& operator=(const OriginGuard&) = delete;

private:
  gdi::DeviceContext& mDC;
  gdi::Point mPrevious;
};

std::vector<itfLdrElement*> ElementsOf(const ElementCollection& elements) {
  std::vector<itfLdrElement*> list;
  list.reserve(elements.Count());
  for (const auto& entry : elements) list.push_back(entry.second.get());
  return list;
}

long Area(const gdi::Rect& rect) {
  return gdi::IsRectEmpty(rect) ? 0L : static_cast<long>(rect.Width()) * static_cast<long>(rect.Height());
}

// Paints a rectangle (right and bottom edges exclusive) white, pen and brush
// put back afterwards.
void ClearRect(gdi::DeviceContext& dc, int left, int top, int right, int bottom) {
  gdi::Pen oldPen = dc.SelectObject(gdi::Pen::Solid(kWhite, 1));
  gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::Solid(kWhite));
  dc.Rectangle(left, top, right, bottom);
  dc.SelectObject(oldBrush);
  dc.SelectObject(oldPen);
}

} // namespace

srvDrawer::srvDrawer(LdrContext& context) : mContext(context) {}

srvDrawer::~srvDrawer() {
  // The move background goes with the drawer when a move never ended.
  if (mMoveDC) ReleaseResourcesAfterMove();
  mLeftBoard.reset();
  mRightBoard.reset();
}

void srvDrawer::SetToolTipText(const std::string& text) {
  if (text == mToolTipText) return;
  mToolTipText = text;
  if (mRightBoard) mRightBoard->SetToolTipText(text);
  if (mLeftBoard) mLeftBoard->SetToolTipText(text);
}

void srvDrawer::Init(std::shared_ptr<PictureBoard> leftBoard, std::shared_ptr<PictureBoard> rightBoard) {
  mLeftBoard = std::move(leftBoard);
  mRightBoard = std::move(rightBoard);
  PersistentChanged();
  if (mRightBoard) CreateResources(mRightBoard->hDC());
}

void srvDrawer::Release() {
  mLeftBoard.reset();
  mRightBoard.reset();
}

void srvDrawer::CreateResources(gdi::DeviceContext& board) {
  GdiResources res;
  gdi::LogFont font = board.CurrentFont().Describe();
  font.FaceName = "Miriam Fixed";
  font.Height = -16;
  font.CharSet = gdi::HEBREW_CHARSET;
  font.OutPrecision = gdi::OUT_STROKE_PRECIS;
  font.PitchAndFamily = gdi::FIXED_PITCH | gdi::FF_MODERN;
  res.LadderFont = gdi::Font(font);
  mGdiResources = std::move(res);
  CreateGridRow(board);
  mGdiResources.GreyPen = board.CurrentPen().WithColor(kGrey);
  mGdiResources.GreyBrush = gdi::Brush::Solid(kGrey);
  mGdiResources.WhiteBrush = gdi::Brush::Solid(kWhite);
  mGdiResources.LightYellowBrush = gdi::Brush::Solid(kLightYellow);
  // The operand library's own field: the description font.
  OperandPainter::FillOperandResources(mGdiResources);
}

void srvDrawer::CreateGridRow(gdi::DeviceContext& board) {
  gdi::Bitmap row = board.CreateCompatibleBitmap(kRightBoardWidth, 1);
  mGdiResources.GridRowDC = board.CreateCompatibleDC();
  mGdiResources.GridRowPreviousBitmap = mGdiResources.GridRowDC.SelectObject(row);
  gdi::Brush previous = mGdiResources.GridRowDC.SelectObject(gdi::Brush::Solid(kWhite));
  mGdiResources.GridRowDC.PatBlt(0, 0, kRightBoardWidth, 1, gdi::PATCOPY);
  mGdiResources.GridRowDC.SelectObject(previous);
  for (int i = 0; i < kGridDots; ++i) mGdiResources.GridRowDC.SetPixel(PIXEL_PER_GRID * i, 0, kGridDot);
}

void srvDrawer::DrawAll() { DrawPersistent(eEF_All); }

void srvDrawer::DrawNoneSelectedAll() { DrawPersistent(eEF_UnSelected); }

void srvDrawer::RedrawAll() {
  DrawAll();
  FlushBackGround();
  if (mContext.State) mContext.State->UpdateMdiButtonsStatus();
}

void srvDrawer::FlushBackGround() {
  if (mRightBoard) Flush(*mRightBoard, mRightDrafts);
  if (mLeftBoard) Flush(*mLeftBoard, mLeftDrafts);
}

void srvDrawer::Flush(PictureBoard& board, std::optional<gdi::Rect>& drafts) {
  if (!drafts) {
    board.Refresh();
  } else if (!gdi::IsRectEmpty(*drafts)) {
    PersistenceGuard guard(board, board.AutoRedraw());
    board.SetAutoRedraw(true);
    gdi::DeviceContext& persistent = board.hDC();
    board.SetAutoRedraw(false);
    CopyRect(board.hDC(), persistent, *drafts);
  }
  drafts = gdi::Rect{};
}

void srvDrawer::CopyRect(gdi::DeviceContext& target, const gdi::DeviceContext& source, const gdi::Rect& rect) {
  if (gdi::IsRectEmpty(rect)) return;
  // Device pixels on both sides, whatever origins the contexts hold.
  const gdi::Point to = target.DPtoLP({rect.Left, rect.Top});
  const gdi::Point from = source.DPtoLP({rect.Left, rect.Top});
  target.BitBlt(to.X, to.Y, rect.Width(), rect.Height(), source, from.X, from.Y, gdi::SRCCOPY);
}

void srvDrawer::PersistentChanged() {
  mRightDrafts.reset();
  mLeftDrafts.reset();
  mMoveWhole = true;
}

void srvDrawer::DrawPersistent(ElementFilter filter) {
  if (!HasBoards()) return;
  mSavedPersistence = mRightBoard->AutoRedraw();
  PersistenceGuard right(*mRightBoard, mSavedPersistence);
  PersistenceGuard left(*mLeftBoard, mSavedPersistence);
  mRightBoard->SetAutoRedraw(true);
  mLeftBoard->SetAutoRedraw(true);
  PersistentChanged();
  StripPass(filter);
}

void srvDrawer::StripPass(ElementFilter filter) {
  if (!mStrips) return;
  // While elements are being moved the moving (selected) ones stay out of
  // the background, whoever asks for the picture.
  if (mContext.State && mContext.State->MouseProcess() == eMP_ElementMoveProc) filter = eEF_UnSelected;

  gdi::DeviceContext& leftDC = mLeftBoard->hDC();
  gdi::DeviceContext& boardDC = mRightBoard->hDC();
  ClearUncovered();
  for (const auto& entry : *mStrips) {
    itfStrip& strip = *entry.second;
    if (dynamic_cast<itfLdrComment*>(&strip) || dynamic_cast<itfLdrLabel*>(&strip)) {
      DrawTextStripScrolled(strip, leftDC, boardDC);
    } else {
      strip.Draw(leftDC, boardDC, mGdiResources);
      DrawNetElements(strip, filter);
    }
  }
  ClearBelowReturnStrip();
}

// What no strip draws is background: row 0 (the bottom line of a strip
// above the view) and, on a board wider than the ladder, the rest of it.
void srvDrawer::ClearUncovered() {
  if (mStrips->Empty()) return;
  ClearRect(mRightBoard->hDC(), 0, 0, mRightBoard->Width(), 1);
  ClearRect(mLeftBoard->hDC(), 0, 0, mLeftBoard->Width(), 1);
  if (mRightBoard->Width() > kRightBoardWidth)
    ClearRect(mRightBoard->hDC(), kRightBoardWidth, 0, mRightBoard->Width(), mRightBoard->Height());
}

void srvDrawer::DrawTextStripScrolled(itfStrip& comment, gdi::DeviceContext& leftDC, gdi::DeviceContext& boardDC) {
  // Comments and labels follow the horizontal scroll: drawn once, already at
  // the offset. Their Left goes back afterwards: mouse positions reach the
  // strips in unscrolled ladder columns, where the header must stay.
  // Their whole band first: text drawn at an older offset may lie where the
  // strip draws nothing now.
  ClearRect(boardDC, 0, static_cast<int>(PIXEL_PER_GRID * comment.Top() + 1), mRightBoard->Width(),
            static_cast<int>(PIXEL_PER_GRID * (comment.Top() + comment.Height()) + 1));
  const std::int32_t left = comment.Left();
  comment.SetLeft(-static_cast<std::int32_t>(mHorizontalOffset));
  try {
    comment.Draw(leftDC, boardDC, mGdiResources);
  } catch (...) {
    comment.SetLeft(left);
    throw;
  }
  comment.SetLeft(left);
}

void srvDrawer::DrawNetElements(itfStrip& strip, ElementFilter filter) {
  auto* net = dynamic_cast<itfLdrNet*>(&strip);
  if (!net || net->IsCollapsed()) return;
  std::shared_ptr<ElementCollection> elements;
  switch (filter) {
  case eEF_All:
    elements = net->GetAllElements();
    break;
  case eEF_Selected:
    elements = net->GetSelectedElements();
    break;
  case eEF_UnSelected:
    elements = net->GetUnSelectedElements();
    break;
  }
  if (elements) ElementPass(strip, ElementsOf(*elements));
}

void srvDrawer::ClearBelowReturnStrip() {
  if (mStrips->Empty()) return;
  itfStrip& last = *mStrips->At(mStrips->Count() - 1);
  auto* net = dynamic_cast<itfLdrNet*>(&last);
  if (!net || !net->IsReturnStrip()) return;
  const long bottom = last.Top() + last.Height();
  const long rest = mViewHeight - bottom;
  if (rest <= 0) return;
  const int top = static_cast<int>(PIXEL_PER_GRID * bottom + 1);
  int end = static_cast<int>(PIXEL_PER_GRID * (bottom + rest));
  // A board that is no whole number of rows high: the part row under the
  // view's last row is cleared too.
  const int boardBottom = mRightBoard->Height();
  if (boardBottom > end && boardBottom < end + PIXEL_PER_GRID) end = boardBottom;
  ClearRect(mRightBoard->hDC(), 0, top, mRightBoard->Width(), end);
  ClearRect(mLeftBoard->hDC(), 0, top, kLeftBoardWidth, end);
}

void srvDrawer::ElementPass(itfStrip& strip, const std::vector<itfLdrElement*>& elements) {
  gdi::DeviceContext& dc = mRightBoard->hDC();
  const long column = strip.EditZoneLeft() - mHorizontalOffset;
  OriginGuard origin(dc, static_cast<int>(PIXEL_PER_GRID * column), PIXEL_PER_GRID * strip.Top());
  for (itfLdrElement* element : elements) element->Draw(dc, mGdiResources);
}

void srvDrawer::DrawSelected(itfStrip& /*strip*/) {
  // Kept for the published order; nothing calls it.
  mContext.Host->Messages->ShowMessageBox("do not used");
}

void srvDrawer::DrawElement(itfStrip& strip, itfLdrElement& element) {
  if (!mRightBoard) return;
  PersistenceGuard right(*mRightBoard, mRightBoard->AutoRedraw());
  mRightBoard->SetAutoRedraw(true);
  PersistentChanged();
  ElementPass(strip, {&element});
}

void srvDrawer::DraftElement(itfStrip& strip, itfLdrElement& element) {
  if (!mRightBoard) return;
  PersistenceGuard right(*mRightBoard, mRightBoard->AutoRedraw());
  mRightBoard->SetAutoRedraw(false);
  gdi::DeviceContext& visible = mRightBoard->hDC();
  visible.BeginBounds();
  try {
    ElementPass(strip, {&element});
  } catch (...) {
    visible.EndBounds();
    mRightDrafts.reset();
    throw;
  }
  const gdi::Rect drawn = visible.EndBounds();
  if (mRightDrafts) gdi::UnionRect(*mRightDrafts, *mRightDrafts, drawn);
  mMoveWhole = true;
}

void srvDrawer::DraftService(itfProcess& service, itfStrip& /*strip*/) {
  if (!HasBoards()) return;
  mSavedPersistence = mRightBoard->AutoRedraw();
  PersistenceGuard right(*mRightBoard, mSavedPersistence);
  PersistenceGuard left(*mLeftBoard, mSavedPersistence);
  mRightBoard->SetAutoRedraw(false);
  mLeftBoard->SetAutoRedraw(false);
  // What a service drafts is not measured: the next flush copies whole.
  mRightDrafts.reset();
  mLeftDrafts.reset();
  mMoveWhole = true;
  service.Draw(mLeftBoard->hDC(), mRightBoard->hDC());
}

int srvDrawer::RightBoardHeight() const { return mRightBoard->Height(); }

void srvDrawer::PrepareForMove() {
  if (!mRightBoard) return;
  if (mMoveDC) ReleaseResourcesAfterMove();
  const int height = RightBoardHeight();
  PersistenceGuard right(*mRightBoard, mRightBoard->AutoRedraw());
  mRightBoard->SetAutoRedraw(true);
  gdi::DeviceContext& board = mRightBoard->hDC();
  mMoveBitmap = board.CreateCompatibleBitmap(kRightBoardWidth, height);
  mMoveDC.emplace(board.CreateCompatibleDC());
  mMovePreviousBitmap = mMoveDC->SelectObject(mMoveBitmap);
  mMoveDC->BitBlt(0, 0, kRightBoardWidth, height, board, 0, 0, gdi::SRCCOPY);
  mMoveDrawn = gdi::Rect{};
  mMoveWhole = true;
}

// One move step: the background back where the group was, the group drawn
// at its new place, and only those two rectangles presented. The first step
// after the background was taken (or after anything else drew) restores and
// presents the whole board.
void srvDrawer::DraftSelected(itfStrip& strip, const std::vector<std::shared_ptr<itfLdrElement>>& elements) {
  if (!mRightBoard) return;
  // A move that did not prepare its background starts from the picture as
  // it is now, so that the moving elements never pile up in it.
  if (!mMoveDC) PrepareForMove();
  const int height = RightBoardHeight();
  const bool whole = mMoveWhole || mMoveBitmap.Height() != height;
  const gdi::Rect all{0, 0, kRightBoardWidth, height};
  const gdi::Rect previous = whole ? all : mMoveDrawn;
  {
    PersistenceGuard right(*mRightBoard, mRightBoard->AutoRedraw());
    mRightBoard->SetAutoRedraw(true);
    gdi::DeviceContext& persistent = mRightBoard->hDC();
    CopyRect(persistent, *mMoveDC, previous);
    std::vector<itfLdrElement*> moving;
    moving.reserve(elements.size());
    for (const auto& element : elements)
      if (element) moving.push_back(element.get());
    persistent.BeginBounds();
    try {
      ElementPass(strip, moving);
    } catch (...) {
      persistent.EndBounds();
      mMoveWhole = true;
      throw;
    }
    mMoveDrawn = persistent.EndBounds();
    mMoveWhole = false;
  }
  // Present: the persistent image straight onto the visible surface, where
  // the group was and where it is now.
  mRightBoard->SetAutoRedraw(true);
  gdi::DeviceContext& persistent = mRightBoard->hDC();
  mRightBoard->SetAutoRedraw(false);
  gdi::DeviceContext& visible = mRightBoard->hDC();
  gdi::Rect both;
  gdi::UnionRect(both, previous, mMoveDrawn);
  if (Area(both) <= Area(previous) + Area(mMoveDrawn)) {
    CopyRect(visible, persistent, both); // a short step: one copy
  } else {
    CopyRect(visible, persistent, previous);
    CopyRect(visible, persistent, mMoveDrawn);
  }
  if (whole) mRightDrafts = gdi::Rect{};
}

void srvDrawer::ReleaseResourcesAfterMove() {
  if (!mMoveDC) return;
  std::optional<PersistenceGuard> right;
  if (mRightBoard) {
    right.emplace(*mRightBoard, mRightBoard->AutoRedraw());
    mRightBoard->SetAutoRedraw(false);
  }
  mMoveDC->SelectObject(mMovePreviousBitmap);
  mMovePreviousBitmap = gdi::Bitmap();
  mMoveBitmap = gdi::Bitmap();
  mMoveDC.reset();
}

} // namespace ldr
