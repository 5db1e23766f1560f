#pragma once
// Reads the whole ladder of a project from its database rows into a
// SimProgram: subroutines, strips in SeqNum order (disabled nets and
// statement-list strips are skipped), elements with their operands, and the
// power-up values and constants of the operand list. Reads only.

#include "tools/simulation/SimProgram.h"

namespace ldr::db {
class Connection;
}

namespace ldr::sim {

class ProgramLoader {
public:
  static SimProgram Load(db::Connection& connection);

private:
  static void LoadSubroutines(db::Connection& connection, SimProgram& program);
  static void LoadStrips(db::Connection& connection, SimProgram& program, std::map<long, SimNet*>& nets);
  static void LoadElements(db::Connection& connection, SimProgram& program, std::map<long, SimNet*>& nets);
  static void LoadOperandValues(db::Connection& connection, SimProgram& program);
};

} // namespace ldr::sim
