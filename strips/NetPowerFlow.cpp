#include "strips/NetPowerFlow.h"

#include "interfaces/itfLdrElement.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace ldr {

namespace {

struct FlowNode {
  itfLdrElement* Element;
  tyLdrPoint Inlet;
  tyLdrPoint Outlet;
  bool PassThrough;
  bool Conducting;
};

std::int64_t PointKey(const tyLdrPoint& point) {
  return (static_cast<std::int64_t>(point.X) << 32) | static_cast<std::uint32_t>(point.Y);
}

using PointIndex = std::unordered_multimap<std::int64_t, std::size_t>;

} // namespace

int NetPowerFlow::Propagate(const ElementCollection& elements) {
  std::vector<FlowNode> nodes;
  nodes.reserve(elements.Count());
  for (const auto& [key, element] : elements)
    nodes.push_back(
        {element.get(), element->Inlet(), element->Outlet(), element->IsEnableInEnableOut(), element->IsConducting()});

  // Pass-through pieces waiting for power, by their two ends; every
  // conducting element (a piece on the rail among them) passes power on.
  PointIndex byInlet, byOutlet;
  std::vector<std::size_t> spreading;
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    FlowNode& node = nodes[i];
    if (node.PassThrough && !node.Conducting && node.Inlet.X == 0) {
      node.Conducting = true;
      node.Element->SetIsConducting(true);
    }
    if (node.Conducting) {
      spreading.push_back(i);
    } else if (node.PassThrough) {
      byInlet.emplace(PointKey(node.Inlet), i);
      byOutlet.emplace(PointKey(node.Outlet), i);
    }
  }

  auto reach = [&](const PointIndex& index, const tyLdrPoint& point) {
    const auto [first, last] = index.equal_range(PointKey(point));
    for (auto it = first; it != last; ++it) {
      FlowNode& node = nodes[it->second];
      if (node.Conducting) continue;
      node.Conducting = true;
      node.Element->SetIsConducting(true);
      spreading.push_back(it->second);
    }
  };
  for (std::size_t next = 0; next < spreading.size(); ++next) {
    const FlowNode source = nodes[spreading[next]];
    reach(byInlet, source.Outlet);  // end to end
    reach(byOutlet, source.Outlet); // outlets meet
    reach(byInlet, source.Inlet);   // inlets meet
  }
  return static_cast<int>(spreading.size());
}

} // namespace ldr
