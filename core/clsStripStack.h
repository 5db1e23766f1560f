#pragma once
// The vertical arrangement of one subroutine's strips, read from the project
// database: strips stand one under another in SeqNum order without gaps, each
// as many grid rows high as its Height. When comments are hidden they take no
// space. Tops here are in subroutine rows (row 0 is the top of the first
// strip); the view subtracts its scroll position.

#include "platform/database/Connection.h"

#include <optional>
#include <vector>

namespace ldr {

// One strip row as the layout needs it.
struct tyStackedStrip {
  long StripID = 0;
  long StrpType = 0;
  long SeqNum = 0;
  long ShowNum = 0;
  long Height = 0;
  long Top = 0; // subroutine rows
};

// What one pass over a subroutine's strips tells.
struct tyStackSurvey {
  long TotalHeight = 0;        // of the strips that take space
  bool NumberedInOrder = true; // SeqNum 1..N, the nets' ShowNum 1..K
};

class clsStripStack {
public:
  clsStripStack(db::Connection& db, long funcID, bool commentsHidden);

  // A strip [top, bottom) is visible in a view `viewHeight` rows high when
  // its bottom lies in (0, viewHeight], its top in [0, viewHeight), or it
  // spans the whole view. Tops and bottoms are view rows.
  static bool IsVisible(long top, long bottom, long viewHeight);

  // The sum of the heights of the strips that take space.
  long TotalHeight() const;
  // How far the view can scroll: the total height less the view height,
  // never below 0.
  long ScrollRange(long viewHeight) const;
  // The strips that may show in a view `viewHeight` rows high scrolled to
  // `scrollLocation` (IsVisible decides), in SeqNum order with their tops.
  // The walk stops below the view: strips further down are never read.
  std::vector<tyStackedStrip> StripsInView(long scrollLocation, long viewHeight) const;
  // One pass over the subroutine: its total height and whether SeqNum runs
  // 1..N and the nets' ShowNum 1..K in that order (renumbering would then
  // change nothing).
  tyStackSurvey Survey() const;
  // The SeqNum of strip `stripID` of this subroutine, if it belongs to it.
  std::optional<long> SeqNumOf(long stripID) const;
  // The top of the strip with `seqNum`: the heights of the strips before it.
  long TopOf(long seqNum) const;
  // The scroll position that puts the first strip visible at `scrollValue`
  // with its top edge at the top of the view; `scrollValue` when none is.
  long RoundScrollPosition(long scrollValue, long viewHeight) const;

private:
  std::string Where() const;

  db::Connection& mDb;
  long mFuncID;
  bool mCommentsHidden;
};

} // namespace ldr
