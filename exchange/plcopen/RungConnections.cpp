#include "exchange/plcopen/RungConnections.h"

#include <algorithm>
#include <limits>
#include <map>

namespace ldr::plcopen {

namespace {

// What is known about one node after the items are joined.
struct NodeInfo {
  bool LeftRail = false;
  long RailRow = std::numeric_limits<long>::max();
  bool RightEdge = false;
  bool CoilFeeds = false;
  std::vector<std::size_t> Outlets; // elements
  std::size_t Inlets = 0;
  bool HasSegment = false;
  GridPoint FirstSegment;
  bool HasRightPoint = false;
  GridPoint RightPoint; // where a line piece reaches the right edge

  bool HasSources() const { return LeftRail || !Outlets.empty(); }
  bool GoesToRightRail() const { return RightEdge || (Inlets == 0 && CoilFeeds); }
};

} // namespace

RungConnections::RungConnections(const std::vector<LadderElement>& elements, const std::vector<LdMapping>& mappings)
    : mElements(elements), mMappings(mappings), mOutlets(elements.size()), mInputSources(elements.size()) {
  CollectItems();
  JoinItems();
  BuildWireGraph();
  ResolveNodes();
}

GridPoint RungConnections::Inlet(std::size_t element) const { return {mElements[element].Xs, mElements[element].Ys}; }

std::vector<long> RungConnections::LeftRailRows() const {
  std::vector<long> rows;
  auto add = [&rows](const std::vector<PowerSource>& sources) {
    for (const auto& source : sources)
      if (source.IsLeftRail) rows.push_back(source.RailRow);
  };
  for (const auto& sources : mInputSources) add(sources);
  for (const auto& sources : mRightRailInputs) add(sources);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

bool RungConnections::HasOutlet(LdConstruct construct) {
  return construct != LdConstruct::Jump && construct != LdConstruct::Return && construct != LdConstruct::Wire &&
         construct != LdConstruct::Omitted;
}

bool RungConnections::OnSegment(const GridPoint& point, const Segment& segment) {
  return point.X >= segment.From.X && point.X <= segment.To.X && point.Y >= segment.From.Y && point.Y <= segment.To.Y;
}

// A box whose width the table does not fix ends where the next line piece or
// element on its row begins.
GridPoint RungConnections::FindOutlet(std::size_t element) const {
  const auto& box = mElements[element];
  if (mMappings[element].Width > 0) return {box.Xs + mMappings[element].Width, box.Ys};
  long best = std::numeric_limits<long>::max();
  for (const auto& segment : mSegments)
    if (segment.From.Y <= box.Ys && segment.To.Y >= box.Ys && segment.To.X > box.Xs)
      best = std::min(best, std::max(segment.From.X, box.Xs + 1));
  for (std::size_t other = 0; other < mElements.size(); ++other)
    if (other != element && mMappings[other].Construct != LdConstruct::Wire && mElements[other].Ys == box.Ys &&
        mElements[other].Xs > box.Xs)
      best = std::min(best, mElements[other].Xs);
  return {best == std::numeric_limits<long>::max() ? box.Xs + 13 : best, box.Ys};
}

void RungConnections::CollectItems() {
  for (std::size_t i = 0; i < mElements.size(); ++i) {
    const auto& element = mElements[i];
    if (mMappings[i].Construct != LdConstruct::Wire || (element.Dx == 0 && element.Dy == 0)) continue;
    // Stored lines run right or down; a negative extent is turned round all the same.
    const GridPoint a{element.Xs, element.Ys};
    const GridPoint b{element.Xs + element.Dx, element.Ys + element.Dy};
    mSegments.push_back({{std::min(a.X, b.X), std::min(a.Y, b.Y)}, {std::max(a.X, b.X), std::max(a.Y, b.Y)}});
  }
  for (std::size_t i = 0; i < mElements.size(); ++i) {
    const auto construct = mMappings[i].Construct;
    if (construct == LdConstruct::Wire || construct == LdConstruct::Omitted) continue;
    mPins.push_back({i, false, Inlet(i)});
    if (!HasOutlet(construct)) continue;
    mOutlets[i] = FindOutlet(i);
    mPins.push_back({i, true, mOutlets[i]});
  }
  mParent.resize(mSegments.size() + mPins.size());
  for (std::size_t i = 0; i < mParent.size(); ++i) mParent[i] = i;
}

void RungConnections::JoinItems() {
  const std::size_t pinBase = mSegments.size();
  for (std::size_t a = 0; a < mSegments.size(); ++a)
    for (std::size_t b = a + 1; b < mSegments.size(); ++b) {
      const auto& sa = mSegments[a];
      const auto& sb = mSegments[b];
      if (OnSegment(sa.From, sb) || OnSegment(sa.To, sb) || OnSegment(sb.From, sa) || OnSegment(sb.To, sa)) Join(a, b);
    }
  for (std::size_t p = 0; p < mPins.size(); ++p) {
    for (std::size_t s = 0; s < mSegments.size(); ++s)
      if (OnSegment(mPins[p].Point, mSegments[s])) Join(pinBase + p, s);
    for (std::size_t q = p + 1; q < mPins.size(); ++q)
      if (mPins[p].Point == mPins[q].Point) Join(pinBase + p, pinBase + q);
  }
}

void RungConnections::ResolveNodes() {
  const std::size_t pinBase = mSegments.size();
  std::map<std::size_t, NodeInfo> nodes;
  for (std::size_t s = 0; s < mSegments.size(); ++s) {
    auto& node = nodes[Root(s)];
    const auto& segment = mSegments[s];
    if (!node.HasSegment) node.FirstSegment = segment.From;
    node.HasSegment = true;
    if (segment.From.X <= 0) {
      node.LeftRail = true;
      node.RailRow = std::min(node.RailRow, segment.From.Y);
    }
    if (segment.To.X >= kEditWidth && !node.HasRightPoint) {
      node.RightEdge = node.HasRightPoint = true;
      node.RightPoint = segment.To;
    }
  }
  for (std::size_t p = 0; p < mPins.size(); ++p) {
    auto& node = nodes[Root(pinBase + p)];
    const auto& pin = mPins[p];
    if (pin.IsOutlet) {
      node.Outlets.push_back(pin.Element);
      node.CoilFeeds = node.CoilFeeds || mMappings[pin.Element].Construct == LdConstruct::Coil;
      node.RightEdge = node.RightEdge || pin.Point.X >= kEditWidth;
    } else {
      ++node.Inlets;
      if (pin.Point.X <= 0) {
        node.LeftRail = true;
        node.RailRow = std::min(node.RailRow, pin.Point.Y);
      }
    }
  }
  for (auto& [root, node] : nodes) {
    if (node.GoesToRightRail() && node.HasSources()) {
      const GridPoint at = node.HasRightPoint     ? node.RightPoint
                           : node.Outlets.empty() ? GridPoint{kEditWidth, node.RailRow}
                                                  : GridPoint{kEditWidth, mOutlets[node.Outlets.front()].Y};
      auto sources = SourcesAt(at, node.LeftRail, node.Outlets);
      for (auto& source : sources)
        if (source.Path.empty() && !source.IsLeftRail) source.Path = {at, mOutlets[source.Element]};
      mRightRailInputs.push_back(std::move(sources));
      mRightRailRows.push_back(at.Y);
    }
    if (node.HasSegment && (!node.HasSources() || (node.Inlets == 0 && !node.GoesToRightRail())))
      mLooseWires.push_back(node.FirstSegment);
  }
  for (std::size_t p = 0; p < mPins.size(); ++p) {
    if (mPins[p].IsOutlet) continue;
    const std::size_t element = mPins[p].Element;
    const auto& node = nodes[Root(pinBase + p)];
    mInputSources[element] = SourcesAt(mPins[p].Point, node.LeftRail, node.Outlets);
    for (auto& source : mInputSources[element])
      if (source.IsLeftRail && source.Path.empty()) source.RailRow = node.RailRow;
    if (!mInputSources[element].empty()) continue;
    mUnconnectedInputs.push_back(element);
    bool feedsSomething = false;
    for (std::size_t q = 0; q < mPins.size(); ++q)
      if (mPins[q].IsOutlet && mPins[q].Element == element) {
        const auto& out = nodes[Root(pinBase + q)];
        feedsSomething = out.Inlets > 0 || out.GoesToRightRail();
      }
    if (!feedsSomething) mFloatingElements.push_back(element);
  }
}

std::vector<PowerSource> RungConnections::SourcesAt(const GridPoint& consumer, bool leftRail,
                                                    const std::vector<std::size_t>& outlets) {
  std::vector<PowerSource> sources;
  if (leftRail) {
    PowerSource rail{true, consumer.Y, 0, Route(consumer, consumer, true)};
    if (!rail.Path.empty()) rail.RailRow = rail.Path.back().Y;
    sources.push_back(std::move(rail));
  }
  for (std::size_t element : outlets) sources.push_back({false, 0, element, Route(consumer, mOutlets[element], false)});
  return sources;
}

void RungConnections::BuildWireGraph() {
  auto add = [this](const GridPoint& point) {
    if (std::find(mVertices.begin(), mVertices.end(), point) == mVertices.end()) mVertices.push_back(point);
  };
  for (const auto& segment : mSegments) {
    add(segment.From);
    add(segment.To);
  }
  for (const auto& pin : mPins)
    for (const auto& segment : mSegments)
      if (OnSegment(pin.Point, segment)) add(pin.Point);
  mLinks.assign(mVertices.size(), {});
  for (const auto& segment : mSegments) {
    std::vector<std::size_t> on;
    for (std::size_t v = 0; v < mVertices.size(); ++v)
      if (OnSegment(mVertices[v], segment)) on.push_back(v);
    std::sort(on.begin(), on.end(), [this](std::size_t a, std::size_t b) {
      return mVertices[a].X + mVertices[a].Y < mVertices[b].X + mVertices[b].Y;
    });
    for (std::size_t i = 1; i < on.size(); ++i) {
      mLinks[on[i - 1]].push_back(on[i]);
      mLinks[on[i]].push_back(on[i - 1]);
    }
  }
}

std::vector<GridPoint> RungConnections::Route(const GridPoint& from, const GridPoint& to, bool toLeftRail) const {
  if (toLeftRail ? from.X <= 0 : from == to) return {from};
  const auto start = std::find(mVertices.begin(), mVertices.end(), from);
  if (start == mVertices.end()) return {};
  std::vector<std::size_t> previous(mVertices.size(), mVertices.size());
  std::vector<std::size_t> queue = {static_cast<std::size_t>(start - mVertices.begin())};
  previous[queue.front()] = queue.front();
  for (std::size_t next = 0; next < queue.size(); ++next) {
    const std::size_t v = queue[next];
    if (toLeftRail ? mVertices[v].X <= 0 : mVertices[v] == to) {
      std::vector<GridPoint> path;
      for (std::size_t at = v;; at = previous[at]) {
        // Points in the middle of a straight run are left out; corners and junctions stay.
        if (path.size() >= 2) {
          const auto& a = path[path.size() - 2];
          const auto& b = path.back();
          const auto& c = mVertices[at];
          if ((a.X == b.X && b.X == c.X) || (a.Y == b.Y && b.Y == c.Y)) path.pop_back();
        }
        path.push_back(mVertices[at]);
        if (previous[at] == at) break;
      }
      std::reverse(path.begin(), path.end()); // from the consumer to the producer
      return path;
    }
    for (std::size_t w : mLinks[v])
      if (previous[w] == mVertices.size()) {
        previous[w] = v;
        queue.push_back(w);
      }
  }
  return {};
}

std::size_t RungConnections::Root(std::size_t item) {
  while (mParent[item] != item) item = mParent[item] = mParent[mParent[item]];
  return item;
}

void RungConnections::Join(std::size_t a, std::size_t b) {
  a = Root(a);
  b = Root(b);
  if (a != b) mParent[std::max(a, b)] = std::min(a, b);
}

} // namespace ldr::plcopen
