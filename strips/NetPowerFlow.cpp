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

  // Pieces waiting for power, by their two ends; closed gates (contacts and
  // coils whose condition holds) by their inlet alone, as power never runs
  // back through them. What the rail feeds passes power on; nothing is lit
  // until power reaches it.
  PointIndex byInlet, byOutlet, gatesByInlet;
  std::vector<std::size_t> spreading;
  auto power = [&](std::size_t i) {
    nodes[i].Conducting = true;
    nodes[i].Element->SetIsConducting(true);
    spreading.push_back(i);
  };
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    FlowNode& node = nodes[i];
    const bool canConduct = node.PassThrough || node.Conducting;
    node.Conducting = false;
    node.Element->SetIsConducting(false);
    if (!canConduct) continue;
    if (node.Inlet.X == 0) {
      power(i);
    } else if (node.PassThrough) {
      byInlet.emplace(PointKey(node.Inlet), i);
      byOutlet.emplace(PointKey(node.Outlet), i);
    } else {
      gatesByInlet.emplace(PointKey(node.Inlet), i);
    }
  }

  auto reach = [&](const PointIndex& index, const tyLdrPoint& point) {
    const auto [first, last] = index.equal_range(PointKey(point));
    for (auto it = first; it != last; ++it)
      if (!nodes[it->second].Conducting) power(it->second);
  };
  for (std::size_t next = 0; next < spreading.size(); ++next) {
    const FlowNode source = nodes[spreading[next]];
    reach(byInlet, source.Outlet);      // end to end
    reach(byOutlet, source.Outlet);     // outlets meet
    reach(byInlet, source.Inlet);       // inlets meet
    reach(gatesByInlet, source.Outlet); // a gate behind the source
    reach(gatesByInlet, source.Inlet);  // a gate beside the source
  }
  return static_cast<int>(spreading.size());
}

} // namespace ldr
