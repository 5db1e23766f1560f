#pragma once
// The ladder of a project as plain values, read once from the database rows
// for the exporters (PLCopen XML and the text dump). Nothing here holds a
// connection; the rows are copied.

#include "platform/database/DbValue.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace ldr::plcopen {

// One operand slot of an element (a row of LdrElmsOprs).
struct LadderOperand {
  long InIdx = 0;
  long OutIdx = 0;
  long Type = 0;
  long Address = 0;
  long Network = 0;
};

// One element of a net (a row of LdrElements with its operand rows).
struct LadderElement {
  long ID = 0;
  long Type = 0;
  long Xs = 0;
  long Ys = 0;
  long Dx = 0;
  long Dy = 0;
  long MoreParamsLng = 0;
  db::Blob MoreParamsBin;
  long NumberOfInputs = 0;
  std::vector<LadderOperand> Operands; // inputs by slot, then outputs by slot

  // The operand in input (output) slot `index`, or nothing.
  const LadderOperand* Input(long index) const;
  const LadderOperand* Output(long index) const;
};

struct LadderStrip {
  long ID = 0;
  long SeqNum = 0;
  long Type = 0; // enStripType
  long ShowNum = 0;
  long Height = 0;
  long OrgHeight = 0;
  bool IsCollapsed = false;
  bool IsReturnStrip = false;
  long IsCompilable = -1;
  std::string Note;
  std::string Comment;
  std::string LabelName;
  std::string LabelComment;
  std::vector<LadderElement> Elements; // by row, column, type

  // The rows the strip spans when expanded.
  long LayoutHeight() const { return IsCollapsed && OrgHeight > Height ? OrgHeight : Height; }
};

struct LadderSubroutine {
  long ID = 0;
  long ModuleID = 0;
  std::string ModuleName;
  std::string Name;
  long FunctionType = 3;
  std::vector<LadderStrip> Strips; // by SeqNum

  std::string FullName() const { return ModuleName + "." + Name; }
};

// A row of the operand list.
struct OperandListEntry {
  std::string Description;
  double PowerUp = 0.0;
  bool EnablePowerUp = false;
};

using OperandKey = std::tuple<long, long, long>; // type, address, network

struct LadderProject {
  std::string Path;
  std::vector<LadderSubroutine> Subroutines; // the ones asked for, by module and subroutine name
  std::map<OperandKey, OperandListEntry> Operands;
  // Names of reference targets anywhere in the project, by key.
  std::map<long, std::string> LabelNames;      // label strip ID → LblName
  std::map<long, std::string> SubroutineNames; // FuncID → "Module.Subroutine"
  std::map<long, std::string> PageNames;       // Pages.Id → Description
  std::map<long, std::string> BlockTitles;     // function-block method type → "Father Method"

  const OperandListEntry* FindOperand(const LadderOperand& operand) const;
};

} // namespace ldr::plcopen
