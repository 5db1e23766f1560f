#pragma once
// A text box held in memory. Typing is SetText; a key pressed in the box is
// KeyDown.

#include "platform/boards/BoardTextBox.h"
#include "platform/boards/ListenerList.h"

#include <functional>

namespace ldr {

class MemoryTextBox : public BoardTextBox {
public:
  // focusRequest moves the focus to the box's name, focusQuery tells who has
  // it and focusLost hands it back when the box is hidden; without them the
  // box keeps its own focus flag.
  explicit MemoryTextBox(std::string name, std::function<bool(const std::string&)> focusRequest = {},
                         std::function<bool(const std::string&)> focusQuery = {},
                         std::function<void(const std::string&)> focusLost = {});

  const std::string& Name() const override { return mName; }
  const std::string& Text() const override { return mText; }
  void SetText(const std::string& text) override;
  const std::string& Tag() const override { return mTag; }
  void SetTag(const std::string& tag) override { mTag = tag; }

  bool Visible() const override { return mVisible; }
  void SetVisible(bool visible) override;
  bool Enabled() const override { return mEnabled; }
  void SetEnabled(bool enabled) override { mEnabled = enabled; }

  int Left() const override { return mLeft; }
  int Top() const override { return mTop; }
  int Width() const override { return mWidth; }
  int Height() const override { return mHeight; }
  void Move(int left, int top, int width, int height) override;

  bool HasFocus() const override;
  bool SetFocus() override;
  bool Validate() override;

  void AddListener(TextBoxEvents* listener) override { mListeners.Add(listener); }
  void RemoveListener(TextBoxEvents* listener) override { mListeners.Remove(listener); }

  void KeyDown(int keyCode, int shift);

private:
  std::string mName;
  std::function<bool(const std::string&)> mFocusRequest;
  std::function<bool(const std::string&)> mFocusQuery;
  std::function<void(const std::string&)> mFocusLost;
  std::string mText;
  std::string mTag;
  bool mVisible = false;
  bool mEnabled = true;
  bool mOwnFocus = false;
  int mLeft = 0;
  int mTop = 0;
  int mWidth = 0;
  int mHeight = 0;
  ListenerList<TextBoxEvents> mListeners;
};

} // namespace ldr
