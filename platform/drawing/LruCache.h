#pragma once
// A map of bounded size that forgets the entry used longest ago. The text
// painter keeps its measurements and rendered text in these, so that a
// redraw of what was drawn before costs lookups instead of text layout.

#include <cstddef>
#include <functional>
#include <list>
#include <stdexcept>
#include <unordered_map>
#include <utility>

namespace ldr::gdi {

template <typename Key, typename Value, typename Hash = std::hash<Key>> class LruCache {
public:
  explicit LruCache(std::size_t capacity) : mCapacity(capacity) {
    if (capacity == 0) throw std::invalid_argument("LruCache: capacity must be at least one");
  }
  LruCache(const LruCache&) = delete;
  LruCache& operator=(const LruCache&) = delete;

  // The value kept for the key, made the most recently used; null if none.
  Value* Find(const Key& key) {
    auto found = mIndex.find(key);
    if (found == mIndex.end()) return nullptr;
    mEntries.splice(mEntries.begin(), mEntries, found->second);
    return &found->second->second;
  }

  // Keeps the value for the key (replacing an older one), forgetting the
  // least recently used entry when the cache is full.
  Value& Insert(const Key& key, Value value) {
    if (Value* existing = Find(key)) {
      *existing = std::move(value);
      return *existing;
    }
    if (mEntries.size() >= mCapacity) {
      mIndex.erase(mEntries.back().first);
      mEntries.pop_back();
    }
    mEntries.emplace_front(key, std::move(value));
    mIndex.emplace(mEntries.front().first, mEntries.begin());
    return mEntries.front().second;
  }

  std::size_t Size() const { return mEntries.size(); }
  std::size_t Capacity() const { return mCapacity; }
  void Clear() {
    mIndex.clear();
    mEntries.clear();
  }

private:
  using Entry = std::pair<Key, Value>;
  std::size_t mCapacity;
  std::list<Entry> mEntries; // most recently used first
  std::unordered_map<Key, typename std::list<Entry>::iterator, Hash> mIndex;
};

} // namespace ldr::gdi
