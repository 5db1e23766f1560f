#pragma once
// The electrical nodes of one net, found from the geometry of its rows: line
// pieces join where an end of one lies on the other (a crossing without a
// common end point does not join), an element's inlet or outlet joins the
// line pieces it lies on and the pins at the same grid point, and whatever
// reaches column 0 touches the left power rail. A node that only coils feed
// (nothing takes power from it), or that reaches the right edge of the edit
// zone, goes to the right power rail.

#include "exchange/plcopen/LadderModel.h"
#include "exchange/plcopen/LdMapping.h"

#include <cstddef>
#include <vector>

namespace ldr::plcopen {

struct GridPoint {
  long X = 0;
  long Y = 0;
  bool operator==(const GridPoint&) const = default;
};

// Where power comes from at a node: the left rail (at a row) or an element's
// outlet, with the wire's way there: its corners and junctions from the
// consumer's pin to the producer's (empty when no line piece leads there).
struct PowerSource {
  bool IsLeftRail = false;
  long RailRow = 0;
  std::size_t Element = 0;
  std::vector<GridPoint> Path;
};

class RungConnections {
public:
  static constexpr long kEditWidth = 52;

  // `mappings[i]` is the construct of `elements[i]`.
  RungConnections(const std::vector<LadderElement>& elements, const std::vector<LdMapping>& mappings);

  // The sources feeding an element's inlet (empty: unconnected).
  const std::vector<PowerSource>& InputSources(std::size_t element) const { return mInputSources[element]; }
  GridPoint Inlet(std::size_t element) const;
  GridPoint Outlet(std::size_t element) const { return mOutlets[element]; }
  // One entry per node that ends on the right rail, with the sources feeding
  // it (paths from the rail's row `RightRailRows()[i]` at the right edge).
  const std::vector<std::vector<PowerSource>>& RightRailInputs() const { return mRightRailInputs; }
  const std::vector<long>& RightRailRows() const { return mRightRailRows; }
  // The rows at which some connection leaves the left rail, ascending.
  std::vector<long> LeftRailRows() const;

  // Elements whose inlet gets no power, elements connected on neither side,
  // and the start points of line pieces that lead nowhere on one side.
  const std::vector<std::size_t>& UnconnectedInputs() const { return mUnconnectedInputs; }
  const std::vector<std::size_t>& FloatingElements() const { return mFloatingElements; }
  const std::vector<GridPoint>& LooseWires() const { return mLooseWires; }

private:
  struct Segment {
    GridPoint From;
    GridPoint To; // To is right of or below From
  };
  struct Pin {
    std::size_t Element;
    bool IsOutlet;
    GridPoint Point;
  };

  static bool HasOutlet(LdConstruct construct);
  static bool OnSegment(const GridPoint& point, const Segment& segment);
  GridPoint FindOutlet(std::size_t element) const;
  void CollectItems();
  void JoinItems();
  void ResolveNodes();
  std::vector<PowerSource> SourcesAt(const GridPoint& consumer, bool leftRail, const std::vector<std::size_t>& outlets);
  // The way along line pieces from `from` to `to` (or, with `toLeftRail`, to
  // the nearest point on the left rail), both ends included; empty when
  // there is none.
  std::vector<GridPoint> Route(const GridPoint& from, const GridPoint& to, bool toLeftRail) const;
  void BuildWireGraph();
  std::size_t Root(std::size_t item);
  void Join(std::size_t a, std::size_t b);

  const std::vector<LadderElement>& mElements;
  const std::vector<LdMapping>& mMappings;
  std::vector<Segment> mSegments;
  std::vector<Pin> mPins;
  std::vector<std::size_t> mParent; // union-find over segments, then pins
  std::vector<GridPoint> mOutlets;
  std::vector<std::vector<PowerSource>> mInputSources;
  std::vector<std::vector<PowerSource>> mRightRailInputs;
  std::vector<long> mRightRailRows;
  std::vector<GridPoint> mVertices;             // ends, junctions and pins on line pieces
  std::vector<std::vector<std::size_t>> mLinks; // neighbours along a line piece
  std::vector<std::size_t> mUnconnectedInputs;
  std::vector<std::size_t> mFloatingElements;
  std::vector<GridPoint> mLooseWires;
};

} // namespace ldr::plcopen
