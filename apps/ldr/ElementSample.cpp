#include "apps/ldr/ElementSample.h"

#include "core/ProjectSchema.h"
#include "elements/ElementFactory.h"
#include "elements/ElementFamilies.h"
#include "interfaces/enElementType.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/operands/FunctionBlockLibrary.h"
#include "outside/operands/GdiResources.h"
#include "outside/operands/OperandPainter.h"
#include "platform/drawing/DeviceContext.h"

#include <algorithm>
#include <stdexcept>

namespace ldr {
namespace {

constexpr gdi::COLORREF kPaper = gdi::RGB(255, 255, 255);
// The rung's row in a cell, and the room a box's output operand takes.
constexpr int kRungRow = 5;
constexpr int kOperandColumns = 7;

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
    element.SetYs(cell.Y + kRungRow);
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
  // Block methods are drawn from the demo block library (others of the
  // range as missing blocks).
  if (FunctionBlockLibrary::IsBlockMethod(elementType)) FunctionBlockLibrary::InstallDemoLibrary(*project);
  LdrContext ctx;
  ctx.Connection = project;
  ctx.SetHost(MakeHeadlessHost(project, std::make_shared<MemoryLog>(), "").Services);

  // Boxes get cells that hold them with the operands beside their pins.
  int columns = kCellColumns;
  int rows = kCellRows;
  if (auto probe = CreateNewElement(ctx, elementType); probe && !probe->IsLineElement()) {
    probe->SetClassType(static_cast<enElementType>(elementType));
    const bool box = probe->Height() > 1;
    columns = std::max(columns, 1 + probe->Outlet().X - probe->Inlet().X + (box ? kOperandColumns : 1));
    rows = std::max(rows, kRungRow + probe->Height() + 1);
  }
  const int cellWidth = GridToPixel(columns);
  const int cellHeight = GridToPixel(rows);
  gdi::Bitmap picture(2 * cellWidth, 2 * cellHeight);
  picture.Fill(kPaper);
  gdi::DeviceContext dc(picture);
  GdiResources resources;
  FillResources(resources);
  for (int look = 0; look < 4; ++look) {
    const bool conducting = look % 2 == 1;
    const bool selected = look / 2 == 1;
    auto element = CreateNewElement(ctx, elementType);
    Place(*element, elementType, {(look % 2) * columns, (look / 2) * rows});
    if (!element->IsLineElement()) element->InitOperandsData(true);
    element->SetIsSelected(selected);
    element->SetIsConducting(conducting);
    element->Draw(dc, resources);
  }
  return picture;
}

} // namespace ldr
