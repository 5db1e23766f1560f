#pragma once
// A scroll bar held in memory. Beside the interface it offers the user's
// actions: dragging the thumb (Scroll events) and a change made by the user
// (Change even when the value stays).

#include "platform/boards/BoardScrollBar.h"
#include "platform/boards/ListenerList.h"

#include <functional>

namespace ldr {

class MemoryScrollBar : public BoardScrollBar {
public:
  // focusRequest moves the focus to the bar's name; without one the bar
  // keeps its own focus flag.
  explicit MemoryScrollBar(std::string name, std::function<bool(const std::string&)> focusRequest = {},
                           std::function<bool(const std::string&)> focusQuery = {});

  const std::string& Name() const override { return mName; }
  int Min() const override { return mMin; }
  int Max() const override { return mMax; }
  void SetMin(int min) override { SetRange(min, mMax); }
  void SetMax(int max) override { SetRange(mMin, max); }
  void SetRange(int min, int max) override;
  int Value() const override { return mValue; }
  void SetValue(int value) override;
  int SmallChange() const override { return mSmallChange; }
  void SetSmallChange(int step) override { mSmallChange = step; }
  int LargeChange() const override { return mLargeChange; }
  void SetLargeChange(int step) override { mLargeChange = step; }

  bool Enabled() const override { return mEnabled; }
  void SetEnabled(bool enabled) override { mEnabled = enabled; }
  bool Visible() const override { return mVisible; }
  void SetVisible(bool visible) override { mVisible = visible; }
  bool HasFocus() const override;
  bool SetFocus() override;

  void SendKey(int keyCode, int shift) override;

  void AddListener(ScrollBarEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(ScrollBarEvents* listener) override { mListeners.Remove(listener); }

  // The user drags the thumb to value: Scroll with the new value.
  void UserScroll(int value);
  // The user ends a move at value: Change whether or not the value moved.
  void UserChange(int value);

private:
  int Clamped(int value) const;
  void RaiseChange();

  std::string mName;
  std::function<bool(const std::string&)> mFocusRequest;
  std::function<bool(const std::string&)> mFocusQuery;
  int mMin = 0;
  int mMax = 32767;
  int mValue = 0;
  int mSmallChange = 1;
  int mLargeChange = 1;
  bool mEnabled = true;
  bool mVisible = true;
  bool mOwnFocus = false;
  ListenerList<ScrollBarEvents> mListeners;
};

} // namespace ldr
