#pragma once
// The shared data operations on the project database: strip numbering and net
// insertion, name lookups and name tests, counts, and the rows of a new
// module or subroutine. Every part that changes strips of a subroutine goes
// through here, so the numbering rules hold in one place:
//   - SeqNum of a subroutine's strips is 1..N after every insertion/deletion;
//   - the last strip is the return strip; new nets go in front of it;
//   - nets (StrpType 1) are numbered ShowNum 1..K in SeqNum order.

#include "core/KeyedCollection.h"
#include "platform/database/Connection.h"

#include <string>

namespace ldr {

struct LdrContext;
class Operand;
class SettingsStore;

// Keys of the project settings store.
enum ProjectSettingKey : long {
  ePSK_LastFunction = 21,   // the subroutine shown last
  ePSK_CommentsHidden = 83, // non-zero: comment strips are hidden
  ePSK_NextModuleNumber = 124,
  ePSK_NextSubroutineNumber = 125,
  ePSK_DownloadUnits = 200,    // non-zero: subroutines get block identities
  ePSK_ExtendedOperands = 201, // non-zero: the extended operand types are offered
  ePSK_LastIdentifier = 202,   // the last identifier the identifier service handed out
};

// enFunctionTypeDescriptor
enum enFunctionTypeDescriptor : long { eFTD_Start = 1, eFTD_Main = 2, eFTD_Regular = 3 };

// Number of nets of a new subroutine.
inline constexpr long kNewSubroutineNets = 16;
// The return element of a return strip: type, column and row.
inline constexpr long kReturnElementType = 602;
inline constexpr long kReturnElementX = 0;
inline constexpr long kReturnElementY = 5;
// The operand type of the return element's fixed operand (a label reference).
inline constexpr long kReturnOperandType = 29;

// --- strips ----------------------------------------------------------------
long GetMaxSeqNum(db::Connection& db, long funcID);
// Makes room at `position` and inserts `count` new nets there. Atomic: on any
// failure the subroutine is left exactly as it was. Does not renumber.
void InsertNets(db::Connection& db, long funcID, long position, long count);
// Inserts `count` nets in front of the return strip.
void AppendNets(db::Connection& db, long funcID, long count);
// SeqNum 1..N over every strip, ShowNum 1..K over the nets (the return net
// too), in SeqNum order. Writes only the rows whose numbers change; returns
// how many it wrote.
long RenumberStrips(db::Connection& db, long funcID);
long GetStripIDByShowNum(db::Connection& db, long funcID, long showNum);

// --- compile state -----------------------------------------------------------
bool IsNeedToCompile(db::Connection& db);
void MarkAllNetsDirty(db::Connection& db);

// --- names -------------------------------------------------------------------
std::string GetFunctionName(db::Connection& db, long funcID);
long GetModuleIDOfFunction(db::Connection& db, long funcID);
bool FunctionExists(db::Connection& db, long funcID);
std::string GetModuleName(db::Connection& db, long mdlID);
// "Module.Subroutine".
std::string GetFullFunctionName(db::Connection& db, long funcID);
// True when no other subroutine (FuncID other than `funcID`) has `name`.
bool IsFunctionNameFree(db::Connection& db, long funcID, const std::string& name);
// True when no other module (MdlID other than `mdlID`) has `name`.
bool IsModuleNameFree(db::Connection& db, long mdlID, const std::string& name);
// "SELECT COUNT(*) FROM <source>" > 0. `source` is SQL written by the
// component (a table name and conditions); values go in `params`.
bool TableHasRows(db::Connection& db, const std::string& source, const db::Params& params = {});
// The father (FB_Fathers.FatherID) of a function-block method: the method
// rounded down to its hundreds.
long FunctionBlockFatherID(long methodID);
// Father title, a blank, method title; missing rows give empty parts.
std::string GetFunctionBlockTitle(db::Connection& db, long elementType);

// --- new modules and subroutines --------------------------------------------
long AddModuleRow(db::Connection& db, const std::string& name);
// A subroutine row without strips; Guid and DataGuid given when non-null.
long AddFunctionRow(db::Connection& db, long mdlID, const std::string& name, long functionType,
                    const db::DbValue& guid = {}, const db::DbValue& dataGuid = {});
// The default content of a new (or cleared) subroutine: 16 nets and the
// return strip holding its return element. Returns the return strip's ID.
long AddDefaultStrips(db::Connection& db, long funcID);
// The return element of a return strip and its fixed operand slot.
long AddReturnElement(db::Connection& db, long stripID);

// --- counters of default names ---------------------------------------------------
// The next number for a default module ("Module n") or subroutine
// ("Subroutine n") name: reads n, stores n+1, returns n.
long NextModuleNumber(SettingsStore& settings);
long NextSubroutineNumber(SettingsStore& settings);

// --- operand slots ---------------------------------------------------------------
// Stores the new identity of `changed`, an operand of element `elementID`
// whose identity was (oldType, oldAddress, oldNetwork). Its slot is its
// 1-based position in `inputs` or `outputs` (0 where absent). When exactly
// one slot row changed, the operand list is brought up to date and the
// editor state marked as needing save and compile; returns whether it did.
bool UpdateElementOperandSlot(LdrContext& context, long elementID, const KeyedCollection<Operand>& inputs,
                              const KeyedCollection<Operand>& outputs, const Operand& changed, long oldType,
                              long oldAddress, long oldNetwork);

} // namespace ldr
