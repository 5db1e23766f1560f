#include "strips/StripTextEditor.h"

#include "core/KeyCodes.h"
#include "core/clsLdrState.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfDrawer.h"
#include "outside/HostServices.h"
#include "outside/utilities/TextLimits.h"
#include "platform/boards/BoardTextBox.h"
#include "platform/boards/MainBoard.h"

namespace ldr {

namespace {}

StripTextEditor::StripTextEditor(LdrContext& ctx, std::string boxName, bool validateOnEnter, std::size_t maxCharacters,
                                 Commit commit)
    : mCtx(ctx), mBoxName(std::move(boxName)), mValidateOnEnter(validateOnEnter), mMaxCharacters(maxCharacters),
      mCommit(std::move(commit)) {}

StripTextEditor::~StripTextEditor() { Detach(); }

bool StripTextEditor::TagNames(const BoardTextBox& box, std::int32_t stripID) {
  return stripID > 0 && box.Tag() == std::to_string(stripID);
}

int StripTextEditor::VisibleX(const LdrContext& ctx, std::int32_t column) {
  const long offset = ctx.Drawer ? ctx.Drawer->HorizontalOffset() : 0;
  return static_cast<int>(PIXEL_PER_GRID * (column - offset));
}

bool StripTextEditor::Start(std::int32_t stripID, const TextBoxPlace& place, const std::string& text) {
  std::shared_ptr<MainBoard> board = mCtx.State ? mCtx.State->Board() : nullptr;
  if (!board || !board->HasControl(mBoxName)) return false;
  Detach();
  BoardTextBox& box = board->TextBox(mBoxName);
  // An edit still open (of this strip or another) is finished first.
  if (box.Visible() && !box.Tag().empty()) box.Validate();
  box.SetVisible(false);
  box.Move(place.Left, place.Top, place.Width, place.Height);
  box.SetText(text);
  box.SetVisible(true);
  mBoard = std::move(board);
  mBox = &box;
  mStripID = stripID;
  box.AddListener(this);
  box.SetFocus();
  box.SetTag(std::to_string(stripID));
  return true;
}

void StripTextEditor::Resume(std::int32_t stripID) {
  std::shared_ptr<MainBoard> board = mCtx.State ? mCtx.State->Board() : nullptr;
  if (Editing() || !board || !board->HasControl(mBoxName)) return;
  BoardTextBox& box = board->TextBox(mBoxName);
  if (!box.Visible() || !TagNames(box, stripID)) return;
  mBoard = std::move(board);
  mBox = &box;
  mStripID = stripID;
  box.AddListener(this);
}

void StripTextEditor::OnValidate(BoardTextBox& box, bool& /*cancel*/) {
  if (&box != mBox || !TagNames(box, mStripID)) return;
  box.SetTag("");
  box.SetVisible(false);
  const std::string text = WithinLimit(box.Text());
  Detach();
  mCommit(text);
}

std::string StripTextEditor::WithinLimit(const std::string& text) const {
  if (CountCharacters(text) <= mMaxCharacters) return text;
  if (mCtx.Host && mCtx.Host->Messages)
    mCtx.Host->Messages->ShowMessageBox("The text is longer than the " + std::to_string(mMaxCharacters) +
                                        " characters it may have; it was cut.");
  return CutToCharacters(text, mMaxCharacters);
}

void StripTextEditor::OnKeyDown(BoardTextBox& box, int keyCode, int /*shift*/) {
  if (mValidateOnEnter && keyCode == eKey_Enter && &box == mBox) box.Validate();
}

void StripTextEditor::Detach() {
  if (mBox) mBox->RemoveListener(this);
  mBox = nullptr;
  mBoard.reset();
}

} // namespace ldr
