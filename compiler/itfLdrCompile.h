#pragma once
// What the host's compiler reads and writes of the ladder program: the
// strips, elements and operands of the whole project as recordsets and
// collections, the per-net results stored back, the compile dirty bits and
// the download-unit state, and the validation questions. Operations in
// their published order (62). A recordset result the operation does not
// give is an empty pointer.

#include "compiler/CompileRecordset.h"
#include "interfaces/ElementDefs.h"
#include "interfaces/itfLdrNet.h"
#include "platform/database/Connection.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

using VbBool = long; // -1 true, 0 false
using RecordsetPtr = std::unique_ptr<CompileRecordset>;
using ByteArray = std::vector<std::uint8_t>;

// enCompilerInfoType: what the stored problems of a net are.
enum enCompilerInfoType : long {
  eCIT_None = 0,
  eCIT_Warnings = 1,
  eCIT_Errors = 2,
  eCIT_ErrorsAndWarnings = 3,
};

class itfLdrCompile {
public:
  virtual ~itfLdrCompile() = default;

  virtual bool IsNewCompiledData(long ldrNetID) = 0;
  virtual long GetFunctionGuid(long funcID) = 0;
  virtual long GetFunctionsIDs(std::vector<long>& longArray) = 0;
  virtual long GetFunctionDataGuid(long funcID) = 0;
  virtual void SetFunctionDataGuid(long guid, long dataGuid) = 0;
  virtual void SetFunctionDirtyBit(long funcID) = 0;
  virtual void SetFunctionDirtyBitForAll(bool status) = 0;
  virtual RecordsetPtr GetRecordsetForBuildingJumpDest() = 0;
  virtual RecordsetPtr GetRecordsetForBuildingJumpToPageDest() = 0;
  virtual RecordsetPtr GetRecordsetOfPowerupOperands() = 0;
  virtual RecordsetPtr GetRecordsetOfNetsWithConfigFBs() = 0;
  virtual RecordsetPtr GetRecordsetOfAllNetsWithJumps() = 0;
  virtual RecordsetPtr GetRecordsetOfSelectedNetsForCompile() = 0;
  virtual RecordsetPtr GetNetsHeadsRecordsetForCall() = 0;
  virtual RecordsetPtr GetRecordsetForCompile() = 0;
  virtual RecordsetPtr GetRecordsetForDownload(bool partialDownload) = 0;
  virtual std::shared_ptr<ElementCollection> GetElementsCollection(long ldrNetID) = 0;
  virtual void UpdateLinesInNet(long ldrNetID, const ElementCollection& linesCollection) = 0;
  virtual void SetStlViewInfo(long ldrNetID, const ByteArray& stlViewInfo) = 0;
  virtual void SetTokensInfo(long ldrNetID, const ByteArray& tokensInfo) = 0;
  virtual void SetCompilerInfo(long ldrNetID, const ByteArray& junctionsInfo, const ByteArray& problemsInfo,
                               const ByteArray& stlViewInfo, const ByteArray& tokensInfo, const ByteArray& jumpsInfo,
                               long tokensAmount, VbBool needToCompile, enCompilerInfoType problemsType,
                               const ByteArray& riseFallInfo, const ByteArray& riseFallElementInfo) = 0;
  virtual ByteArray GetNetworkIDsBytesArray() = 0;
  virtual void SetNeedToCompileForNetworkNets() = 0;
  virtual void SetNeedToCompileForNetsWithNamedConsts() = 0;
  virtual enElementFamilyType GetFamilyType(long elementType) = 0;
  virtual std::string GetModuleName(long mdlID) = 0;
  virtual std::string GetFunctionName(long funcID) = 0;
  virtual long GetModuleID(long funcID) = 0;
  virtual RecordsetPtr GetRecordsetOfAllNetsWithRiseFallElements() = 0;
  virtual RecordsetPtr GetFunctionsRecordsetForCheckingConflicts() = 0;
  virtual VbBool IsIllegalCallSubInSubroutine(long funcID) = 0;
  virtual VbBool IsIllegalJumpInSubroutine(long funcID) = 0;
  virtual void GetFirstIllegalNetWithNoJumpDestination(long funcID, long& stripID, long& showNum) = 0;
  virtual void GetFirstIllegalNetWithCallSubInSubroutine(long funcID, long& stripID, long& showNum) = 0;
  virtual VbBool IsDuplicateLabelsInSubroutine(long funcID) = 0;
  virtual void GetFirstDuplicateLabelInSubroutine(long funcID, long& seqNum, std::string& lblName) = 0;
  virtual void GetFirstNetAfterStrip(long funcID, long seqNum, long& nextID, long& nextShowNum) = 0;
  virtual VbBool IsIllegalNumberOfSubroutinesInLadder() = 0;
  virtual VbBool IsIllegalNumberOfStripsInSubroutine(long funcID) = 0;
  virtual VbBool IsIllegalNumberOfPIDElementsInLadder() = 0;
  virtual VbBool IsIllegalNumberOfRiseFallElementsInLadder() = 0;
  virtual VbBool IsIllegalNumberOfJumpCallElementsInLadder() = 0;
  virtual VbBool IsIllegalCallSubInLadder() = 0;
  virtual void RenumberAllLdrNetsShowNumberField() = 0;
  virtual void SetNeedToCompileForNetsWithLineElements() = 0;
  virtual std::string GetFunctionBlockTitle(long typeID) = 0;
  virtual std::shared_ptr<db::Connection> GetDatabaseConnection() = 0;
  virtual VbBool IsMissingComInit() = 0;
  virtual VbBool IsMissingETHComInit() = 0;
  virtual RecordsetPtr GetMissingComInitFBsRecordSet() = 0;
  virtual RecordsetPtr GetMissingETHComInitFBsRecordSet() = 0;
  virtual VbBool IsNetworkIDsVaild() = 0;
  virtual VbBool IsExistFbChildsWithNewerHexVer() = 0;
  virtual RecordsetPtr GetFbChildsWithNewerHexVerRecordSet() = 0;
  virtual VbBool IsFBsRenumberingNeeded() = 0;
  virtual void SetCompileDirtyBitForBuildAll() = 0;
  virtual VbBool IsIllegalLoadPageInLadder() = 0;
  virtual bool DoesFunctionIDValid(long funcID) = 0;
  virtual bool DoesPageIDValid(long pageID) = 0;
  virtual RecordsetPtr GetRecordsetForMissingDBElements() = 0;
  virtual RecordsetPtr GetRecordsetForDBElements(long stripID) = 0;
  virtual long GetNumberOfNetsInProject() = 0;
};

} // namespace ldr
