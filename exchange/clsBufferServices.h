#pragma once
// Buffer tables: copies of ladder rows kept in the project database under a
// prefix ("clpbrd_LdrStrips" is the clipboard's copy of LdrStrips). Cut,
// copy, paste, export and import never move ladder objects through memory:
// they copy rows into buffer tables, rework them there with SQL and append
// them back into the live tables with new keys.
//
// A buffer table has exactly the columns of its live table. The operations
// below are the building blocks; a caller decides which tables an operation
// needs and appends parents before children (functions, strips, elements),
// so that each child buffer already holds its parents' new keys.
//
// Table and prefix names come from code, never from the user: a name that is
// not a plain identifier is refused with std::invalid_argument.

#include "platform/database/Connection.h"

#include <functional>
#include <string>
#include <vector>

namespace ldr {

class GuiService;

// One imported subroutine: its key in the file and the key it got here.
struct ImportPairsUDT {
  long OldFuncId = 0;
  long NewFuncId = 0;
};

class clsBufferServices {
public:
  static constexpr const char* kClipboardPrefix = "clpbrd_";
  static constexpr const char* kClipboardBackupPrefix = "clpbak_";
  static constexpr const char* kExportPrefix = "expimp_";

  // Reserved values of a buffer.
  static constexpr long kMissingAddress = 32000; // a reference without target
  static constexpr long kOrphanedMethod = 32000; // MoreParamsLng of an orphaned block method
  static constexpr long kInstanceOffset = 10000; // moves instance numbers out of the way
  static constexpr long kLabelOperand = 29, kPageOperand = 30, kSubroutineOperand = 31;

  explicit clsBufferServices(db::Connection& db) : mDb(db) {}

  // --- making buffer tables -------------------------------------------------
  // prefix+source = the rows of `source` whose `fkName` is in prefix+basedOn.
  void CreateBufferTable(const std::string& source, const std::string& basedOn, const std::string& fkName,
                         const std::string& prefix);
  // The same, matching `fkName` of `source` against the expression `pkExpr`
  // over prefix+basedOn (block methods by element type, fathers by method).
  void CreateFBsBufferTable(const std::string& source, const std::string& basedOn, const std::string& pkExpr,
                            const std::string& fkName, const std::string& prefix);
  // The instances configured by the block elements of prefix+LdrElements.
  void CreateFBsInstancesBufferTable(const std::string& prefix);
  // The operand list rows the buffer's operand slots use.
  void CreateElementsOperandsBufferTable(const std::string& prefix);
  // The blocks, instances, operand links and operands the buffered elements use.
  void CreateElementsDependentBufferTables(const std::string& prefix);
  void MakeCopyOfTablesByPrefix(const std::string& srcPrefix, const std::string& dstPrefix);
  void DeleteBufferTablesByPrefix(const std::string& prefix);
  bool DoesTableExist(const std::string& table);
  std::vector<std::string> TablesByPrefix(const std::string& prefix);
  void AddFieldToTable(const std::string& table, const std::string& field, const std::string& type);
  void RemoveFieldFromTable(const std::string& table, const std::string& field);

  // --- buffer database files --------------------------------------------------
  // Replaces the file by an empty buffer database (stamped as one) and
  // answers its open connection. `waitForDisk` false: the connection keeps
  // its journal in memory and does not wait for the disk, for a file that
  // is written whole in one go and may be lost with the machine.
  static std::shared_ptr<db::Connection> CreateEmptyDB(const std::string& path, bool waitForDisk = true);
  // Copies the local tables with the prefix into the file, replacing any of
  // the same name there.
  void CopyLocalBufferTablesToExternalDatabaseByPrefix(const std::string& dstDB, const std::string& prefix);
  // Copies the local tables with `srcPrefix` into the open database `dst`
  // under `dstPrefix`, without the columns named in `leftOut`; inside the
  // caller's transaction on `dst`.
  void CopyBufferTablesTo(db::Connection& dst, const std::string& srcPrefix, const std::string& dstPrefix,
                          const std::vector<std::string>& leftOut = {});
  // Copies the file's tables with the prefix into the project. A file that
  // is missing or not a buffer database of this or an older version fails
  // with DbError and changes nothing.
  bool CopyExternalBufferTablesToLocalDatabaseByPrefix(const std::string& srcDB, const std::string& prefix);
  // Opens a buffer database file, checking its stamp; read-only when asked.
  static std::shared_ptr<db::Connection> OpenBufferDB(const std::string& path, bool readOnly);

