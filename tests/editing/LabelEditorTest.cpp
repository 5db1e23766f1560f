// Renaming a label through the label-name service.

#include "EditingFixture.h"
#include "editing/srvLabelEditor.h"
#include "interfaces/itfLdrLabel.h"

#include <gtest/gtest.h>

namespace ldr::test {
namespace {

class RecordingLabelNames : public LabelNameService {
public:
  std::string ProposeLabelName(long) override { return {}; }
  bool EditLabelName(long stripID) override {
    Edited.push_back(stripID);
    return false;
  }
  std::vector<long> Edited;
};

class LabelStrip : public PlainStrip, public itfLdrLabel {
public:
  using PlainStrip::PlainStrip;
  std::string LabelName() override { return {}; }
  void SetLabelName(const std::string&) override {}
  std::string LabelComment() override { return {}; }
  void SetLabelComment(const std::string&) override {}
};

class LabelEditorTest : public EditingFixture {
protected:
  void SetUp() override {
    EditingFixture::SetUp();
    mNames = std::make_shared<RecordingLabelNames>();
    mCtx.Host->LabelNames = mNames;
    mEditor.Init(mControl, *mDrawer);
  }
  std::shared_ptr<RecordingLabelNames> mNames;
  srvLabelEditor mEditor{mCtx};
};

TEST_F(LabelEditorTest, TheReleaseOnALabelRenamesItAndReloadsEvenWithoutAChange) {
  auto label = std::make_shared<LabelStrip>(77, 3, 1);
  mEditor.MouseDown(label);
  mEditor.MouseMove(label);
  EXPECT_TRUE(mNames->Edited.empty());
  EXPECT_CALL(mControl, SetKillProcess(eMP_EditLabelProc));
  EXPECT_CALL(mControl, SetNewProcess(eMP_QueryForProcess));
  EXPECT_CALL(mControl, ReLoad());
  EXPECT_CALL(*mDrawer, RedrawAll());
  mEditor.MouseUp(label);
  EXPECT_EQ(mNames->Edited, (std::vector<long>{77}));
}

TEST_F(LabelEditorTest, AReleaseElsewhereOnlyEndsTheProcess) {
  EXPECT_CALL(mControl, SetKillProcess(eMP_EditLabelProc)).Times(2);
  EXPECT_CALL(mControl, ReLoad()).Times(0);
  mEditor.MouseUp(std::make_shared<PlainStrip>(5, 0, 14));
  mEditor.MouseUp(nullptr);
  EXPECT_TRUE(mNames->Edited.empty());
}

} // namespace
} // namespace ldr::test
