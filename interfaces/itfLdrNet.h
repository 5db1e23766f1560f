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

class clsOperand;
class clsVirtualController;
class itfLdrElement;
class itfOperandsKeyHandler;

using ElementCollection = KeyedCollection<itfLdrElement>;

class itfLdrNet {
public:
  virtual ~itfLdrNet() = default;

  // 1. The element hit last, or nothing.
  virtual std::shared_ptr<itfLdrElement> ActiveElement() = 0;
  // 2.
  virtual void SetShowNum(std::int32_t value) = 0;
  // 3., 4. Reading may turn the net dirty when one of its elements is.
  virtual bool CompileDirtyBit() = 0;
  virtual void SetCompileDirtyBit(bool value) = 0;
  // 5., 6. 2 marks a disabled (hatched) net.
  virtual std::int32_t IsCompilable() = 0;
  virtual void SetIsCompilable(std::int32_t value) = 0;
  // 7., 8.
  virtual bool IsReturnStrip() = 0;
  virtual void SetIsReturnStrip(bool value) = 0;
  // 9. The net's own collection; 10., 11. new collections.
  virtual std::shared_ptr<ElementCollection> GetAllElements() = 0;
  virtual std::shared_ptr<ElementCollection> GetSelectedElements() = 0;
  virtual std::shared_ptr<ElementCollection> GetUnSelectedElements() = 0;
  // 12.
  virtual void UnSelectAllLadderElements() = 0;
  // 13. On-line evaluation: operands registered, conducting parts marked.
  virtual void AppendTestValue(const std::shared_ptr<clsVirtualController>& pVirtualController) = 0;
  // 14. A negative extension opens the space above the elements.
  virtual void AddLadderElement(const std::shared_ptr<itfLdrElement>& pLadderElement, std::int32_t pExtendHeight) = 0;
  // 15.
  virtual void AddLadderElements(const ElementCollection& pElements, std::int32_t pRequestHeight) = 0;
  // 16.
  virtual void DeleteSelectedElements() = 0;
  // 17. The elements of the net pLdrNetID as the compiler takes them.
  virtual std::shared_ptr<ElementCollection> GetElementsCollectionForCompiler(std::int32_t pLdrNetID) = 0;
  // 18.
  virtual void ReloadAllElements() = 0;
  // 19., 20. Operand calls go to the element whose ObjectID is pElementID.
  virtual std::shared_ptr<clsOperand> HighLightOperand(std::int32_t pElementID, std::int32_t pInIdx,
                                                       std::int32_t pOutIdx) = 0;
  virtual bool ReplaceOperand(std::int32_t pElementID, std::int32_t pInIdx, std::int32_t pOutIdx,
                              std::int32_t pOpNetworkID, std::int32_t pOpType, std::int32_t pOpAddr) = 0;
  // 21.
  virtual std::shared_ptr<clsOperand> GetElementSelectedOperand() = 0;
  // 22.
  virtual void MarkElement(std::int32_t ElementID) = 0;
  // 23.
  virtual void UnSelectAllOperandsInNet() = 0;
  // 24., 25. Moving the selected elements to another net (no database work).
  virtual void RemoveElementsOnDrag() = 0;
  virtual void AddElementsOnDrag(const ElementCollection& Elements) = 0;
  // 26.
  virtual void KeyPress(std::int32_t KeyCode, itfOperandsKeyHandler& oOpHandler) = 0;
  // 27.
  virtual std::shared_ptr<itfLdrElement> GetElementWithSelectedOperand() = 0;
  // 28. Takes the flag from the database without storing anything.
  virtual void SyncCompileDirtyBitWithDb() = 0;
  // 29., 30. IDs: ElmntIDs separated by commas.
  virtual void SelectPastedElements() = 0;
  virtual void SelectDeletedElements(const std::string& IDs) = 0;
  // 31. to 34.
  virtual bool IsCollapsed() = 0;
  virtual void SetIsCollapsed(bool value) = 0;
  virtual std::int32_t OrgHeight() = 0;
  virtual void SetOrgHeight(std::int32_t value) = 0;
};

} // namespace ldr
