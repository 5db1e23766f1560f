#pragma once
// An ordered collection of shared objects under text keys (an ID or a slot
// number written in decimal). Iteration follows insertion order; lookups by
// key are hashed. Strips, elements and operand slots are all held in one.

#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ldr {

template <typename T> class KeyedCollection {
public:
  using Item = std::shared_ptr<T>;
  using Entry = std::pair<std::string, Item>;

  // Adds under `key`; a key already present is an error, as in any keyed
  // collection the editor uses.
  void Add(const std::string& key, Item item) {
    if (mIndex.count(key)) throw std::invalid_argument("key already in collection: " + key);
    mIndex.emplace(key, mEntries.size());
    mEntries.emplace_back(key, std::move(item));
  }
  void Add(long key, Item item) { Add(std::to_string(key), std::move(item)); }

  bool Remove(const std::string& key) {
    auto found = mIndex.find(key);
    if (found == mIndex.end()) return false;
    mEntries.erase(mEntries.begin() + static_cast<std::ptrdiff_t>(found->second));
    Reindex();
    return true;
  }
  bool Remove(long key) { return Remove(std::to_string(key)); }

  // The item under `key`, or an empty pointer.
  Item Find(const std::string& key) const {
    auto found = mIndex.find(key);
    return found == mIndex.end() ? Item() : mEntries[found->second].second;
  }
  Item Find(long key) const { return Find(std::to_string(key)); }
  bool Exists(const std::string& key) const { return mIndex.count(key) > 0; }
  bool Exists(long key) const { return Exists(std::to_string(key)); }

  // 1-based position of `key` in insertion order, 0 when absent.
  std::size_t PositionOf(const std::string& key) const {
    auto found = mIndex.find(key);
    return found == mIndex.end() ? 0 : found->second + 1;
  }
  // The item at 0-based `index` in insertion order.
  const Item& At(std::size_t index) const { return mEntries.at(index).second; }
  const std::string& KeyAt(std::size_t index) const { return mEntries.at(index).first; }

  std::size_t Count() const { return mEntries.size(); }
  bool Empty() const { return mEntries.empty(); }
  void Clear() {
    mEntries.clear();
    mIndex.clear();
  }

  auto begin() const { return mEntries.begin(); }
  auto end() const { return mEntries.end(); }

private:
  void Reindex() {
    mIndex.clear();
    for (std::size_t i = 0; i < mEntries.size(); ++i) mIndex.emplace(mEntries[i].first, i);
  }

  std::vector<Entry> mEntries;
  std::unordered_map<std::string, std::size_t> mIndex;
};

} // namespace ldr