  // --- appending with new keys ---------------------------------------------------
  long GetMaxIDFromTable(const std::string& table, const std::string& pk, const std::string& prefix = {});
  std::string GetSelectableFieldsAsString(const std::string& table, const std::string& pkField);
  // Appends prefix+dstTbl to dstTbl; the rows get consecutive new keys in
  // their stored order, and the column `pkField` of prefix+linkedTbl (a
  // foreign key) is rewritten from the old keys to the new ones. Answers the
  // number of rows appended.
  long AppendBufferTable(const std::string& dstTbl, const std::string& linkedTbl, const std::string& pkField,
                         const std::string& prefix);
  // A column of a buffer table (prefix + Table) that holds keys of the rows
  // appended, on the rows where `Condition` (SQL of the caller's code, empty
  // for all) holds.
  struct KeyLink {
    std::string Table, Column, Condition;
  };
  // The same, rewriting every link given.
  long AppendBufferTable(const std::string& dstTbl, const std::string& pkField, const std::string& prefix,
                         const std::vector<KeyLink>& links);
  // The same, answering through `importTypes` one pair (old key, new key)
  // per row appended, in the rows' order.
  long AppendBufferTableEx(const std::string& dstTbl, const std::string& pkField, const std::string& prefix,
                           const std::vector<KeyLink>& links, std::vector<ImportPairsUDT>& importTypes);
  // Operand list rows the project lacks (same type, address and network).
  void AppendLdrOperandsBufferTable(const std::string& prefix);
  void AppendElementsOperandsBufferTable(const std::string& prefix);
  // Rows of prefix+dstTbl whose key the project lacks; true when any came.
  bool AppendFBsBufferTables(const std::string& dstTbl, const std::string& pkField, const std::string& prefix);

  // --- reworking a buffer ----------------------------------------------------------
  // Moves the buffer's constants above the project's; answers the offset
  // added (`offset` when nothing moved).
  long HandleConstOperandsInBufferTables(const std::string& prefix, long offset);
  // Adds `offset` to the constant addresses kept inside the parameter blocks
  // of the live elements firstID..lastID (the ones just appended).
  void UpdateConstsAddressesInBinaryParams(long offset, long firstID, long lastID);
  // Every reference of `callType` becomes the one missing reference.
  void HandleOrphandCallsInBuffer(long callType, const std::string& prefix);
  // Jumps to labels whose strip is not in prefix+LdrStrips become missing
  // references (answers whether any did).
  bool HandleOrphandJumpsInBuffer(const std::string& prefix);
  // Calls of subroutines / loads of pages the project lacks become the
  // missing reference; the user is told once per target. True when any.
  bool HandleInvalidSubroutineCalls(GuiService& gui, const std::string& prefix);
  bool HandleInvalidDisplayCalls(GuiService& gui, const std::string& prefix);
  void EnsureOnlyOneMissingOperand(long callType, long missAddress, const std::string& missName,
                                   const std::string& prefix);
  void UpdateMissingReferencDescription(long callType, const std::string& prefix);
  std::string GetOperandDescriptionFromBuffer(long opType, long opAddress, const std::string& prefix);
  // The reference operands carry their targets' current names.
  void PrepareJumpToReferencedElements(const std::string& prefix);
  void SetStripsBufferCompileDirtyBitForBuildAll(const std::string& prefix);
  void HandleOrphandFBsChildsInBuffer(const std::string& prefix);
  void HandleFathersMissingFromProject(const std::string& prefix);
  void RemoveFBsHexFileFromBufferTable(const std::string& prefix);
  // The next instance number of the father nothing in the project uses (its
  // elements, orphans aside, and its instance rows).
  long GetNewInstanceNumberFromLdrElementsTable(long fatherID);

