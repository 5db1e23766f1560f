#pragma once
// Export and import of subroutines through export files: a SQLite file of
// "expimp_" buffer tables holding the chosen subroutines with their strips,
// elements, operands and the function blocks they use, and the version of
// the database layout that wrote it.
//
// An export changes nothing in the project: the buffer tables are built and
// reworked inside a savepoint that is rolled back once the file is written.
// An import lands whole or not at all; a refusal or a bad file leaves the
// project as it was.
//
// References travel by target: calls between exported subroutines keep
// their keys and follow the subroutines' new keys on import; calls of other
// subroutines and loads of display pages carry the target's name and are
// linked by name in the receiving project, or become the missing reference
// (address 32000) with a notice when it has no such target.

#include "core/LdrContext.h"
#include "exchange/clsBufferServices.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ldr {

class clsExportImport {
public:
  static constexpr const char* kExtension = "dnq";
  static constexpr long kOldestReadableVersion = 11;
  static constexpr long kLibraryElement = 1675; // subroutines holding it are not exported
  static constexpr const char* kImportAction = "Import Subroutine";

  // How the last operation ended.
  enum class Outcome { Done, Cancelled, Refused, BadFile, Nothing };
  // Progress of a long operation: step `done` of `total`.
  using ProgressObserver = std::function<void(int done, int total)>;

  explicit clsExportImport(LdrContext& ctx);

  // The host's operations; file names are asked through the dialog service.
  bool Export(long funcID);
  bool ExportMultiSubroutinesEx(std::vector<long> functionIDs, const std::string& moduleName);
  bool ExportMultiSubroutines(std::vector<long>& functionIDs); // retired: says so, answers false
  bool Import(long mdlID);
  void ClearBufferData();

  // The same with the file given (command line, tests).
  Outcome ExportToFile(std::vector<long> functionIDs, const std::string& path);
  Outcome ImportFromFile(long mdlID, const std::string& path);

  Outcome LastOutcome() const { return mOutcome; }
  // The pairs (key in the file, key here) of the last import.
  const std::vector<ImportPairsUDT>& ImportPairs() const { return mImportPairs; }
  void SetProgressObserver(ProgressObserver observer) { mProgress = std::move(observer); }

  // The proposed name with the characters a file name cannot hold replaced.
  static std::string ProposedFileName(const std::string& name);

private:
  Outcome ExportSubroutines(std::vector<long> functionIDs, const std::string& proposedName, const std::string* path);
  Outcome ImportSubroutines(long mdlID, const std::string* path);
  bool LeaveOutLibraryUsers(std::vector<long>& functionIDs);
  void BuildExportBuffers(const std::vector<long>& functionIDs);
  int RefusalOfExport();
  void CarryReferenceNames();
  void DropProjectOnlyColumns();
  std::optional<std::string> ChooseExportFile(const std::vector<long>& functionIDs, const std::string& proposedName);
  void WriteExportFile(const std::string& path);

  int RefusalOfImportVersion(long version);
  void UpgradeBuffers(long version);
  int RefusalOfImportContent();
  void AddProjectOnlyColumns();
  void CompleteColumns();
  void RenameDuplicateSubroutines();
  void ResolveReferencesByName(long callType);
  void AppendImportedRows();
  void MakeInstancesFit();
  void GiveOrphanedMethodsInstances(long firstElement, long lastElement);
  void NameCallOperandsAfterSubroutines();

  Outcome Refuse(int message, const std::vector<std::string>& args = {});
  Outcome BadFile(const std::string& path, const std::string& reason);
  void Step(int done, int total);
  long DatabaseVersion() const;
  long MaxNameLength() const;
  bool SwitchOn() const;

  LdrContext& mCtx;
  clsBufferServices mBuffers;
  std::vector<ImportPairsUDT> mImportPairs;
  bool mBlocksAppended = false;
  Outcome mOutcome = Outcome::Nothing;
  ProgressObserver mProgress;
};

} // namespace ldr
