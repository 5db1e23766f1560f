#include "tools/srvHideComments.h"

#include "core/LdrError.h"
#include "core/ProjectData.h"
#include "core/enStripType.h"
#include "platform/database/Transaction.h"

namespace ldr {

namespace {

std::string Num(long value) { return std::to_string(value); }

std::string NoComments(bool hidden) { return hidden ? "AND StrpType<>" + Num(eST_LdrComment) + " " : ""; }

} // namespace

srvHideComments::srvHideComments(const HostServices& host) : mHost(host) {
  if (!mHost.Connections || !mHost.Settings)
    throw LdrError(0, "NoHost", "the host lacks a service comment hiding needs", "srvHideComments", "Create");
}

void srvHideComments::ToggleComments() {
  auto connection = mHost.Connections->Connection();
  if (!connection) throw LdrError(0, "NoConnection", "the host has no open project", "srvHideComments", "Toggle");
  db::Transaction transaction(*connection);
  const bool wereHidden = mHost.Settings->ProjectFlag(ePSK_CommentsHidden, false);
  mHost.Settings->SetProjectSettingLong(ePSK_CommentsHidden, wereHidden ? 0 : -1);
  auto functions = connection->Query("SELECT FuncID, VscrlPos FROM LdrFunctions WHERE VscrlPos<>0");
  for (functions.MoveFirst(); !functions.IsEOF(); functions.MoveNext()) {
    const long funcID = functions.Field(0).AsLong();
    const long moved = MovedPosition(*connection, funcID, functions.Field(1).AsLong(), wereHidden, !wereHidden);
    connection->Execute("UPDATE LdrFunctions SET VscrlPos=" + Num(moved) + " WHERE FuncID=" + Num(funcID));
  }
  transaction.Commit();
  mHost.Settings->Save();
}

// The strip that held the top row in the old layout keeps it in the new
// one, with the same rows of it scrolled away; a comment that goes out of
// sight hands the top to the strip after it.
long srvHideComments::MovedPosition(db::Connection& db, long funcID, long position, bool wereHidden, bool nowHidden) {
  auto strips = db.Query("SELECT SeqNum, Height, StrpType FROM LdrStrips WHERE FuncID=" + Num(funcID) + " " +
                         NoComments(wereHidden) + "ORDER BY SeqNum");
  long top = 0;
  for (strips.MoveFirst(); !strips.IsEOF(); strips.MoveNext()) {
    const long height = strips.Field(1).AsLong();
    if (top + height > position) break;
    top += height;
  }
  if (strips.IsEOF()) return position; // below every strip: nothing to keep at the top
  const long seqNum = strips.Field(0).AsLong();
  const bool goesOutOfSight = nowHidden && strips.Field(2).AsLong() == eST_LdrComment;
  const long before = db.QueryValue("SELECT SUM(Height) AS SumHeight FROM LdrStrips WHERE FuncID=" + Num(funcID) +
                                    " AND SeqNum<" + Num(seqNum) + " " + NoComments(nowHidden))
                          .AsLong(0);
  return goesOutOfSight ? before : before + (position - top);
}

} // namespace ldr