  // --- function-block instances (BlockInstanceBuffer does the work) ------------------
  // Pasted instance descriptions the project has already become Name(n).
  void HandleFBsInstanceDescriptions(const std::string& dstTbl, const std::string& linkedTbl,
                                     const std::string& prefix);
  // Pasted instances get fresh numbers of their father, their elements
  // follow; `downloadUnits`: the rows are marked for new instance IDs.
  void HandleFBsDuplicateConfigInstancesForExternal(const std::string& dstTbl, const std::string& linkedTbl,
                                                    const std::string& prefix, bool downloadUnits);
  bool AppendInstancesBufferTables(const std::string& prefix);
  // Instance rows marked -1 get the lowest free IDs; LdrError "No Free
  // Instance ID" when all up to 256 are taken.
  void GiveInstanceIDsToNewlyAddedFB();
  // Orphaned methods among the pasted elements firstID..lastID get a fresh
  // instance number of their father.
  void HandleFBsOrphandChildsInTargetForExternalPaste(const std::string& prefix, long firstID, long lastID);

  // --- references by name -----------------------------------------------------------
  // A buffer's references survive a transfer by name: SaveCallsNames writes
  // into MoreParamsStr of the buffer's reference elements the name of their
  // target (subroutine, display page, block instance); RestoreCalls, after
  // the append, links the appended references that have no live target to
  // the target of that name, then clears the names again. Only buffer tables
  // get names: the live rows of the project are never touched by a save.
  //
  // Element types that keep references inside MoreParamsBin; their names are
  // read and written by the blob hook (when one is set), never by the rules
  // for calls and block instances.
  static const std::vector<long>& BlobReferenceTypes();
  struct BlobReferences {
    // The names a blob refers to, as one text (empty: none).
    std::function<std::string(long elementType, const db::Blob& params)> SaveNames;
    // Rewrites the blob's references from the saved names, looking the
    // targets up in `db`; answers whether the blob changed.
    std::function<bool(long elementType, db::Blob& params, const std::string& names, db::Connection& db)> Restore;
  };
  void SetBlobReferences(BlobReferences hook) { mBlobReferences = std::move(hook); }
  // `prefix` must name a buffer (not empty).
  void SaveCallsNames(const std::string& prefix);
  // Over the live elements firstElement..lastElement (the ones just
  // appended). Answers the number of references linked by name.
  long RestoreCalls(long firstElement, long lastElement);

  // --- questions ------------------------------------------------------------------
  bool DoesBufferContainesNamedConsts(const std::string& prefix);
  bool DoesBufferContainesProtectedFunctions(const std::string& prefix);
  bool DoesBufferContainesMissingCallElements(const std::string& prefix);
  bool DoesBufferContainesMissingFBs(const std::string& prefix);
  bool DoesBufferContainesDifferentFBsHexVers(const std::string& prefix);

private:
  bool HasRows(const std::string& sql);
  long AppendWithKeyMap(const std::string& dstTbl, const std::string& pkField, const std::string& prefix,
                        const std::vector<KeyLink>& links, std::vector<ImportPairsUDT>* pairs);
  bool HandleInvalidCalls(GuiService& gui, long callType, const std::string& targets, const std::string& what,
                          const std::string& replacedBy, const std::string& prefix);
  std::vector<std::string> ColumnsOf(db::Connection& db, const std::string& table);
  std::string CommonFields(const std::string& table, const std::string& buffer, const std::string& pkField);
  void CopyTableBetween(db::Connection& from, db::Connection& to, const std::string& table, const std::string& toTable,
                        const std::vector<std::string>& leftOut = {});
  long RestoreTargetsByName(long callType, const std::string& range);
  long RestoreInstancesByName(const std::string& range);
  long RestoreBlobsByName(const std::string& range);
  std::string NamedElementCondition(const std::string& elements, const std::string& slots);

  db::Connection& mDb;
  BlobReferences mBlobReferences;
};

} // namespace ldr
