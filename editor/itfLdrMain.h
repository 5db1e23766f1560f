#pragma once
// The editor interface a host drives: boards, tools, edit commands, scroll
// bars, resizes, subroutines and modules. Operations in their published
// order; a published Boolean result is -1 (true) or 0 (false).

#include "interfaces/ElementDefs.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

class MainBoard;
class PictureBoard;
class Operand;
class VirtualController;

using VbBool = long; // -1 true, 0 false

class itfLdrMain {
public:
  virtual ~itfLdrMain() = default;

  virtual void SaveProject() = 0;
  virtual VbBool NeedToCompile() = 0;
  virtual long FunctionID() = 0;
  virtual void Init(std::shared_ptr<MainBoard> mainBoard, std::shared_ptr<PictureBoard> leftBoard,
                    std::shared_ptr<PictureBoard> rightBoard) = 0;
  virtual void Terminate() = 0;
  virtual void QueryUnload() = 0;
  virtual void SpecialToolRequest(const std::string& toolID) = 0;
  virtual void ToolRequest(const std::string& toolID) = 0;
  virtual void CreateFunctionBlock(long functionID) = 0;
  virtual void CancelProcess() = 0;
  virtual void AppendTestValue(VirtualController& controller) = 0;
  virtual void EditCommand(long editCommand) = 0;
  virtual void LoadFunction(long funcID) = 0;
  virtual void RefreshOperand(long opType, long opAddress, long networkID) = 0;
  virtual void AddNewFunction(long mdlID, long& funcID, std::string& funcName) = 0;
  virtual void AddNewModule(long& mdlID, std::string& moduleName, long& funcID, std::string& funcName) = 0;
  virtual VbBool DeleteFunction(long functionID) = 0;
  virtual VbBool DeleteFunctionEx(long functionID) = 0;
  virtual VbBool DeleteModule(long moduleID) = 0;
  virtual VbBool RenameFunction(long functionID, const std::string& newName) = 0;
  virtual VbBool RenameModule(long moduleID, const std::string& newName) = 0;
  virtual VbBool ClearFunction(long funcID) = 0;
  virtual void VerticalScrollBarChange(long scrollValue) = 0;
  virtual void VerticalScrollBarScroll(long scrollValue) = 0;
  virtual void HorizontalScrollBarChange(long scrollValue) = 0;
  virtual void HorizontalScrollBarScroll(long scrollValue) = 0;
  virtual void Resize(long width, long height) = 0;
  virtual void SetOnLineActive(VbBool active) = 0;
  virtual void RedrawAll() = 0;
  virtual void SetCompileDirtyBitForBuildAll() = 0;
  virtual void HighLightOperand(long mdlID, long funcID, long stripID, long elementID, long inIdx, long outIdx) = 0;
  virtual VbBool ReplaceOperand(long mdlID, long funcID, long stripID, long elementID, long inIdx, long outIdx,
                                long opNetworkID, long opType, long opAddr) = 0;
  virtual void Validate() = 0;
  virtual void ReloadFunction() = 0;
  virtual std::shared_ptr<Operand> GetElementSelectedOperand() = 0;
  virtual void GetSingleSelectedElement(long& elementType, std::string& elementName) = 0;
  virtual long GetLoadedModuleID() = 0;
  virtual void OnFBFatherDeleted(long fatherID) = 0;
  virtual bool ExportMultiSubroutines(std::vector<long>& functionIDs) = 0;
  virtual VbBool Export(long funcID) = 0;
  virtual bool ExportMultiSubroutinesEx(std::vector<long>& functionIDs, const std::string& moduleName) = 0;
  virtual VbBool Import(long moduleID) = 0;
  virtual void SetSurfaceOperatoinState(bool state) = 0;
  virtual void DisplayLabel(const std::string& toolID) = 0;
  virtual void GotoLabel(long mdlID, long funcID, long stripID) = 0;
  virtual void SyncLoadedStripsWithCompileDirtyBitFromDB() = 0;
  virtual void ReadProperties() = 0;
  virtual bool MoveFunctionToModule(long sourceFunctionKey, long targetModuleKey) = 0;
  virtual void JumpToCompileResult(const std::string& message) = 0;
};

} // namespace ldr
