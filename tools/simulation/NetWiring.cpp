#include "tools/simulation/NetWiring.h"

#include <algorithm>
#include <numeric>

namespace ldr::sim {

namespace {

class PointUnion {
public:
  int NodeOf(const SimPoint& point) {
    if (point.X == 0) return 0;
    const auto found = mNodes.find({point.X, point.Y});
    if (found != mNodes.end()) return found->second;
    const int node = static_cast<int>(mParent.size());
    mParent.push_back(node);
    mNodes.emplace(std::pair{point.X, point.Y}, node);
    return node;
  }
  int Root(int node) {
    while (mParent[node] != node) node = mParent[node] = mParent[mParent[node]];
    return node;
  }
  void Join(int a, int b) {
    a = Root(a);
    b = Root(b);
    if (a == b) return;
    // The rail (node 0) stays the root of its wire.
    if (b < a) std::swap(a, b);
    mParent[b] = a;
  }
  int NodeCount() const { return static_cast<int>(mParent.size()); }

private:
  std::map<std::pair<long, long>, int> mNodes;
  std::vector<int> mParent{0};
};

} // namespace

void NetWiring::Wire(SimNet& net) {
  PointUnion points;
  for (const auto& element : net.Elements)
    if (element.Kind == SimKind::Line && !(element.Inlet == element.Outlet))
      points.Join(points.NodeOf(element.Inlet), points.NodeOf(element.Outlet));
  std::erase_if(net.Elements, [](const SimElement& e) { return e.Kind == SimKind::Line; });
  for (auto& element : net.Elements) {
    element.InletWire = points.NodeOf(element.Inlet);
    element.OutletWire = points.NodeOf(element.Outlet);
  }
  // Wire numbers: the root of each node, renumbered densely with the rail first.
  std::vector<int> number(points.NodeCount(), -1);
  number[0] = 0;
  int next = 1;
  auto wireOf = [&](int node) {
    const int root = points.Root(node);
    if (number[root] < 0) number[root] = next++;
    return number[root];
  };
  for (auto& element : net.Elements) {
    element.InletWire = wireOf(element.InletWire);
    element.OutletWire = wireOf(element.OutletWire);
  }
  net.WireCount = next;
  std::stable_sort(net.Elements.begin(), net.Elements.end(), [](const SimElement& a, const SimElement& b) {
    return a.Inlet.X != b.Inlet.X ? a.Inlet.X < b.Inlet.X : a.Inlet.Y < b.Inlet.Y;
  });
}

} // namespace ldr::sim
