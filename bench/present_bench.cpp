// Presenting a full right-board frame (770 x 700): the persistent image
// copied onto the visible surface, as every flush of the drawer does, set
// against a bare memcpy of the same bytes measured in the same run. The
// ratio of the two is printed at the end; presenting should stay within a
// few times the bare copy.

#include "bench/RatioReporter.h"
#include "platform/boards/MemoryPictureBoard.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 770;
constexpr int kHeight = 700;

void BM_PresentFrame(benchmark::State& state) {
  ldr::MemoryPictureBoard board(kWidth, kHeight);
  board.SetAutoRedraw(true);
  board.hDC().Rectangle(10, 10, 700, 600);
  for (auto _ : state) {
    board.Refresh();
    benchmark::DoNotOptimize(board.VisibleImage().Row(0));
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * int64_t{kWidth} * kHeight * 4);
}
BENCHMARK(BM_PresentFrame);

void BM_BareMemcpy(benchmark::State& state) {
  ldr::MemoryPictureBoard board(kWidth, kHeight);
  size_t bytes = static_cast<size_t>(board.PersistentImage().Stride()) * kHeight;
  std::vector<std::uint8_t> source(bytes, 0x7F);
  std::vector<std::uint8_t> target(bytes, 0);
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), bytes);
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes));
}
BENCHMARK(BM_BareMemcpy);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  ldr::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  auto present = reporter.Times.find("BM_PresentFrame");
  auto copy = reporter.Times.find("BM_BareMemcpy");
  if (present != reporter.Times.end() && copy != reporter.Times.end() && copy->second > 0)
    std::printf("present %.1f us, memcpy %.1f us, ratio %.2f (target < 3)\n", present->second / 1000.0,
                copy->second / 1000.0, present->second / copy->second);
  benchmark::Shutdown();
  return 0;
}
