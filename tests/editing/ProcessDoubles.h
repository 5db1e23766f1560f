#pragma once
// Doubles for the process tests: a process control that records what a
// process tells it, and a strip that is neither net nor anything else (a
// comment or label as the processes see it).

#include "core/PropertyBag.h"
#include "core/ViewRefresh.h"
#include "interfaces/itfDrawer.h"
#include "interfaces/itfProcessControl.h"
#include "interfaces/itfStrip.h"

#include <gmock/gmock.h>

namespace ldr::test {

class MockProcessControl : public itfProcessControl {
public:
  MOCK_METHOD(long, HorizontalOffset, (), (override));
  MOCK_METHOD(void, SetDoAgain, (bool), (override));
  MOCK_METHOD(void, SetKillProcess, (enMouseProcess), (override));
  MOCK_METHOD(void, SetNewProcess, (enMouseProcess), (override));
  MOCK_METHOD(void, SetWorkMode, (long), (override));
  MOCK_METHOD(void, Relocate, (), (override));
  MOCK_METHOD(void, ReLoad, (), (override));
};

// The view as the edit commit reaches it: a redraw is the drawer's, as in
// the function view; reloads are counted.
class DrawerView : public ViewRefresh {
public:
  explicit DrawerView(itfDrawer& drawer) : mDrawer(drawer) {}
  void RedrawAll() override { mDrawer.RedrawAll(); }
  void ReLoad() override { ++Reloads; }
  int Reloads = 0;

private:
  itfDrawer& mDrawer;
};

// A strip of some other kind: it only has a place and hit data.
class PlainStrip : public itfStrip {
public:
  PlainStrip(std::int32_t stripID, std::int32_t top, std::int32_t height)
      : mStripID(stripID), mTop(top), mHeight(height) {}

  PropertyBag GetPropertyBag() override { return {}; }
  void SetPropertyBag(const PropertyBag&) override {}
  std::int32_t Top() override { return mTop; }
  void SetTop(std::int32_t value) override { mTop = value; }
  std::int32_t EditZoneLeft() override { return 2; }
  std::int32_t Left() override { return 0; }
  void SetLeft(std::int32_t) override {}
  std::int32_t Height() override { return mHeight; }
  void SetHeight(std::int32_t value) override { mHeight = value; }
  std::int32_t MinHeight() override { return 2; }
  std::int32_t MaxHeight() override { return 20; }
  std::int32_t SeqNum() override { return mSeqNum; }
  void SetSeqNum(std::int32_t value) override { mSeqNum = value; }
  std::int32_t StripID() override { return mStripID; }
  bool IsSelected() override { return false; }
  void SetIsSelected(bool) override {}
  std::string StripNote() override { return {}; }
  void SetStripNote(const std::string&) override {}
  void SetWorkMode(std::int32_t) override {}
  void RefreshOperand(std::int32_t, std::int32_t, std::int32_t) override {}
  void Load(db::Recordset&) override {}
  void QueryProcess(itfProcessControl&) override {}
  void RightMouseUp() override {}
  void ToolRequest(const std::string&) override {}
  void SpecialToolRequest(const std::string&) override {}
  void DoubleClick(itfProcessControl&) override {}
  void Draw(gdi::DeviceContext&, gdi::DeviceContext&, GdiResources&) override {}
  void ClearHitTestResults() override { mHit.HitKind = 0; }
  void HitTestByPoint(HitRecord& hitData) override { mHit = hitData; }
  HitRecord GetHitParameters() override { return mHit; }
  Rect GetBoundingRect() override { return {0, mTop, 54, mTop + mHeight}; }
  Rect GetEditBoundingRect() override { return {2, mTop, 54, mTop + mHeight}; }
  std::shared_ptr<itfStrip> GetReplica() override { return nullptr; }
  void AddToDB(std::int32_t) override {}
  void DeleteFromDB() override {}
  void PrintStrip(gdi::DeviceContext&) override {}
  bool IsContainNonDeletableElements() override { return false; }

private:
  std::int32_t mStripID;
  std::int32_t mTop;
  std::int32_t mHeight;
  std::int32_t mSeqNum = 0;
  HitRecord mHit;
};

} // namespace ldr::test
