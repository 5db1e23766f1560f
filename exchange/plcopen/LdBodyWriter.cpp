#include "exchange/plcopen/LdBodyWriter.h"

#include "exchange/plcopen/PlcopenElementMap.h"
#include "outside/operands/OperandTypeCatalogue.h"

#include <algorithm>

namespace ldr::plcopen {

namespace {

constexpr long kHalfCell = LdBodyWriter::kPixelsPerCell / 2;
constexpr long kStripCells = 53;
constexpr long kLabelBoxCells = 15;
constexpr long kFindOnlySlots = 230; // slots from here on live inside parameter blocks
constexpr long kMissingReference = 32000;
constexpr long kStripNet = 1;
constexpr long kStripComment = 2;
constexpr long kStripLabel = 3;
constexpr long kDisabledNet = 2;

bool IsBlock(LdConstruct construct) {
  return construct == LdConstruct::Call || construct == LdConstruct::Function || construct == LdConstruct::Vendor;
}

long HighestSlot(const LadderElement& element, bool inputs) {
  long highest = 0;
  for (const auto& operand : element.Operands) {
    const long slot = inputs ? operand.InIdx : (operand.InIdx == 0 ? operand.OutIdx : 0);
    if (slot < kFindOnlySlots) highest = std::max(highest, slot);
  }
  return highest;
}

} // namespace

LdBodyWriter::LdBodyWriter(XmlWriter& xml, const LadderProject& project, const OperandNaming& naming,
                           const std::map<long, std::string>& pouNames, const std::map<long, std::string>& labelNames,
                           std::vector<std::string>& warnings)
    : mXml(xml), mProject(project), mNaming(naming), mPouNames(pouNames), mLabelNames(labelNames), mWarnings(warnings) {
}

void LdBodyWriter::Write(const LadderSubroutine& subroutine) {
  mSubroutine = &subroutine;
  mStripTop = 0;
  mNextLocalId = 1;
  mXml.Start("body");
  mXml.Start("LD");
  for (const auto& strip : subroutine.Strips) {
    mStrip = &strip;
    WriteStrip(strip);
    mStripTop += strip.LayoutHeight();
  }
  mStrip = nullptr;
  mXml.End();
  mXml.End();
}

std::string LdBodyWriter::Where() const {
  std::string where = mSubroutine->FullName();
  if (mStrip)
    where += mStrip->Type == kStripNet ? " net " + std::to_string(mStrip->ShowNum)
                                       : " strip " + std::to_string(mStrip->SeqNum);
  return where;
}

void LdBodyWriter::Warn(const std::string& message) { mWarnings.push_back(Where() + ": " + message); }

void LdBodyWriter::WriteStrip(const LadderStrip& strip) {
  switch (strip.Type) {
  case kStripNet:
    if (strip.IsCompilable == kDisabledNet)
      Warn("disabled net left out");
    else if (!strip.Elements.empty())
      WriteNet(strip);
    return;
  case kStripComment:
    WriteComment(strip.Comment, 0, strip.LayoutHeight(), kStripCells);
    return;
  case kStripLabel:
    WriteLabel(strip);
    return;
  default:
    Warn("strip of type " + std::to_string(strip.Type) + " has no PLCopen counterpart: left out");
  }
}

void LdBodyWriter::WriteComment(const std::string& text, long column, long rows, long width) {
  mXml.Start("comment");
  mXml.Attribute("localId", mNextLocalId++);
  mXml.Attribute("height", rows * kPixelsPerCell);
  mXml.Attribute("width", width * kPixelsPerCell);
  WritePosition("position", X(column), Y(0));
  mXml.Start("content");
  mXml.Element("xhtml:p", text);
  mXml.End();
  mXml.End();
}

void LdBodyWriter::WriteLabel(const LadderStrip& strip) {
  const auto found = mLabelNames.find(strip.ID);
  mXml.Start("label");
  mXml.Attribute("localId", mNextLocalId++);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", kLabelBoxCells * kPixelsPerCell);
  mXml.Attribute("label", found == mLabelNames.end() ? strip.LabelName : found->second);
  WritePosition("position", X(0), Y(0));
  mXml.End();
  if (!strip.LabelComment.empty()) WriteComment(strip.LabelComment, kLabelBoxCells, 1, kStripCells - kLabelBoxCells);
}

void LdBodyWriter::WriteNet(const LadderStrip& strip) {
  std::vector<LdMapping> mappings;
  for (const auto& element : strip.Elements) mappings.push_back(PlcopenElementMap::Find(element.Type));
  const RungConnections connections(strip.Elements, mappings);

  mLeftRailId = mNextLocalId++;
  mOutputs.assign(strip.Elements.size(), {});
  for (std::size_t i = 0; i < strip.Elements.size(); ++i) {
    const auto construct = mappings[i].Construct;
    if (construct == LdConstruct::Wire || construct == LdConstruct::Omitted) continue;
    mOutputs[i].LocalId = mNextLocalId++;
    if (IsBlock(construct)) mOutputs[i].Parameter = "ENO";
    if (construct == LdConstruct::Compare) mOutputs[i] = {mNextLocalId++, "OUT", mOutputs[i].LocalId};
  }
  mRightRailId = connections.RightRailInputs().empty() ? 0 : mNextLocalId++;

  WriteLeftRail(connections.LeftRailRows(), strip.LayoutHeight());
  for (std::size_t i = 0; i < strip.Elements.size(); ++i) WriteElement(i, strip.Elements[i], mappings[i], connections);
  if (mRightRailId) WriteRightRail(connections);

  WarnAboutWiring(strip, connections);
}

void LdBodyWriter::WarnAboutWiring(const LadderStrip& strip, const RungConnections& connections) {
  const auto& floating = connections.FloatingElements();
  for (std::size_t i : floating) Warn(ElementAt(strip.Elements[i]) + " is connected on neither side");
  for (std::size_t i : connections.UnconnectedInputs())
    if (std::find(floating.begin(), floating.end(), i) == floating.end())
      Warn(ElementAt(strip.Elements[i]) + " gets no power at its inlet");
  for (const auto& point : connections.LooseWires())
    Warn("unconnected wire at (" + std::to_string(point.X) + "," + std::to_string(point.Y) + ")");
}

std::string LdBodyWriter::ElementAt(const LadderElement& element) {
  return "element " + std::to_string(element.Type) + " at (" + std::to_string(element.Xs) + "," +
         std::to_string(element.Ys) + ")";
}

void LdBodyWriter::WriteLeftRail(const std::vector<long>& rows, long height) {
  mXml.Start("leftPowerRail");
  mXml.Attribute("localId", mLeftRailId);
  mXml.Attribute("height", height * kPixelsPerCell);
  mXml.Attribute("width", 2);
  WritePosition("position", kEditZoneX - 2, Y(0));
  for (long row : rows) {
    mXml.Start("connectionPointOut");
    mXml.Attribute("formalParameter", "R" + std::to_string(row));
    WritePosition("relPosition", 2, row * kPixelsPerCell);
    mXml.End();
  }
  mXml.End();
}

void LdBodyWriter::WriteRightRail(const RungConnections& connections) {
  mXml.Start("rightPowerRail");
  mXml.Attribute("localId", mRightRailId);
  mXml.Attribute("height", mStrip->LayoutHeight() * kPixelsPerCell);
  mXml.Attribute("width", 2);
  WritePosition("position", X(RungConnections::kEditWidth), Y(0));
  for (std::size_t i = 0; i < connections.RightRailInputs().size(); ++i)
    WriteInput(connections.RightRailInputs()[i], 0, connections.RightRailRows()[i] * kPixelsPerCell);
  mXml.End();
}

void LdBodyWriter::WriteElement(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                                const RungConnections& connections) {
  switch (mapping.Construct) {
  case LdConstruct::Wire:
    return;
  case LdConstruct::Contact:
  case LdConstruct::Coil:
    WriteContactOrCoil(index, element, mapping, connections);
    return;
  case LdConstruct::Jump:
    WriteJump(index, element, connections);
    return;
  case LdConstruct::Return:
    WriteReturn(index, element, connections);
    return;
  case LdConstruct::Compare:
    WriteCompare(index, element, mapping, connections);
    return;
  case LdConstruct::Call:
  case LdConstruct::Function:
  case LdConstruct::Vendor:
    WriteBlock(index, element, mapping, connections);
    return;
  case LdConstruct::Omitted:
    Warn(ElementAt(element) + " has no PLCopen counterpart: left out");
    return;
  }
}

void LdBodyWriter::WriteContactOrCoil(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                                      const RungConnections& connections) {
  const bool coil = mapping.Construct == LdConstruct::Coil;
  const long width = mapping.Width * kPixelsPerCell;
  mXml.Start(coil ? "coil" : "contact");
  mXml.Attribute("localId", mOutputs[index].LocalId);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", width);
  if (mapping.Negated) mXml.Attribute("negated", "true");
  if (mapping.Edge != "none") mXml.Attribute("edge", mapping.Edge);
  if (mapping.Storage != "none") mXml.Attribute("storage", mapping.Storage);
  WritePosition("position", X(element.Xs), Y(element.Ys) - kHalfCell);
  WriteInput(connections.InputSources(index), 0, kHalfCell);
  WriteOutput(width, kHalfCell);
  mXml.Element("variable", OperandExpression(element, coil ? element.Output(1) : element.Input(1)));
  mXml.End();
}

void LdBodyWriter::WriteJump(std::size_t index, const LadderElement& element, const RungConnections& connections) {
  const auto* target = element.Output(1);
  std::string label;
  if (target && mLabelNames.count(target->Address)) {
    label = mLabelNames.at(target->Address);
  } else {
    const bool known = target && target->Address != kMissingReference && mProject.LabelNames.count(target->Address);
    label = known ? mProject.LabelNames.at(target->Address) : "MISSING";
    Warn("jump " + ElementAt(element) + " names " +
         (known ? "the label " + label + " of another subroutine" : "no existing label"));
  }
  mXml.Start("jump");
  mXml.Attribute("localId", mOutputs[index].LocalId);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", 6 * kPixelsPerCell);
  mXml.Attribute("label", label);
  WritePosition("position", X(element.Xs), Y(element.Ys) - kHalfCell);
  WriteInput(connections.InputSources(index), 0, kHalfCell);
  mXml.End();
}

void LdBodyWriter::WriteReturn(std::size_t index, const LadderElement& element, const RungConnections& connections) {
  mXml.Start("return");
  mXml.Attribute("localId", mOutputs[index].LocalId);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", 6 * kPixelsPerCell);
  WritePosition("position", X(element.Xs), Y(element.Ys) - kHalfCell);
  WriteInput(connections.InputSources(index), 0, kHalfCell);
  mXml.End();
}

std::string LdBodyWriter::BlockTypeName(const LadderElement& element, const LdMapping& mapping) const {
  if (mapping.Construct != LdConstruct::Call) return mapping.TypeName;
  const auto* target = element.Output(1);
  const auto found = target ? mPouNames.find(target->Address) : mPouNames.end();
  return found == mPouNames.end() ? std::string("MISSING") : found->second;
}

std::vector<LdBodyWriter::Pin> LdBodyWriter::BlockInputs(const LadderElement& element, const LdMapping& mapping) const {
  std::vector<Pin> pins;
  if (mapping.Construct == LdConstruct::Call) return pins;
  const bool single = mapping.TypeName == "MOVE";
  auto name = [&](std::size_t i) { return single ? std::string("IN") : "IN" + std::to_string(i); };
  if (mapping.OutputIsFirstInput) {
    const auto* operand = element.Output(1);
    pins.push_back({name(1), operand ? mNaming.Expression(*operand) : ""});
  } else {
    const long slots = HighestSlot(element, true);
    for (long slot = 1; slot <= slots; ++slot) {
      const auto* operand = element.Input(slot);
      pins.push_back({name(pins.size() + 1), operand ? mNaming.Expression(*operand) : ""});
    }
  }
  if (!mapping.FixedInput.empty()) pins.push_back({name(pins.size() + 1), mapping.FixedInput});
  // A reference (a display page, say) is a parameter of the block: its key goes in as a number.
  for (const auto& operand : element.Operands)
    if (operand.InIdx == 0 && OperandTypeCatalogue::IsReference(operand.Type))
      pins.push_back({name(pins.size() + 1), std::to_string(operand.Address)});
  return pins;
}

std::vector<LdBodyWriter::Pin> LdBodyWriter::BlockOutputs(const LadderElement& element,
                                                          const LdMapping& mapping) const {
  std::vector<Pin> pins;
  if (mapping.Construct == LdConstruct::Call) return pins;
  const long slots = HighestSlot(element, false);
  for (long slot = 1; slot <= slots; ++slot) {
    const auto* operand = element.Output(slot);
    if (operand && OperandTypeCatalogue::IsReference(operand->Type)) continue;
    const std::string parameter =
        mapping.Construct == LdConstruct::Vendor ? "OUT" + std::to_string(slot) : std::string("OUT");
    pins.push_back({parameter, operand ? mNaming.Expression(*operand) : ""});
    if (mapping.Construct != LdConstruct::Vendor) break; // standard functions have one output
  }
  return pins;
}

void LdBodyWriter::WriteBlock(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                              const RungConnections& connections) {
  const auto inputs = BlockInputs(element, mapping);
  const auto outputs = BlockOutputs(element, mapping);
  const long x = X(element.Xs);
  const long y = Y(element.Ys) - kHalfCell;
  const long width = (connections.Outlet(index).X - element.Xs) * kPixelsPerCell;
  std::vector<long> inputIds;
  for (std::size_t i = 0; i < inputs.size(); ++i)
    inputIds.push_back(inputs[i].Expression.empty()
                           ? 0
                           : WriteInVariable(inputs[i].Expression, x - 5 * kPixelsPerCell,
                                             y + static_cast<long>(2 * i + 2) * kPixelsPerCell));
  for (const auto& pin : inputs)
    if (pin.Expression.empty())
      Warn("input " + pin.Parameter + " of " + BlockTypeName(element, mapping) + " has no operand");
  std::string instance;
  if (element.Type >= 100000)
    instance = "FB" + std::to_string(element.Type / 100 * 100) + "_" + std::to_string(element.MoreParamsLng);
  WriteBlockElement(mOutputs[index].LocalId, BlockTypeName(element, mapping), instance, x, y, width,
                    mapping.Height * kPixelsPerCell, inputs, inputIds, outputs, true, &connections.InputSources(index));
  for (std::size_t i = 0; i < outputs.size(); ++i)
    if (!outputs[i].Expression.empty())
      WriteOutVariable(outputs[i].Expression, x + width + kPixelsPerCell,
                       y + static_cast<long>(2 * i + 2) * kPixelsPerCell, mOutputs[index].LocalId,
                       outputs[i].Parameter);
}

void LdBodyWriter::WriteCompare(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                                const RungConnections& connections) {
  const auto inputs = BlockInputs(element, mapping);
  const long x = X(element.Xs);
  const long y = Y(element.Ys) - kHalfCell;
  std::vector<long> inputIds;
  for (std::size_t i = 0; i < inputs.size(); ++i)
    inputIds.push_back(inputs[i].Expression.empty()
                           ? 0
                           : WriteInVariable(inputs[i].Expression, x - 5 * kPixelsPerCell,
                                             y + static_cast<long>(2 * i + 2) * kPixelsPerCell));
  auto pick = [&](std::size_t a, std::size_t b) {
    std::vector<Pin> pins = {{"IN1", a < inputs.size() ? inputs[a].Expression : ""},
                             {"IN2", b < inputs.size() ? inputs[b].Expression : ""}};
    std::vector<long> ids = {a < inputIds.size() ? inputIds[a] : 0, b < inputIds.size() ? inputIds[b] : 0};
    return std::make_pair(pins, ids);
  };
  // A compare box is one comparison of A and B; the in-range box is B <= A and A <= C.
  std::vector<long> comparisonIds = {mOutputs[index].ComparisonId};
  const auto [firstPins, firstIds] = pick(0, 1);
  WriteBlockElement(comparisonIds.front(), mapping.TypeName, "", x, y + 2 * kPixelsPerCell, 7 * kPixelsPerCell,
                    4 * kPixelsPerCell, firstPins, firstIds, {{"OUT", ""}}, false, nullptr);
  if (mapping.InRange) {
    comparisonIds.push_back(mNextLocalId++);
    const auto [pins, ids] = pick(0, 2);
    WriteBlockElement(comparisonIds.back(), "LE", "", x, y + 7 * kPixelsPerCell, 7 * kPixelsPerCell, 4 * kPixelsPerCell,
                      pins, ids, {{"OUT", ""}}, false, nullptr);
  }
  for (const auto& pin : inputs)
    if (pin.Expression.empty()) Warn(ElementAt(element) + " has no operand for " + pin.Parameter);
  WriteRungAnd(index, element, comparisonIds, connections);
}

// The rung's power ANDed with the comparisons: power goes on only when it
// arrives and every comparison holds.
void LdBodyWriter::WriteRungAnd(std::size_t index, const LadderElement& element, const std::vector<long>& comparisonIds,
                                const RungConnections& connections) {
  const long x = X(element.Xs) + 8 * kPixelsPerCell;
  mXml.Start("block");
  mXml.Attribute("localId", mOutputs[index].LocalId);
  mXml.Attribute("width", 4 * kPixelsPerCell);
  mXml.Attribute("height", static_cast<long>(2 * comparisonIds.size() + 2) * kPixelsPerCell);
  mXml.Attribute("typeName", "AND");
  WritePosition("position", x, Y(element.Ys) - kHalfCell);
  mXml.Start("inputVariables");
  mXml.Start("variable");
  mXml.Attribute("formalParameter", "IN1");
  WriteInput(connections.InputSources(index), 0, kHalfCell);
  mXml.End();
  for (std::size_t i = 0; i < comparisonIds.size(); ++i) {
    mXml.Start("variable");
    mXml.Attribute("formalParameter", "IN" + std::to_string(i + 2));
    mXml.Start("connectionPointIn");
    WritePosition("relPosition", 0, kHalfCell + static_cast<long>(2 * i + 2) * kPixelsPerCell);
    mXml.Start("connection");
    mXml.Attribute("refLocalId", comparisonIds[i]);
    mXml.Attribute("formalParameter", "OUT");
    mXml.End();
    mXml.End();
    mXml.End();
  }
  mXml.End();
  mXml.Start("inOutVariables");
  mXml.End();
  mXml.Start("outputVariables");
  mXml.Start("variable");
  mXml.Attribute("formalParameter", "OUT");
  WriteOutput((connections.Outlet(index).X - element.Xs - 8) * kPixelsPerCell, kHalfCell);
  mXml.End();
  mXml.End();
  mXml.End();
}

void LdBodyWriter::WriteBlockElement(long localId, const std::string& typeName, const std::string& instanceName, long x,
                                     long y, long width, long height, const std::vector<Pin>& inputs,
                                     const std::vector<long>& inputIds, const std::vector<Pin>& outputs, bool enable,
                                     const std::vector<PowerSource>* rung) {
  mXml.Start("block");
  mXml.Attribute("localId", localId);
  mXml.Attribute("width", width);
  mXml.Attribute("height", height);
  mXml.Attribute("typeName", typeName);
  if (!instanceName.empty()) mXml.Attribute("instanceName", instanceName);
  WritePosition("position", x, y);
  mXml.Start("inputVariables");
  if (enable) {
    mXml.Start("variable");
    mXml.Attribute("formalParameter", "EN");
    WriteInput(*rung, 0, kHalfCell);
    mXml.End();
  }
  for (std::size_t i = 0; i < inputs.size(); ++i) {
    mXml.Start("variable");
    mXml.Attribute("formalParameter", inputs[i].Parameter);
    mXml.Start("connectionPointIn");
    WritePosition("relPosition", 0, kHalfCell + static_cast<long>(2 * i + 2) * kPixelsPerCell);
    if (inputIds[i]) {
      mXml.Start("connection");
      mXml.Attribute("refLocalId", inputIds[i]);
      mXml.End();
    }
    mXml.End();
    mXml.End();
  }
  mXml.End();
  mXml.Start("inOutVariables");
  mXml.End();
  mXml.Start("outputVariables");
  if (enable) {
    mXml.Start("variable");
    mXml.Attribute("formalParameter", "ENO");
    WriteOutput(width, kHalfCell);
    mXml.End();
  }
  for (std::size_t i = 0; i < outputs.size(); ++i) {
    mXml.Start("variable");
    mXml.Attribute("formalParameter", outputs[i].Parameter);
    WriteOutput(width, kHalfCell + static_cast<long>(2 * i + 2) * kPixelsPerCell);
    mXml.End();
  }
  mXml.End();
  mXml.End();
}

long LdBodyWriter::WriteInVariable(const std::string& expression, long x, long y) {
  const long id = mNextLocalId++;
  mXml.Start("inVariable");
  mXml.Attribute("localId", id);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", 4 * kPixelsPerCell);
  WritePosition("position", x, y);
  WriteOutput(4 * kPixelsPerCell, kHalfCell);
  mXml.Element("expression", expression);
  mXml.End();
  return id;
}

void LdBodyWriter::WriteOutVariable(const std::string& expression, long x, long y, long blockId,
                                    const std::string& parameter) {
  mXml.Start("outVariable");
  mXml.Attribute("localId", mNextLocalId++);
  mXml.Attribute("height", kPixelsPerCell);
  mXml.Attribute("width", 4 * kPixelsPerCell);
  WritePosition("position", x, y);
  mXml.Start("connectionPointIn");
  WritePosition("relPosition", 0, kHalfCell);
  mXml.Start("connection");
  mXml.Attribute("refLocalId", blockId);
  mXml.Attribute("formalParameter", parameter);
  mXml.End();
  mXml.End();
  mXml.Element("expression", expression);
  mXml.End();
}

void LdBodyWriter::WritePosition(const char* name, long x, long y) {
  mXml.Start(name);
  mXml.Attribute("x", x);
  mXml.Attribute("y", y);
  mXml.End();
}

void LdBodyWriter::WriteConnections(const std::vector<PowerSource>& sources) {
  for (const auto& source : sources) {
    mXml.Start("connection");
    if (source.IsLeftRail) {
      mXml.Attribute("refLocalId", mLeftRailId);
      mXml.Attribute("formalParameter", "R" + std::to_string(source.RailRow));
    } else {
      const auto& output = mOutputs[source.Element];
      mXml.Attribute("refLocalId", output.LocalId);
      if (!output.Parameter.empty()) mXml.Attribute("formalParameter", output.Parameter);
    }
    // The wire's way, from this input to the producer's output.
    for (const auto& point : source.Path) WritePosition("position", X(point.X), Y(point.Y));
    mXml.End();
  }
}

void LdBodyWriter::WriteInput(const std::vector<PowerSource>& sources, long relX, long relY) {
  mXml.Start("connectionPointIn");
  WritePosition("relPosition", relX, relY);
  WriteConnections(sources);
  mXml.End();
}

void LdBodyWriter::WriteOutput(long relX, long relY) {
  mXml.Start("connectionPointOut");
  WritePosition("relPosition", relX, relY);
  mXml.End();
}

std::string LdBodyWriter::OperandExpression(const LadderElement& element, const LadderOperand* operand) {
  const std::string expression = operand ? mNaming.Expression(*operand) : std::string();
  if (expression.empty())
    Warn(ElementAt(element) + " has " +
         (operand ? "an operand of type " + std::to_string(operand->Type) + " that names no variable"
                  : std::string("no operand")));
  return expression;
}

} // namespace ldr::plcopen
