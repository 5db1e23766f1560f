#pragma once
// Edits a strip's text in place: one of the main board's text boxes
// ("txtComment", "txtLblComment") laid over the text, shared by every strip
// of that kind. The box's Tag names the strip being edited (its StripID in
// decimal); only the strip it names takes the text when the box is
// validated. Each comment or label owns one editor, listening to the box
// only while its own edit is open.

#include "core/LdrContext.h"
#include "platform/boards/TextBoxEvents.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace ldr {

class BoardTextBox;
class MainBoard;

// Where the box goes, in pixels of the right board as it is seen.
struct TextBoxPlace {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

class StripTextEditor : public TextBoxEvents {
public:
  using Commit = std::function<void(const std::string& text)>;

  // validateOnEnter: Enter (key 13) in the box ends the edit. A text longer
  // than maxCharacters is cut to it, and the user is told.
  StripTextEditor(LdrContext& ctx, std::string boxName, bool validateOnEnter, std::size_t maxCharacters, Commit commit);
  ~StripTextEditor() override;
  StripTextEditor(const StripTextEditor&) = delete;
  StripTextEditor& operator=(const StripTextEditor&) = delete;

  // Opens the box over `place` with `text` for the strip `stripID`; false
  // when the editor has no main board or the board no such box.
  bool Start(std::int32_t stripID, const TextBoxPlace& place, const std::string& text);
  bool Editing() const { return mBox != nullptr; }
  // Takes over an edit still open for `stripID` (the strip was loaded again
  // while the box was open), so that its text is not lost.
  void Resume(std::int32_t stripID);

  // The Tag rule: the box is being used for the strip `stripID`.
  static bool TagNames(const BoardTextBox& box, std::int32_t stripID);
  // The right board's pixel column of grid column `column`, the drawer's
  // horizontal scroll taken into account.
  static int VisibleX(const LdrContext& ctx, std::int32_t column);

  void OnValidate(BoardTextBox& box, bool& cancel) override;
  void OnKeyDown(BoardTextBox& box, int keyCode, int shift) override;

private:
  void Detach();
  std::string WithinLimit(const std::string& text) const;

  LdrContext& mCtx;
  std::string mBoxName;
  bool mValidateOnEnter;
  std::size_t mMaxCharacters;
  Commit mCommit;
  std::shared_ptr<MainBoard> mBoard; // kept while the box is listened to
  BoardTextBox* mBox = nullptr;
  std::int32_t mStripID = 0;
};

} // namespace ldr
