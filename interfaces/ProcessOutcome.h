#pragma once
// What one call of a mouse process did. The process base turns it into the
// function view's process slots (and the edit commit); the dispatcher only
// reads whether the process ended and which element a drop placed.

#include "core/enMouseProcess.h"

#include <cstdint>
#include <string>
#include <utility>

namespace ldr {

enum class ProcessStep {
  Continue, // the gesture goes on
  End,      // the gesture is over; whatever it wrote lands as it is
  Commit,   // the gesture is over and its writes are one edit
  Revert,   // the gesture is over and its writes are undone
  Start     // the process claims (or hands over to) the kind in Next
};

struct ProcessOutcome {
public:
  ProcessStep Step = ProcessStep::Continue;
  // Commit: the edit's name for the host (empty: none is reported), and
  // whether it changes compiled code (otherwise only the project is dirty).
  std::string ActionName;
  bool NeedToCompile = false;
  // Start: the kind that runs next.
  enMouseProcess Next = eMP_QueryForProcess;
  // Commit of a drop: the new element, for the view's placement steps.
  std::int32_t PlacedElementID = -1;

  bool Ends() const { return Step == ProcessStep::End || Step == ProcessStep::Commit || Step == ProcessStep::Revert; }

  static ProcessOutcome Continue() { return {}; }
  static ProcessOutcome End() { return Of(ProcessStep::End); }
  static ProcessOutcome Revert() { return Of(ProcessStep::Revert); }
  static ProcessOutcome Commit(std::string actionName, bool needToCompile) {
    auto outcome = Of(ProcessStep::Commit);
    outcome.ActionName = std::move(actionName);
    outcome.NeedToCompile = needToCompile;
    return outcome;
  }
  static ProcessOutcome Start(enMouseProcess next) {
    auto outcome = Of(ProcessStep::Start);
    outcome.Next = next;
    return outcome;
  }

private:
  static ProcessOutcome Of(ProcessStep step) {
    ProcessOutcome outcome;
    outcome.Step = step;
    return outcome;
  }
};

} // namespace ldr
