#pragma once
// The object the host's compiler talks to. It reads the whole ladder program
// straight from the project database (no subroutine needs to be open),
// stores each net's compiler results back into its strip row, keeps the
// compile dirty bits and the download-unit state, and answers the
// validation questions. It never draws.
//
// It shares the editor's objects when an editor exists: it takes their
// connection, and only when nobody has opened one does it ask the host's
// connection provider, keep it as the shared one and give it back at its
// end. A collection of elements it hands out lives no longer than it does.

#include "compiler/LadderValidation.h"
#include "compiler/itfLdrCompile.h"
#include "core/LdrContext.h"

#include <memory>
#include <string>

namespace ldr {

struct HostServices;

class clsLdrCompile : public itfLdrCompile {
public:
  static constexpr const char* kNetworkListFile = "ISC_List.txt";
  // Networked controllers the controller can talk to.
  static constexpr int kMaxNetworkIDs = 8;
  static constexpr std::uint8_t kUnusedNetworkID = 255;

  // On the objects an editor shares (`shared` outlives this object).
  explicit clsLdrCompile(LdrContext& shared);
  // Without an editor: the host's services in a context of its own.
  explicit clsLdrCompile(std::shared_ptr<HostServices> host);
  ~clsLdrCompile() override;
  clsLdrCompile(const clsLdrCompile&) = delete;
  clsLdrCompile& operator=(const clsLdrCompile&) = delete;

  // The component's own folder, where the network list file may lie. By
  // default the folder of the running program.
  void SetComponentFolder(std::string folder) { mComponentFolder = std::move(folder); }
  bool OwnsConnection() const { return mOwnsConnection; }
  // The objects it works on (the editor's, or its own).
  LdrContext& Context() { return *mCtx; }

  // itfLdrCompile
  bool IsNewCompiledData(long ldrNetID) override;
  long GetFunctionGuid(long funcID) override;
  long GetFunctionsIDs(std::vector<long>& longArray) override;
  long GetFunctionDataGuid(long funcID) override;
  void SetFunctionDataGuid(long guid, long dataGuid) override;
  void SetFunctionDirtyBit(long funcID) override;
  void SetFunctionDirtyBitForAll(bool status) override;
  RecordsetPtr GetRecordsetForBuildingJumpDest() override;
  RecordsetPtr GetRecordsetForBuildingJumpToPageDest() override;
  RecordsetPtr GetRecordsetOfPowerupOperands() override;
  RecordsetPtr GetRecordsetOfNetsWithConfigFBs() override;
  RecordsetPtr GetRecordsetOfAllNetsWithJumps() override;
  RecordsetPtr GetRecordsetOfSelectedNetsForCompile() override;
  RecordsetPtr GetNetsHeadsRecordsetForCall() override;
  RecordsetPtr GetRecordsetForCompile() override;
  RecordsetPtr GetRecordsetForDownload(bool partialDownload) override;
  std::shared_ptr<ElementCollection> GetElementsCollection(long ldrNetID) override;
  void UpdateLinesInNet(long ldrNetID, const ElementCollection& linesCollection) override;
  void SetStlViewInfo(long ldrNetID, const ByteArray& stlViewInfo) override;
  void SetTokensInfo(long ldrNetID, const ByteArray& tokensInfo) override;
  void SetCompilerInfo(long ldrNetID, const ByteArray& junctionsInfo, const ByteArray& problemsInfo,
                       const ByteArray& stlViewInfo, const ByteArray& tokensInfo, const ByteArray& jumpsInfo,
                       long tokensAmount, VbBool needToCompile, enCompilerInfoType problemsType,
                       const ByteArray& riseFallInfo, const ByteArray& riseFallElementInfo) override;
  ByteArray GetNetworkIDsBytesArray() override;
  void SetNeedToCompileForNetworkNets() override;
  void SetNeedToCompileForNetsWithNamedConsts() override;
  enElementFamilyType GetFamilyType(long elementType) override;
  std::string GetModuleName(long mdlID) override;
  std::string GetFunctionName(long funcID) override;
  long GetModuleID(long funcID) override;
  RecordsetPtr GetRecordsetOfAllNetsWithRiseFallElements() override;
  RecordsetPtr GetFunctionsRecordsetForCheckingConflicts() override;
  VbBool IsIllegalCallSubInSubroutine(long funcID) override;
  VbBool IsIllegalJumpInSubroutine(long funcID) override;
  void GetFirstIllegalNetWithNoJumpDestination(long funcID, long& stripID, long& showNum) override;
  void GetFirstIllegalNetWithCallSubInSubroutine(long funcID, long& stripID, long& showNum) override;
  VbBool IsDuplicateLabelsInSubroutine(long funcID) override;
  void GetFirstDuplicateLabelInSubroutine(long funcID, long& seqNum, std::string& lblName) override;
  void GetFirstNetAfterStrip(long funcID, long seqNum, long& nextID, long& nextShowNum) override;
  VbBool IsIllegalNumberOfSubroutinesInLadder() override;
  VbBool IsIllegalNumberOfStripsInSubroutine(long funcID) override;
  VbBool IsIllegalNumberOfPIDElementsInLadder() override;
  VbBool IsIllegalNumberOfRiseFallElementsInLadder() override;
  VbBool IsIllegalNumberOfJumpCallElementsInLadder() override;
  VbBool IsIllegalCallSubInLadder() override;
  void RenumberAllLdrNetsShowNumberField() override;
  void SetNeedToCompileForNetsWithLineElements() override;
  std::string GetFunctionBlockTitle(long typeID) override;
  std::shared_ptr<db::Connection> GetDatabaseConnection() override;
  VbBool IsMissingComInit() override;
  VbBool IsMissingETHComInit() override;
  RecordsetPtr GetMissingComInitFBsRecordSet() override;
  RecordsetPtr GetMissingETHComInitFBsRecordSet() override;
  VbBool IsNetworkIDsVaild() override;
  VbBool IsExistFbChildsWithNewerHexVer() override;
  RecordsetPtr GetFbChildsWithNewerHexVerRecordSet() override;
  VbBool IsFBsRenumberingNeeded() override;
  void SetCompileDirtyBitForBuildAll() override;
  VbBool IsIllegalLoadPageInLadder() override;
  bool DoesFunctionIDValid(long funcID) override;
  bool DoesPageIDValid(long pageID) override;
  RecordsetPtr GetRecordsetForMissingDBElements() override;
  RecordsetPtr GetRecordsetForDBElements(long stripID) override;
  long GetNumberOfNetsInProject() override;

private:
  void TakeSharedConnection();
  db::Connection& Db() const { return *mCtx->Connection; }
  bool DownloadUnitsOn() const;
  RecordsetPtr StaticRecordset(const std::string& sql);
  RecordsetPtr ForwardRecordset(const std::string& sql);
  void ResetDownloadUnitsOfDirtyNet(long stripID);
  std::string NetworkListPath() const;
  static ByteArray ReadNetworkList(const std::string& path);
  void ShowRetired(const std::string& text);

  std::unique_ptr<LdrContext> mOwnContext;
  LdrContext* mCtx;
  bool mOwnsConnection = false;
  std::unique_ptr<LadderValidation> mChecks;
  std::string mComponentFolder;
};

} // namespace ldr
