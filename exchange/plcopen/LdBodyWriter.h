#pragma once
// Writes the LD body of one subroutine: per net a left power rail, its
// elements with the connections RungConnections finds, and a right power
// rail for the coils; comments and labels as they stand between the nets.
// Positions are pixels of the grid (14 per cell): the edit zone starts at
// x = 28, a strip's rows follow the strips above it.

#include "exchange/plcopen/LadderModel.h"
#include "exchange/plcopen/LdMapping.h"
#include "exchange/plcopen/OperandNaming.h"
#include "exchange/plcopen/RungConnections.h"
#include "exchange/plcopen/XmlWriter.h"

#include <map>
#include <string>
#include <vector>

namespace ldr::plcopen {

class LdBodyWriter {
public:
  static constexpr long kPixelsPerCell = 14;
  static constexpr long kEditZoneX = 28;

  // `pouNames`: FuncID → program name (call targets); `labelNames`: label
  // strip ID → label of this subroutine.
  LdBodyWriter(XmlWriter& xml, const LadderProject& project, const OperandNaming& naming,
               const std::map<long, std::string>& pouNames, const std::map<long, std::string>& labelNames,
               std::vector<std::string>& warnings);

  void Write(const LadderSubroutine& subroutine);

private:
  // The localId and output parameter a connection names to take an
  // element's power.
  struct OutputRef {
    long LocalId = 0;
    std::string Parameter;
    long ComparisonId = 0; // a comparison's own block, whose result the AND takes
  };

  void WriteStrip(const LadderStrip& strip);
  void WriteComment(const std::string& text, long top, long rows, long width);
  void WriteLabel(const LadderStrip& strip);
  void WriteNet(const LadderStrip& strip);
  void WarnAboutWiring(const LadderStrip& strip, const RungConnections& connections);
  static std::string ElementAt(const LadderElement& element);
  void WriteLeftRail(const std::vector<long>& rows, long height);
  void WriteRightRail(const RungConnections& connections);
  void WriteElement(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                    const RungConnections& connections);
  void WriteContactOrCoil(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                          const RungConnections& connections);
  void WriteJump(std::size_t index, const LadderElement& element, const RungConnections& connections);
  void WriteReturn(std::size_t index, const LadderElement& element, const RungConnections& connections);
  void WriteBlock(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                  const RungConnections& connections);
  void WriteCompare(std::size_t index, const LadderElement& element, const LdMapping& mapping,
                    const RungConnections& connections);
  void WriteRungAnd(std::size_t index, const LadderElement& element, const std::vector<long>& comparisonIds,
                    const RungConnections& connections);

  // Block pins: the operand values that go in and the variables that come out.
  struct Pin {
    std::string Parameter;
    std::string Expression; // empty: no operand in the slot
  };
  std::vector<Pin> BlockInputs(const LadderElement& element, const LdMapping& mapping) const;
  std::vector<Pin> BlockOutputs(const LadderElement& element, const LdMapping& mapping) const;
  std::string BlockTypeName(const LadderElement& element, const LdMapping& mapping) const;
  void WriteBlockElement(long localId, const std::string& typeName, const std::string& instanceName, long x, long y,
                         long width, long height, const std::vector<Pin>& inputs, const std::vector<long>& inputIds,
                         const std::vector<Pin>& outputs, bool enable, const std::vector<PowerSource>* rung);
  long WriteInVariable(const std::string& expression, long x, long y);
  void WriteOutVariable(const std::string& expression, long x, long y, long blockId, const std::string& parameter);

  void WritePosition(const char* name, long x, long y);
  void WriteConnections(const std::vector<PowerSource>& sources);
  void WriteInput(const std::vector<PowerSource>& sources, long relX, long relY);
  void WriteOutput(long relX, long relY);
  std::string OperandExpression(const LadderElement& element, const LadderOperand* operand);

  long X(long column) const { return kEditZoneX + kPixelsPerCell * column; }
  long Y(long row) const { return kPixelsPerCell * (mStripTop + row); }
  std::string Where() const;
  void Warn(const std::string& message);

  XmlWriter& mXml;
  const LadderProject& mProject;
  const OperandNaming& mNaming;
  const std::map<long, std::string>& mPouNames;
  const std::map<long, std::string>& mLabelNames;
  std::vector<std::string>& mWarnings;

  const LadderSubroutine* mSubroutine = nullptr;
  const LadderStrip* mStrip = nullptr;
  long mStripTop = 0;
  long mNextLocalId = 1;
  long mLeftRailId = 0;
  long mRightRailId = 0;
  std::vector<OutputRef> mOutputs; // by element index of the current net
};

} // namespace ldr::plcopen
