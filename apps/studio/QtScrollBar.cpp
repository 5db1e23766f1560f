#include "apps/studio/QtScrollBar.h"

#include "core/KeyCodes.h"

#include <algorithm>

namespace ldr::studio {

QtScrollBar::QtScrollBar(std::string name, QScrollBar* bar, std::shared_ptr<EventBoundary> boundary,
                         std::function<bool(const std::string&)> focusRequest,
                         std::function<bool(const std::string&)> focusQuery)
    : mName(std::move(name)), mBar(bar), mBoundary(std::move(boundary)), mFocusRequest(std::move(focusRequest)),
      mFocusQuery(std::move(focusQuery)) {
  // The value follows the thumb only when a drag ends; during the drag the
  // bar reports Scroll.
  mBar->setTracking(false);
  mBar->setFocusPolicy(Qt::ClickFocus);
  mBar->setRange(mMin, mMax);
  connect(mBar, &QScrollBar::valueChanged, this, [this](int value) { OnValueChanged(value); });
  connect(mBar, &QScrollBar::sliderMoved, this, [this](int position) { OnSliderMoved(position); });
  connect(mBar, &QScrollBar::sliderReleased, this, [this] { OnSliderReleased(); });
}

void QtScrollBar::RaiseChange(int value) {
  auto notify = [&] { mListeners.Notify([&](ScrollBarEvents& l) { l.OnChange(*this, value); }); };
  if (mBoundary)
    mBoundary->Run("Scroll", notify);
  else
    notify();
}

void QtScrollBar::RaiseScroll(int value) {
  auto notify = [&] { mListeners.Notify([&](ScrollBarEvents& l) { l.OnScroll(*this, value); }); };
  if (mBoundary)
    mBoundary->Run("Scroll", notify);
  else
    notify();
}

void QtScrollBar::OnValueChanged(int value) { RaiseChange(value); }

void QtScrollBar::OnSliderMoved(int position) { RaiseScroll(position); }

void QtScrollBar::OnSliderReleased() {
  // A drag that ends where it started moves no value, so Qt says nothing;
  // the drag still ends with a Change.
  if (mBar && mBar->sliderPosition() == mBar->value()) RaiseChange(mBar->value());
}

void QtScrollBar::SetRange(int min, int max) {
  mMin = min;
  mMax = max;
  // Qt clamps the value into the new range and raises valueChanged if it
  // moved, as the interface asks.
  if (mBar) mBar->setRange(std::min(min, max), std::max(min, max));
}

int QtScrollBar::Value() const { return mBar ? mBar->value() : mMin; }

void QtScrollBar::SetValue(int value) {
  if (mBar) mBar->setValue(value);
}

int QtScrollBar::SmallChange() const { return mBar ? mBar->singleStep() : 1; }
void QtScrollBar::SetSmallChange(int step) {
  if (mBar) mBar->setSingleStep(step);
}
int QtScrollBar::LargeChange() const { return mBar ? mBar->pageStep() : 1; }
void QtScrollBar::SetLargeChange(int step) {
  if (mBar) mBar->setPageStep(step);
}

bool QtScrollBar::Enabled() const { return mBar && mBar->isEnabled(); }
void QtScrollBar::SetEnabled(bool enabled) {
  if (mBar) mBar->setEnabled(enabled);
}

void QtScrollBar::SetVisible(bool visible) {
  mVisible = visible;
  if (mBar) mBar->setVisible(visible);
}

bool QtScrollBar::HasFocus() const { return mFocusQuery && mFocusQuery(mName); }

bool QtScrollBar::SetFocus() {
  if (!mVisible || !Enabled()) return false;
  return mFocusRequest && mFocusRequest(mName);
}

void QtScrollBar::SendKey(int keyCode, int) {
  if (!Enabled()) return;
  const int step = mMax >= mMin ? 1 : -1; // backwards bars move the other way
  const int value = Value();
  switch (keyCode) {
  case eKey_Up:
  case eKey_Left:
    SetValue(value - step * SmallChange());
    break;
  case eKey_Down:
  case eKey_Right:
    SetValue(value + step * SmallChange());
    break;
  case eKey_PageUp:
    SetValue(value - step * LargeChange());
    break;
  case eKey_PageDown:
    SetValue(value + step * LargeChange());
    break;
  case eKey_Home:
    SetValue(mMin);
    break;
  case eKey_End:
    SetValue(mMax);
    break;
  default:
    break;
  }
}

} // namespace ldr::studio
