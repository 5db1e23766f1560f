#include "core/clsStripStack.h"

#include "strips/enStripType.h"

#include <algorithm>
#include <string>

namespace ldr {

clsStripStack::clsStripStack(db::Connection& db, long funcID, bool commentsHidden)
    : mDb(db), mFuncID(funcID), mCommentsHidden(commentsHidden) {}

bool clsStripStack::IsVisible(long top, long bottom, long viewHeight) {
  const bool bottomInside = bottom > 0 && bottom <= viewHeight;
  const bool topInside = top >= 0 && top < viewHeight;
  const bool spans = top <= 0 && bottom > viewHeight;
  return bottomInside || topInside || spans;
}

std::string clsStripStack::Where() const {
  std::string where = "WHERE FuncID=" + std::to_string(mFuncID) + " ";
  if (mCommentsHidden) where += "AND StrpType<>" + std::to_string(eST_LdrComment) + " ";
  return where;
}

long clsStripStack::TotalHeight() const {
  return mDb.QueryValue("SELECT SUM(Height) FROM LdrStrips " + Where()).AsLong(0);
}

long clsStripStack::ScrollRange(long viewHeight) const { return std::max(0L, TotalHeight() - viewHeight); }

std::vector<tyStackedStrip> clsStripStack::StripsInView(long scrollLocation, long viewHeight) const {
  auto rows =
      mDb.QueryForward("SELECT Height,StripID,StrpType,SeqNum,ShowNum FROM LdrStrips " + Where() + "ORDER BY SeqNum");
  std::vector<tyStackedStrip> strips;
  long top = 0; // subroutine rows
  for (; !rows.IsEOF(); rows.MoveNext()) {
    const long viewTop = top - scrollLocation;
    if (viewTop > viewHeight) break; // this strip and every later one lie below the view
    const long height = rows.Field(0).AsLong();
    if (IsVisible(viewTop, viewTop + height, viewHeight)) {
      tyStackedStrip strip;
      strip.Height = height;
      strip.StripID = rows.Field(1).AsLong();
      strip.StrpType = rows.Field(2).AsLong();
      strip.SeqNum = rows.Field(3).AsLong();
      strip.ShowNum = rows.Field(4).AsLong();
      strip.Top = top;
      strips.push_back(strip);
    }
    top += height;
  }
  return strips;
}

tyStackSurvey clsStripStack::Survey() const {
  // One walk in SeqNum order; the database's own aggregates are slower than
  // this for the handful of facts wanted.
  auto rows =
      mDb.QueryForward("SELECT SeqNum,StrpType,ShowNum,Height FROM LdrStrips WHERE FuncID=" + std::to_string(mFuncID) +
                       " ORDER BY SeqNum");
  tyStackSurvey survey;
  long position = 0, netNumber = 0;
  for (; !rows.IsEOF(); rows.MoveNext()) {
    const auto seqNum = rows.Field(0);
    const long type = rows.Field(1).AsLong();
    if (seqNum.IsNull() || seqNum.AsLong() != ++position) survey.NumberedInOrder = false;
    if (type == eST_LdrNet) {
      const auto showNum = rows.Field(2);
      if (showNum.IsNull() || showNum.AsLong() != ++netNumber) survey.NumberedInOrder = false;
    }
    if (!(mCommentsHidden && type == eST_LdrComment)) survey.TotalHeight += rows.Field(3).AsLong();
  }
  return survey;
}

std::optional<long> clsStripStack::SeqNumOf(long stripID) const {
  auto seqNum = mDb.QueryValue("SELECT SeqNum FROM LdrStrips WHERE FuncID=" + std::to_string(mFuncID) +
                               " AND StripID=" + std::to_string(stripID));
  if (seqNum.IsNull()) return std::nullopt;
  return seqNum.AsLong();
}

long clsStripStack::TopOf(long seqNum) const {
  return mDb.QueryValue("SELECT SUM(Height) FROM LdrStrips " + Where() + "AND SeqNum<" + std::to_string(seqNum))
      .AsLong(0);
}

long clsStripStack::RoundScrollPosition(long scrollValue, long viewHeight) const {
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
