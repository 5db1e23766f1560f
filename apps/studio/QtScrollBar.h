#pragma once
// A main-board scroll bar ("vscrl", "hscrl") over a real QScrollBar. A value
// set by code, a key, a click on the track or the end of a thumb drag raises
// Change; dragging the thumb raises Scroll with the position under the thumb
// (the value itself moves when the drag ends). Min may exceed Max (a bar that
// runs backwards); the value always lies between the two.

#include "apps/studio/EventBoundary.h"
#include "platform/boards/BoardScrollBar.h"
#include "platform/boards/ListenerList.h"

#include <QObject>
#include <QPointer>
#include <QScrollBar>

#include <functional>
#include <memory>

namespace ldr::studio {

class QtScrollBar : public QObject, public BoardScrollBar {
public:
  // focusRequest moves the main board's focus to the bar's name; focusQuery
  // tells whether the bar has it.
  QtScrollBar(std::string name, QScrollBar* bar, std::shared_ptr<EventBoundary> boundary,
              std::function<bool(const std::string&)> focusRequest, std::function<bool(const std::string&)> focusQuery);

  const std::string& Name() const override { return mName; }
  int Min() const override { return mMin; }
  int Max() const override { return mMax; }
  void SetMin(int min) override { SetRange(min, mMax); }
  void SetMax(int max) override { SetRange(mMin, max); }
  void SetRange(int min, int max) override;
  int Value() const override;
  void SetValue(int value) override;
  int SmallChange() const override;
  void SetSmallChange(int step) override;
  int LargeChange() const override;
  void SetLargeChange(int step) override;

  bool Enabled() const override;
  void SetEnabled(bool enabled) override;
  bool Visible() const override { return mVisible; }
  void SetVisible(bool visible) override;
  bool HasFocus() const override;
  bool SetFocus() override;

  void SendKey(int keyCode, int shift) override;

  void AddListener(ScrollBarEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(ScrollBarEvents* listener) override { mListeners.Remove(listener); }

  QScrollBar* Widget() const { return mBar; }

private:
  void OnValueChanged(int value);
  void OnSliderMoved(int position);
  void OnSliderReleased();
  void RaiseChange(int value);
  void RaiseScroll(int value);

  std::string mName;
  QPointer<QScrollBar> mBar;
  std::shared_ptr<EventBoundary> mBoundary;
  std::function<bool(const std::string&)> mFocusRequest;
  std::function<bool(const std::string&)> mFocusQuery;
  int mMin = 0;
  int mMax = 32767;
  bool mVisible = true;
  ListenerList<ScrollBarEvents> mListeners;
};

} // namespace ldr::studio
