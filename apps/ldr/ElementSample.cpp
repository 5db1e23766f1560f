#include "apps/ldr/ElementSample.h"

#include "core/ProjectSchema.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"
#include "interfaces/enElementType.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/OperandPainter.h"
#include "platform/drawing/DeviceContext.h"

#include <stdexcept>

namespace ldr {
namespace {

constexpr gdi::COLORREF kPaper = gdi::RGB(255, 255, 255);

void FillResources(GdiResources& resources) {
  resources.LadderFont = OperandPainter::LadderFont();
  OperandPainter::FillOperandResources(resources);
  resources.GreyPen = gdi::Pen::Solid(gdi::RGB(192, 192, 192));
  resources.WhiteBrush = gdi::Brush::Solid(kPaper);
  resources.GreyBrush = gdi::Brush::Solid(gdi::RGB(192, 192, 192));
  resources.LightYellowBrush = gdi::Brush::Solid(gdi::RGB(255, 255, 219));
}

// Places the element inside the cell whose top-left grid point is `cell`.
void Place(itfLdrElement& element, std::int32_t type, tyLdrPoint cell) {
  if (!element.IsLineElement()) {
    element.SetClassType(static_cast<enElementType>(type));
    element.SetXs(cell.X + 1);
    element.SetYs(cell.Y + 5);
    return;
  }
  const bool vertical = type == eET_VertLine;
  const tyLdrPoint start = vertical ? tyLdrPoint{cell.X + 4, cell.Y + 2} : tyLdrPoint{cell.X + 1, cell.Y + 5};
  element.SetXs(start.X);
  element.SetYs(start.Y);
  element.SetXe(vertical ? start.X : start.X + 6);
  element.SetYe(vertical ? start.Y + 4 : start.Y);
  element.SetFlowDirection(vertical ? eFD_Down : eFD_Right);
  element.SetShowPowerFlow(true);
}

} // namespace

gdi::Bitmap ElementSample::Render(std::int32_t elementType) {
  if (!IsFamilyBuilt(GetFamilyType(elementType))) {
    const std::string family(FamilyClassName(GetFamilyType(elementType)));
    throw std::invalid_argument("element type " + std::to_string(elementType) +
                                (family.empty() ? " is not an element type" : " (" + family + ") is not built yet"));
  }
  // The elements need a project and a host for their operand slots; a
  // private in-memory one serves.
  auto project = db::Connection::Open("", db::OpenMode::Memory);
  ProjectSchema::Create(*project);
  LdrContext ctx;
  ctx.Connection = project;
  ctx.SetHost(MakeHeadlessHost(project, std::make_shared<MemoryLog>(), "").Services);

  const int cellWidth = GridToPixel(kCellColumns);
  const int cellHeight = GridToPixel(kCellRows);
  gdi::Bitmap picture(2 * cellWidth, 2 * cellHeight);
  picture.Fill(kPaper);
  gdi::DeviceContext dc(picture);
  GdiResources resources;
  FillResources(resources);
  for (int look = 0; look < 4; ++look) {
    const bool conducting = look % 2 == 1;
    const bool selected = look / 2 == 1;
    auto element = CreateNewElement(ctx, elementType);
    Place(*element, elementType, {(look % 2) * kCellColumns, (look / 2) * kCellRows});
    if (!element->IsLineElement()) element->InitOperandsData(true);
    element->SetIsSelected(selected);
    element->SetIsConducting(conducting);
    element->Draw(dc, resources);
  }
  return picture;
}

} // namespace ldr
