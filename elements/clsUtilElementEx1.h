#pragma once
// Communication and controller-service boxes (types 1400 to 1427): COM and
// TCP/IP set-up, data-table rows and columns, display and on-line services.
// Everything the box needs lives in its parameter block: it has no pins, and
// the operands the block holds are stored only so that searches find them.
// The box shows its picture, or else its settings.
// A COM INIT box without a port, and a dial or hang-up box in a project
// without a COM INIT box, are pointed out to the user when configured.

#include "elements/ParamsBoxElement.h"

namespace ldr {

class clsUtilElementEx1 : public ParamsBoxElement {
public:
  using ParamsBoxElement::ParamsBoxElement;
  const char* ClassName() const override { return "clsUtilElementEx1"; }

  bool InitOperandsData(bool dummy) override;

  // The picture of a type ("" for none); "_SELECTED" is added while selected.
  static std::string PictureOf(std::int32_t elementType);

protected:
  std::shared_ptr<ElementBase> NewEmpty() override { return std::make_shared<clsUtilElementEx1>(mCtx); }
  bool HasOperands() const override { return false; }
  const char* BlockPropertyName() const override { return "BinaryData"; }
  void DrawInside(gdi::DeviceContext& hdc, const GdiResources* resources) override;

private:
  void PointOutMissingPort();
};

} // namespace ldr
