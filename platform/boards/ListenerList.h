#pragma once
// The listeners registered with a board or control. A listener stays
// registered until it removes itself; it must do so before it is destroyed.
// Listeners added or removed while an event is being delivered are honoured:
// a removed listener gets no further calls.

#include <algorithm>
#include <vector>

namespace ldr {

template <typename Listener> class ListenerList {
public:
  void Add(Listener* listener) {
    if (listener && std::find(mListeners.begin(), mListeners.end(), listener) == mListeners.end())
      mListeners.push_back(listener);
  }
  void Remove(Listener* listener) {
    mListeners.erase(std::remove(mListeners.begin(), mListeners.end(), listener), mListeners.end());
  }
  bool Empty() const { return mListeners.empty(); }
  size_t Size() const { return mListeners.size(); }

  template <typename Call> void Notify(Call call) const {
    std::vector<Listener*> snapshot = mListeners;
    for (Listener* listener : snapshot)
      if (std::find(mListeners.begin(), mListeners.end(), listener) != mListeners.end()) call(*listener);
  }

private:
  std::vector<Listener*> mListeners;
};

} // namespace ldr
