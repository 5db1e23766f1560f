#pragma once
// The function-block service: the blocks of the project's library (a row of
// FB_Fathers per block, a row of FB_Methods per method) and the block object
// of each placed method.
//
// Method type T: T rounded down to its hundreds is the father; T MOD 100 = 1
// is the block's configuration method. What a method's box looks like comes
// from its FB_Methods.MethodShape text, "key=value" items separated by ';':
//
//   in=N      input operands (default 0)
//   out=N     output operands (default 0)
//   values=N  whole-number settings kept in the parameter block (default 0)
//   busbar=0  the method may not stand on the bus bar (default 1: it may)
//   eneo=1    the box passes power from EN to ENO (default 0)
//   width=N   box width in grid columns (default 13, 19 with outputs)
//   height=N  box height in grid rows (default: room for the pins)
//
// Unknown keys and malformed items are ignored; counts are capped at 16. A
// project whose FB_Methods lacks the column gets the defaults.

#include "outside/operands/ShapedParamsObject.h"
#include "platform/database/Connection.h"

#include <memory>
#include <string>
#include <vector>

namespace ldr {

class FunctionBlockObject;
class OperandLibrary;

struct BlockMethodInfo {
  long MethodID = 0;
  long FatherID = 0;
  bool HasFather = false;
  bool HasMethod = false;
  std::string FatherTitle;
  std::string FatherName;
  std::string MethodTitle;
  ParamsShape Shape;

  bool IsMissing() const { return !HasFather || !HasMethod; }
  bool IsConfiguration() const { return MethodID % 100 == 1; }
};

class FunctionBlockLibrary {
public:
  static constexpr long kFirstMethod = 100000;
  static constexpr long kLastMethod = 999999;
  static constexpr long kMaxPins = 16;
  static constexpr long kDemoFatherID = 100200;

  explicit FunctionBlockLibrary(std::shared_ptr<const OperandLibrary> library);

  static bool IsBlockMethod(long type) { return type >= kFirstMethod && type <= kLastMethod; }
  static long FatherOf(long methodID) { return methodID - methodID % 100; }
  static bool IsConfigurationMethod(long methodID) { return methodID % 100 == 1; }
  static ParamsShape ParseShape(long methodID, const std::string& text);

  // What the project knows of a method; a missing father or method row
  // leaves HasFather / HasMethod false (never an error).
  BlockMethodInfo Describe(long methodID) const;
  // The block object of a new or loaded element of the method.
  std::shared_ptr<FunctionBlockObject> NewBlockObject(long methodID) const;
  // Every method of the project's blocks whose father is present, by ID.
  std::vector<long> MethodIDs() const;

  // Adds the small demo library (father 100200 with a configuration method
  // and two more methods) unless the project has that father already.
  static void InstallDemoLibrary(db::Connection& project);

private:
  std::shared_ptr<const OperandLibrary> mLibrary;
};

} // namespace ldr
