#pragma once
// The statements behind the recordsets the compiler reads. They are the
// contract with the host's compiler: columns, filters and order must not
// change. Kept in one place so that the benchmark runs exactly these.

namespace ldr {

struct CompileQueries {
  // Nets and statement-list strips that compile, and every label.
  static const char* const kJumpDestinations;
  static const char* const kPageDestinations;
  static const char* const kPowerupOperands;
  // One row per configuration method of a function block.
  static const char* const kNetsWithConfigFBs;
  // One row per jump, call or page element; every statement-list strip of
  // the start subroutine.
  static const char* const kNetsWithJumps;
  static const char* const kSelectedNets;
  // The first compiled strip of each subroutine.
  static const char* const kNetsHeads;
  // Dirty nets and nets that still carry problems.
  static const char* const kNetsForCompile;
  static const char* const kFullDownload;
  static const char* const kPartialDownload;
  static const char* const kNetsWithRiseFall;
  static const char* const kNetsWithRiseFallKey;
  static const char* const kStripByID;
  static const char* const kFunctionsForConflicts;
};

} // namespace ldr
