#pragma once
// PLCopen TC6 XML 2.01 of a project's ladder. Every subroutine becomes a POU
// of type program with an LD body (LdBodyWriter). Operands become located
// global variables of the configuration (OperandNaming), which each program
// names as external variables; the start subroutine is the program instance
// of the resource's cyclic task, the others run where a call box calls them.
// Program names are the subroutines' "Module.Subroutine" names made into
// identifiers ("Module_1_Main"), the full name kept as documentation.

#include "exchange/plcopen/LadderModel.h"
#include "exchange/plcopen/OperandNaming.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace ldr::plcopen {

class XmlWriter;

struct PlcopenExport {
  std::string Xml;
  // Everything exported other than as it stands: left-out strips and
  // elements, vendor blocks, unconnected wires and elements, missing targets.
  std::vector<std::string> Warnings;
};

class PlcopenExporter {
public:
  explicit PlcopenExporter(const LadderProject& project);

  // `creationDateTime`: the file header's time stamp, "YYYY-MM-DDThh:mm:ss".
  PlcopenExport Export(const std::string& creationDateTime) const;

private:
  void AssignPouNames();
  std::set<std::string> UsedVariables(const LadderSubroutine& subroutine,
                                      std::map<std::string, VariableDeclaration>& declarations) const;
  std::map<long, std::string> LabelNames(const LadderSubroutine& subroutine) const;
  void WriteHeaders(XmlWriter& xml, const std::string& creationDateTime) const;
  void WritePou(XmlWriter& xml, const LadderSubroutine& subroutine, const std::set<std::string>& variables,
                const std::map<std::string, VariableDeclaration>& declarations,
                std::vector<std::string>& warnings) const;
  void WriteInstances(XmlWriter& xml, const std::map<std::string, VariableDeclaration>& declarations) const;
  static void WriteVariable(XmlWriter& xml, const VariableDeclaration& declaration, bool global);
  static void WriteDocumentation(XmlWriter& xml, const std::string& text);
  void NoteVendorBlocks(std::vector<std::string>& warnings) const;

  const LadderProject& mProject;
  OperandNaming mNaming;
  std::map<long, std::string> mPouNames; // FuncID → program name, for every subroutine of the project
};

} // namespace ldr::plcopen
