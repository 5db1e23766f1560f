#pragma once
// The structural rules of the controller, each one query on the project
// database: the Is... checks answer whether the ladder breaks a rule, the
// GetFirst... lookups where (their outputs stay as passed when nothing is
// found), the recordsets list every offender. Four checks run on commands
// prepared once.

#include "compiler/CompileRecordset.h"
#include "platform/database/Connection.h"

#include <memory>
#include <string>

namespace ldr {

class DownloadUnitSwitch;

class LadderValidation {
public:
  // Subroutines a project may hold with and without download units.
  static constexpr long kMaxSubroutines = 254;
  static constexpr long kMaxSubroutinesWithUnits = 1023;
  // A subroutine with this many strips (switched-off nets aside) is too long.
  static constexpr long kStripsLimit = 2048;
  // The highest instance number a function block may carry unrenumbered.
  static constexpr long kMaxInstanceNumber = 255;

  LadderValidation(std::shared_ptr<db::Connection> connection, DownloadUnitSwitch& downloadUnits);

  bool IsIllegalNumberOfSubroutines();
  bool IsIllegalNumberOfStrips(long funcID);
  bool IsIllegalCallSub(long funcID);
  void GetFirstIllegalNetWithCallSub(long funcID, long& stripID, long& showNum);
  bool IsIllegalJump(long funcID);
  void GetFirstIllegalNetWithNoJumpDestination(long funcID, long& stripID, long& showNum);
  bool IsDuplicateLabels(long funcID);
  void GetFirstDuplicateLabel(long funcID, long& seqNum, std::string& lblName);
  void GetFirstNetAfterStrip(long funcID, long seqNum, long& nextID, long& nextShowNum);
  bool IsIllegalCallSubInLadder();
  bool IsIllegalLoadPageInLadder();
  bool DoesFunctionIDValid(long funcID);
  bool DoesPageIDValid(long pageID);
  bool IsMissingComInit();
  bool IsMissingETHComInit();
  CompileRecordset GetMissingComInitFBs();
  CompileRecordset GetMissingETHComInitFBs();
  bool IsExistFbChildsWithNewerHexVer();
  CompileRecordset GetFbChildsWithNewerHexVer();
  bool IsFBsRenumberingNeeded();
  long GetNumberOfNetsInProject();

private:
  long CountWith(db::Statement& command, long funcID);
  void FirstNetOf(const std::string& elementSelection, long& stripID, long& showNum);

  std::shared_ptr<db::Connection> mDb;
  DownloadUnitSwitch& mDownloadUnits;
  db::Statement mJumpTargetCommand;
  db::Statement mCallSelfCommand;
  db::Statement mDuplicateLabelCommand;
  db::Statement mStripCountCommand;
};

} // namespace ldr
