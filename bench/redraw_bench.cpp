// One full redraw of a 770 x 700 view full of elements (every net 14 rows
// high, four rows of eight contacts with named operands in each) set against
// presenting the finished frame alone (the right board's Refresh), measured
// in the same run. The ratio of the two is printed at the end; a full redraw
// should stay within ten frame presentations.
#include "bench/RedrawFixture.h"

using namespace ldr;

namespace {

constexpr long kContactRows[] = {3, 6, 9, 12};
constexpr long kContactsPerRow = 8;
constexpr long kContactWidth = 6;

// Contacts with their operand slot and a named operand.
void FillNet(db::Connection& db, long stripID, long& address) {
  for (long y : kContactRows)
    for (long i = 0; i < kContactsPerRow; ++i) bench::AddElement(db, stripID, 200, i * kContactWidth, y, 1, 0, address);
}

} // namespace

bench::RedrawSetup& bench::Setup() {
  static RedrawSetup setup("ldr-redraw-bench", FillNet);
  return setup;
}

int main(int argc, char** argv) { return bench::RunRatioBenchmarks(argc, argv); }
