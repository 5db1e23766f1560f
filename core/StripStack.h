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
struct StackedStrip {
  long StripID = 0;
  long StrpType = 0;
  long SeqNum = 0;
  long ShowNum = 0;
  long Height = 0;
  long Top = 0; // subroutine rows
};

// The strips in view, and whether the strips down to the bottom of the view
// are numbered in order: SeqNum 1, 2, 3 ... and the nets' ShowNum 1, 2, 3 ...
struct ViewedStrips {
  std::vector<StackedStrip> Strips;
  bool NumberedInOrder = true;
};

class StripStack {
public:
  StripStack(db::Connection& db, long funcID, bool commentsHidden);

  // A strip [top, bottom) is visible in a view `viewHeight` rows high when
  // its bottom lies in (0, viewHeight], its top in [0, viewHeight), or it
  // spans the whole view. Tops and bottoms are view rows.
  static bool IsVisible(long top, long bottom, long viewHeight);

  // The sum of the heights of the strips that take space.
  long TotalHeight() const;
  // How far the view can scroll: the total height less the view height,
  // never below 0.
  long ScrollRange(long viewHeight) const;
  // The strips visible in a view `viewHeight` rows high scrolled to
  // `scrollLocation`, in SeqNum order with their tops. The walk checks the
  // numbering of every strip it passes and stops below the view: strips
  // further down are never read.
  ViewedStrips StripsInView(long scrollLocation, long viewHeight) const;
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
