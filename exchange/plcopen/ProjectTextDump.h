#pragma once
// A line-oriented text of a project's ladder for version control: modules,
// subroutines, strips in order, elements by row and column with their
// operands, comments and labels, then the descriptions of the operands used.
// No database key appears in it: references are written by the name of what
// they name, so the text stays the same when rows are renumbered, and an
// edit changes exactly the lines it touches.
//
//   subroutine "Module 1.Main" main
//     net 1 height 6
//       "Direct Contact" 200 at 0,3 in1=MB 12
//       line 100 at 6,3 size 4,0
//     comment height 3 "first line\nsecond line"
//     label "Loop" comment "again"
//   operand MB 12 "Start button"

#include "exchange/plcopen/LadderModel.h"
#include "outside/operands/OperandTypeCatalogue.h"

#include <set>
#include <string>

namespace ldr::plcopen {

class ProjectTextDump {
public:
  explicit ProjectTextDump(const LadderProject& project) : mProject(project) {}

  std::string Text() const;

private:
  std::string StripLine(const LadderStrip& strip) const;
  std::string ElementLine(const LadderElement& element, std::set<OperandKey>& used) const;
  std::string OperandText(const LadderOperand& operand) const;
  std::string ReferenceName(const std::map<long, std::string>& names, long address) const;
  static std::string Quoted(const std::string& text);
  static std::string Hex(const db::Blob& bytes);

  const LadderProject& mProject;
  OperandTypeCatalogue mCatalogue;
};

} // namespace ldr::plcopen
