// One full redraw of a 770 x 700 view full of compare and arithmetic boxes
// (every net 14 rows high: a compare box, an ADD box and a three-input SUB
// box, each with named operands) set against presenting the finished frame
// alone, measured in the same run. A full redraw should stay within ten frame
// presentations, as for contacts.
#include "bench/RedrawFixture.h"

using namespace ldr;

namespace {

constexpr long kBoxRow = 1;

void FillNet(db::Connection& db, long stripID, long& address) {
  bench::AddElement(db, stripID, 302, 6, kBoxRow, 2, 0, address);  // A = B
  bench::AddElement(db, stripID, 405, 25, kBoxRow, 2, 1, address); // C = A ADD B
  bench::AddElement(db, stripID, 521, 51, kBoxRow, 3, 1, address); // D = SUB A..C
}

} // namespace

bench::RedrawSetup& bench::Setup() {
  static RedrawSetup setup("ldr-box-redraw-bench", FillNet);
  return setup;
}

int main(int argc, char** argv) { return bench::RunRatioBenchmarks(argc, argv); }
