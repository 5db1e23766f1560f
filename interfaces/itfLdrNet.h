#pragma once
// The ladder-net side of a net strip, beside itfStrip: its elements, their
// selection and operands, the compile state and the on-line evaluation.
// Operations in their published order (34). Properties: Get X is X(),
// Let X is SetX(v).

#include "core/KeyedCollection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace ldr {

class Operand;
class VirtualController;
class itfLdrElement;
class OperandsKeyHandler;

using ElementCollection = KeyedCollection<itfLdrElement>;

class itfLdrNet {
public:
  virtual ~itfLdrNet() = default;

  // The element hit last, or nothing.
  virtual std::shared_ptr<itfLdrElement> ActiveElement() = 0;
  virtual void SetShowNum(std::int32_t value) = 0;
  // Reading may turn the net dirty when one of its elements is.
  virtual bool CompileDirtyBit() = 0;
  virtual void SetCompileDirtyBit(bool value) = 0;
  // 2 marks a disabled (hatched) net.
  virtual std::int32_t IsCompilable() = 0;
  virtual void SetIsCompilable(std::int32_t value) = 0;
  virtual bool IsReturnStrip() = 0;
  virtual void SetIsReturnStrip(bool value) = 0;
  // The net's own collection; 10., 11. new collections.
  virtual std::shared_ptr<ElementCollection> GetAllElements() = 0;
  virtual std::shared_ptr<ElementCollection> GetSelectedElements() = 0;
  virtual std::shared_ptr<ElementCollection> GetUnSelectedElements() = 0;
  virtual void UnSelectAllLadderElements() = 0;
  // On-line evaluation: operands registered, conducting parts marked.
  virtual void AppendTestValue(const std::shared_ptr<VirtualController>& virtualController) = 0;
  // A negative extension opens the space above the elements.
  virtual void AddLadderElement(const std::shared_ptr<itfLdrElement>& ladderElement, std::int32_t extendHeight) = 0;
  virtual void AddLadderElements(const ElementCollection& elements, std::int32_t requestHeight) = 0;
  virtual void DeleteSelectedElements() = 0;
  // The elements of the net ldrNetID as the compiler takes them.
  virtual std::shared_ptr<ElementCollection> GetElementsCollectionForCompiler(std::int32_t ldrNetID) = 0;
  virtual void ReloadAllElements() = 0;
  // Operand calls go to the element whose ObjectID is elementID.
  virtual std::shared_ptr<Operand> HighLightOperand(std::int32_t elementID, std::int32_t inIdx,
                                                    std::int32_t outIdx) = 0;
  virtual bool ReplaceOperand(std::int32_t elementID, std::int32_t inIdx, std::int32_t outIdx, std::int32_t opNetworkID,
                              std::int32_t opType, std::int32_t opAddr) = 0;
  virtual std::shared_ptr<Operand> GetElementSelectedOperand() = 0;
  virtual void MarkElement(std::int32_t ElementID) = 0;
  virtual void UnSelectAllOperandsInNet() = 0;
  // Moving the selected elements to another net (no database work).
  virtual void RemoveElementsOnDrag() = 0;
  virtual void AddElementsOnDrag(const ElementCollection& Elements) = 0;
  virtual void KeyPress(std::int32_t KeyCode, OperandsKeyHandler& opHandler) = 0;
  virtual std::shared_ptr<itfLdrElement> GetElementWithSelectedOperand() = 0;
  // Takes the flag from the database without storing anything.
  virtual void SyncCompileDirtyBitWithDb() = 0;
  // IDs: ElmntIDs separated by commas.
  virtual void SelectPastedElements() = 0;
  virtual void SelectDeletedElements(const std::string& IDs) = 0;
  virtual bool IsCollapsed() = 0;
  virtual void SetIsCollapsed(bool value) = 0;
  virtual std::int32_t OrgHeight() = 0;
  virtual void SetOrgHeight(std::int32_t value) = 0;
};

} // namespace ldr
