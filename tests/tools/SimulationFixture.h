#pragma once
// A project with the simulator on top: programs are written row by row with
// LadderBuilder, then run scan by scan; operands are named as the user
// writes them ("I1", "MB3", "T2").

#include "outside/operands/OperandType.h"
#include "outside/operands/VirtualController.h"
#include "support/LadderBuilder.h"
#include "support/ProjectFixture.h"
#include "tools/simulation/OperandName.h"
#include "tools/simulation/ScanSimulator.h"

#include <memory>

namespace ldr::test {

class SimulationFixture : public ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mLadder = std::make_unique<LadderBuilder>(Db());
  }

  LadderBuilder& Ladder() { return *mLadder; }
  long Net(long seqNum, long funcID = 2) { return mLadder->Strip(funcID, seqNum); }
  sim::ScanSimulator& Sim() {
    if (!mSim) mSim = sim::ScanSimulator::ForProject(Db(), mController);
    return *mSim;
  }
  void Scans(int count) {
    for (int i = 0; i < count; ++i) Sim().Scan();
  }
  OperandKey Key(const std::string& name) {
    std::string error;
    const auto key = sim::OperandName::Parse(name, mTypes, error);
    EXPECT_TRUE(key) << error;
    return key.value_or(OperandKey{});
  }
  std::int64_t Value(const std::string& name) { return Sim().Value(Key(name)); }
  void Set(const std::string& name, std::int64_t value) { Sim().Set(Key(name), value); }
  // The fault message of the next scan (empty when the scan runs).
  std::string FaultOfScan() {
    try {
      Sim().Scan();
    } catch (const sim::SimulationError& error) {
      return error.what();
    }
    return {};
  }

  std::shared_ptr<VirtualController> mController = std::make_shared<VirtualController>();
  OperandTypeCatalogue mTypes;
  std::unique_ptr<LadderBuilder> mLadder;
  std::unique_ptr<sim::ScanSimulator> mSim;
};

} // namespace ldr::test
