#include "core/clsStripStack.h"

#include "strips/enStripType.h"

#include <algorithm>
#include <cstdint>
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
  // One aggregate over the subroutine's rows, computed by the database. The
  // numbers are complete when SeqNum takes each value 1..N once and the nets'
  // ShowNum each value 1..K once; count, extremes, sum and sum of squares
  // tell that (together they miss no gap, duplicate or unnumbered strip an
  // edit can leave).
  const std::string net = "CASE WHEN StrpType=" + std::to_string(eST_LdrNet) + " THEN ShowNum END";
  const std::string space =
      mCommentsHidden ? "CASE WHEN StrpType=" + std::to_string(eST_LdrComment) + " THEN 0 ELSE COALESCE(Height,0) END"
                      : "COALESCE(Height,0)";
  auto row = mDb.Query("SELECT COUNT(*),COUNT(SeqNum),MIN(SeqNum),MAX(SeqNum),SUM(SeqNum),SUM(SeqNum*SeqNum),"
                       "SUM(StrpType=" +
                       std::to_string(eST_LdrNet) + "),COUNT(" + net + "),MIN(" + net + "),MAX(" + net + "),SUM(" +
                       net + "),SUM(" + net + "*" + net + "),SUM(" + space +
                       ") FROM LdrStrips WHERE FuncID=" + std::to_string(mFuncID));
  auto value = [&](int index) { return row.Field(index).AsInt64(0); };
  // Values 1..n each once.
  auto complete = [&](int first, std::int64_t n) {
    return value(first) == n &&
           (n == 0 || (value(first + 1) == 1 && value(first + 2) == n && value(first + 3) == n * (n + 1) / 2 &&
                       value(first + 4) == n * (n + 1) * (2 * n + 1) / 6));
  };
  tyStackSurvey survey;
  survey.NumberedInOrder = complete(1, value(0)) && complete(7, value(6));
  survey.TotalHeight = static_cast<long>(value(12));
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
