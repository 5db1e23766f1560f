#include "platform/drawing/ResourceLibrary.h"

#include "platform/drawing/ResourceArtwork.h"

#include <map>
#include <stdexcept>
#include <utility>

namespace ldr::gdi {
namespace {

using Key = std::pair<std::string, ResourceKind>;

const char* KindName(ResourceKind kind) {
  switch (kind) {
  case ResourceKind::eRK_Bitmap:
    return "bitmap";
  case ResourceKind::eRK_Icon:
    return "icon";
  case ResourceKind::eRK_Cursor:
    return "cursor";
  }
  return "resource";
}

// Drawn once on first use and never changed afterwards.
const std::map<Key, Picture>& Pictures() {
  static const std::map<Key, Picture> pictures = [] {
    std::map<Key, Picture> drawn;
    for (const ArtworkEntry& entry : ResourceArtwork::Entries())
      drawn.emplace(Key{entry.Name, entry.Kind}, ResourceArtwork::Draw(entry));
    return drawn;
  }();
  return pictures;
}

const Picture& Find(const std::string& name, ResourceKind kind) {
  auto found = Pictures().find(Key{name, kind});
  if (found == Pictures().end())
    throw std::out_of_range(std::string("No ") + KindName(kind) + " resource named \"" + name + "\"");
  return found->second;
}

} // namespace

Picture ResourceLibrary::Load(const std::string& name, ResourceKind kind) {
  const Picture& picture = Find(name, kind);
  return Picture(picture.Name(), picture.Kind(), picture.Image().Clone(), picture.HotSpot());
}

const Bitmap& ResourceLibrary::SharedBitmap(const std::string& name) {
  return Find(name, ResourceKind::eRK_Bitmap).Image();
}

Bitmap ResourceLibrary::LoadBitmap(const std::string& name) { return Load(name, ResourceKind::eRK_Bitmap).Image(); }

Picture ResourceLibrary::LoadCursor(const std::string& name) { return Load(name, ResourceKind::eRK_Cursor); }

Picture ResourceLibrary::LoadIcon(const std::string& name) { return Load(name, ResourceKind::eRK_Icon); }

bool ResourceLibrary::Contains(const std::string& name, ResourceKind kind) {
  return Pictures().count(Key{name, kind}) != 0;
}

std::vector<ResourceInfo> ResourceLibrary::Catalogue() {
  std::vector<ResourceInfo> all;
  for (const auto& [key, picture] : Pictures())
    all.push_back(ResourceInfo{key.first, key.second, picture.Width(), picture.Height()});
  return all;
}

} // namespace ldr::gdi
