#include "exchange/plcopen/PlcopenExporter.h"

#include "exchange/plcopen/IecNames.h"
#include "exchange/plcopen/LdBodyWriter.h"
#include "exchange/plcopen/PlcopenElementMap.h"
#include "exchange/plcopen/XmlWriter.h"

#include <algorithm>
#include <filesystem>

namespace ldr::plcopen {

namespace {

constexpr long kStartSubroutine = 1;
constexpr long kStripNet = 1;
constexpr long kStripLabel = 3;
constexpr long kDisabledNet = 2;
constexpr long kFindOnlySlots = 230;

// Names the export uses itself, which no program may take.
const char* const kReservedNames[] = {"GT",  "GE",  "EQ",  "NE",  "LE",      "LT",       "ADD",    "SUB",
                                      "MUL", "DIV", "MOD", "AND", "OR",      "XOR",      "MOVE",   "MISSING",
                                      "NOT", "TON", "TOF", "CTU", "PROGRAM", "FUNCTION", "RETURN", "END_PROGRAM"};

} // namespace

PlcopenExporter::PlcopenExporter(const LadderProject& project) : mProject(project), mNaming(project) {
  AssignPouNames();
}

void PlcopenExporter::AssignPouNames() {
  std::vector<std::pair<std::string, long>> byName;
  for (const auto& [id, name] : mProject.SubroutineNames) byName.emplace_back(name, id);
  std::sort(byName.begin(), byName.end());
  IecNames names;
  for (const char* reserved : kReservedNames) names.Reserve(reserved);
  for (const auto& [name, id] : byName) mPouNames[id] = names.Unique(name);
}

std::map<long, std::string> PlcopenExporter::LabelNames(const LadderSubroutine& subroutine) const {
  std::map<long, std::string> labels;
  IecNames names;
  for (const auto& strip : subroutine.Strips)
    if (strip.Type == kStripLabel) labels[strip.ID] = names.Unique(strip.LabelName);
  return labels;
}

std::set<std::string> PlcopenExporter::UsedVariables(const LadderSubroutine& subroutine,
                                                     std::map<std::string, VariableDeclaration>& declarations) const {
  std::set<std::string> used;
  for (const auto& strip : subroutine.Strips) {
    if (strip.Type != kStripNet || strip.IsCompilable == kDisabledNet) continue;
    for (const auto& element : strip.Elements) {
      const auto construct = PlcopenElementMap::Find(element.Type).Construct;
      if (construct == LdConstruct::Omitted || construct == LdConstruct::Wire) continue;
      for (const auto& operand : element.Operands) {
        if (operand.InIdx >= kFindOnlySlots || operand.OutIdx >= kFindOnlySlots) continue;
        if (!OperandNaming::IsVariable(operand.Type)) continue;
        auto declaration = mNaming.Declaration(operand);
        used.insert(declaration.Name);
        declarations.emplace(declaration.Name, std::move(declaration));
      }
    }
  }
  return used;
}

PlcopenExport PlcopenExporter::Export(const std::string& creationDateTime) const {
  PlcopenExport result;
  std::map<std::string, VariableDeclaration> declarations;
  std::vector<std::set<std::string>> used;
  for (const auto& subroutine : mProject.Subroutines) used.push_back(UsedVariables(subroutine, declarations));

  XmlWriter xml;
  xml.Start("project");
  xml.Attribute("xmlns", "http://www.plcopen.org/xml/tc6_0201");
  xml.Attribute("xmlns:xhtml", "http://www.w3.org/1999/xhtml");
  WriteHeaders(xml, creationDateTime);
  xml.Start("types");
  xml.Start("dataTypes");
  xml.End();
  xml.Start("pous");
  for (std::size_t i = 0; i < mProject.Subroutines.size(); ++i)
    WritePou(xml, mProject.Subroutines[i], used[i], declarations, result.Warnings);
  xml.End();
  xml.End();
  WriteInstances(xml, declarations);
  xml.End();
  result.Xml = xml.Finish();
  NoteVendorBlocks(result.Warnings);
  return result;
}

void PlcopenExporter::WriteHeaders(XmlWriter& xml, const std::string& creationDateTime) const {
  xml.Start("fileHeader");
  xml.Attribute("companyName", "ldr");
  xml.Attribute("productName", "ldr export-plcopen");
  xml.Attribute("productVersion", "0.1");
  xml.Attribute("creationDateTime", creationDateTime);
  xml.End();
  xml.Start("contentHeader");
  xml.Attribute("name", std::filesystem::path(mProject.Path).stem().string());
  xml.Start("coordinateInfo");
  for (const char* language : {"fbd", "ld", "sfc"}) {
    xml.Start(language);
    xml.Start("scaling");
    xml.Attribute("x", LdBodyWriter::kPixelsPerCell);
    xml.Attribute("y", LdBodyWriter::kPixelsPerCell);
    xml.End();
    xml.End();
  }
  xml.End();
  xml.End();
}

void PlcopenExporter::WritePou(XmlWriter& xml, const LadderSubroutine& subroutine,
                               const std::set<std::string>& variables,
                               const std::map<std::string, VariableDeclaration>& declarations,
                               std::vector<std::string>& warnings) const {
  xml.Start("pou");
  xml.Attribute("name", mPouNames.at(subroutine.ID));
  xml.Attribute("pouType", "program");
  xml.Start("interface");
  for (bool constants : {false, true}) {
    bool open = false;
    for (const auto& name : variables) {
      const auto& declaration = declarations.at(name);
      if (declaration.IsConstant != constants) continue;
      if (!open) {
        xml.Start("externalVars");
        if (constants) xml.Attribute("constant", "true");
        open = true;
      }
      WriteVariable(xml, declaration, false);
    }
    if (open) xml.End();
  }
  xml.End();
  const auto labels = LabelNames(subroutine);
  LdBodyWriter body(xml, mProject, mNaming, mPouNames, labels, warnings);
  body.Write(subroutine);
  WriteDocumentation(xml, subroutine.FullName());
  xml.End();
}

void PlcopenExporter::WriteInstances(XmlWriter& xml,
                                     const std::map<std::string, VariableDeclaration>& declarations) const {
  xml.Start("instances");
  xml.Start("configurations");
  xml.Start("configuration");
  xml.Attribute("name", "Config");
  xml.Start("resource");
  xml.Attribute("name", "Resource");
  xml.Start("task");
  xml.Attribute("name", "Cyclic");
  xml.Attribute("priority", 0);
  for (const auto& subroutine : mProject.Subroutines) {
    if (subroutine.FunctionType != kStartSubroutine) continue;
    xml.Start("pouInstance");
    xml.Attribute("name", mPouNames.at(subroutine.ID) + "_Instance");
    xml.Attribute("typeName", mPouNames.at(subroutine.ID));
    xml.End();
  }
  xml.End();
  xml.End();
  for (bool constants : {false, true}) {
    bool open = false;
    for (const auto& [name, declaration] : declarations) {
      if (declaration.IsConstant != constants) continue;
      if (!open) {
        xml.Start("globalVars");
        if (constants) xml.Attribute("constant", "true");
        open = true;
      }
      WriteVariable(xml, declaration, true);
    }
    if (open) xml.End();
  }
  xml.End();
  xml.End();
  xml.End();
}

void PlcopenExporter::WriteVariable(XmlWriter& xml, const VariableDeclaration& declaration, bool global) {
  xml.Start("variable");
  xml.Attribute("name", declaration.Name);
  if (global && !declaration.Address.empty()) xml.Attribute("address", declaration.Address);
  xml.Start("type");
  xml.Start(declaration.IecType.c_str());
  xml.End();
  xml.End();
  if (global && !declaration.InitialValue.empty()) {
    xml.Start("initialValue");
    xml.Start("simpleValue");
    xml.Attribute("value", declaration.InitialValue);
    xml.End();
    xml.End();
  }
  if (global && !declaration.Documentation.empty()) WriteDocumentation(xml, declaration.Documentation);
  xml.End();
}

void PlcopenExporter::WriteDocumentation(XmlWriter& xml, const std::string& text) {
  xml.Start("documentation");
  xml.Element("xhtml:p", text);
  xml.End();
}

void PlcopenExporter::NoteVendorBlocks(std::vector<std::string>& warnings) const {
  std::map<std::string, long> counts;
  for (const auto& subroutine : mProject.Subroutines)
    for (const auto& strip : subroutine.Strips) {
      if (strip.Type != kStripNet || strip.IsCompilable == kDisabledNet) continue;
      for (const auto& element : strip.Elements) {
        const auto mapping = PlcopenElementMap::Find(element.Type);
        if (mapping.Construct == LdConstruct::Vendor) ++counts[mapping.TypeName];
      }
    }
  if (counts.empty()) return;
  std::string list;
  for (const auto& [name, count] : counts)
    list += (list.empty() ? "" : ", ") + name + " (" + std::to_string(count) + ")";
  warnings.push_back("exported as vendor blocks: " + list);
}

} // namespace ldr::plcopen
