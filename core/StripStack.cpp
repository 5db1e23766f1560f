#include "core/StripStack.h"

#include "core/enStripType.h"

#include <algorithm>
#include <string>

namespace ldr {

StripStack::StripStack(db::Connection& db, long funcID, bool commentsHidden)
    : mDb(db), mFuncID(funcID), mCommentsHidden(commentsHidden) {}

bool StripStack::IsVisible(long top, long bottom, long viewHeight) {
  const bool bottomInside = bottom > 0 && bottom <= viewHeight;
  const bool topInside = top >= 0 && top < viewHeight;
  const bool spans = top <= 0 && bottom > viewHeight;
  return bottomInside || topInside || spans;
}

std::string StripStack::Where() const {
  std::string where = "WHERE FuncID=" + std::to_string(mFuncID) + " ";
  if (mCommentsHidden) where += "AND StrpType<>" + std::to_string(eST_LdrComment) + " ";
  return where;
}

long StripStack::TotalHeight() const {
  return mDb.QueryValue("SELECT SUM(Height) FROM LdrStrips " + Where()).AsLong(0);
}

long StripStack::ScrollRange(long viewHeight) const { return std::max(0L, TotalHeight() - viewHeight); }

ViewedStrips StripStack::StripsInView(long scrollLocation, long viewHeight) const {
  // Hidden comments are read too: they keep their place in the numbering.
  auto rows = mDb.QueryForward("SELECT Height,StripID,StrpType,SeqNum,ShowNum FROM LdrStrips WHERE FuncID=" +
                               std::to_string(mFuncID) + " ORDER BY SeqNum");
  ViewedStrips view;
  long top = 0; // subroutine rows
  long position = 0, netNumber = 0;
  for (; !rows.IsEOF(); rows.MoveNext()) {
    const long viewTop = top - scrollLocation;
    if (viewTop > viewHeight) break; // this strip and every later one lie below the view
    StackedStrip strip;
    strip.StrpType = rows.Field(2).AsLong();
    const auto seqNum = rows.Field(3);
    const auto showNum = rows.Field(4);
    if (seqNum.IsNull() || seqNum.AsLong() != ++position) view.NumberedInOrder = false;
    if (strip.StrpType == eST_LdrNet && (showNum.IsNull() || showNum.AsLong() != ++netNumber))
      view.NumberedInOrder = false;
    if (mCommentsHidden && strip.StrpType == eST_LdrComment) continue;
    strip.Height = rows.Field(0).AsLong();
    if (IsVisible(viewTop, viewTop + strip.Height, viewHeight)) {
      strip.StripID = rows.Field(1).AsLong();
      strip.SeqNum = seqNum.AsLong();
      strip.ShowNum = showNum.AsLong();
      strip.Top = top;
      view.Strips.push_back(strip);
    }
    top += strip.Height;
  }
  return view;
}

std::optional<long> StripStack::SeqNumOf(long stripID) const {
  auto seqNum = mDb.QueryValue("SELECT SeqNum FROM LdrStrips WHERE FuncID=" + std::to_string(mFuncID) +
                               " AND StripID=" + std::to_string(stripID));
  if (seqNum.IsNull()) return std::nullopt;
  return seqNum.AsLong();
}

long StripStack::TopOf(long seqNum) const {
  return mDb.QueryValue("SELECT SUM(Height) FROM LdrStrips " + Where() + "AND SeqNum<" + std::to_string(seqNum))
      .AsLong(0);
}

long StripStack::RoundScrollPosition(long scrollValue, long viewHeight) const {
  auto heights = mDb.QueryForward("SELECT Height FROM LdrStrips " + Where() + "ORDER BY SeqNum");
  long top = -scrollValue;
  for (; !heights.IsEOF(); heights.MoveNext()) {
    const long bottom = top + heights.Field(0).AsLong();
    if (IsVisible(top, bottom, viewHeight)) return scrollValue + top;
    top = bottom;
  }
  return scrollValue;
}

} // namespace ldr
