// A context always holds every host service: the host's own where it gave
// one, a do-nothing one in each gap. The do-nothing services never let an
// edit go further than the user could have allowed.

#include "core/LdrContext.h"
#include "outside/HostServices.h"
#include "outside/headless/HeadlessHost.h"
#include "outside/headless/MemoryLog.h"
#include "outside/utilities/HostMessage.h"
#include "support/ProjectFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace ldr;

namespace {

class Context : public test::ProjectFixture {
protected:
  void SetUp() override {
    ProjectFixture::SetUp();
    mHost = MakeHeadlessHost(mDb, std::make_shared<MemoryLog>(), mDir.File("settings.ini"));
  }
  HeadlessHost mHost;
};

TEST_F(Context, TheHostsServicesAreKeptAndOnlyTheGapsFilled) {
  auto partial = std::make_shared<HostServices>(*mHost.Services);
  partial->Gui.reset();
  partial->Messages.reset();
  partial->LabelNames.reset();
  LdrContext ctx;
  ctx.SetHost(partial);
  EXPECT_EQ(ctx.Host->Settings, mHost.Services->Settings);
  EXPECT_EQ(ctx.Host->Errors, mHost.Services->Errors);
  EXPECT_EQ(ctx.Host->Operands, mHost.Services->Operands);
  ASSERT_NE(ctx.Host->Gui, nullptr);
  ASSERT_NE(ctx.Host->Messages, nullptr);
  ASSERT_NE(ctx.Host->LabelNames, nullptr);
  // The host's own bundle stays as the host made it.
  EXPECT_EQ(partial->Gui, nullptr);
}

TEST_F(Context, WithoutAHostEveryQuestionIsAnsweredWithoutGoingFurther) {
  LdrContext ctx;
  ctx.SetHost(nullptr);
  HostServices& host = *ctx.Host;
  EXPECT_EQ(host.Messages->ShowMessage(eHM_DeleteSubroutine, {"Main"}), eMA_No);
  EXPECT_EQ(host.Messages->ShowMessageBox("go on?", MsgButtons::YesNoCancel), eMA_Cancel);
  EXPECT_EQ(host.Messages->ShowMessageBox("go on?", MsgButtons::OKCancel), eMA_Cancel);
  EXPECT_EQ(host.Messages->ShowMessageBox("done"), eMA_OK);
  EXPECT_FALSE(host.Dialogs->AskOperand({}).has_value());
  EXPECT_FALSE(host.LabelNames->EditLabelName(1));
  EXPECT_EQ(host.LabelNames->ProposeLabelName(2), "");
  host.Settings->SetHostSetting(6000, 6006, "4");
  EXPECT_EQ(host.Settings->HostSetting(6000, 6006, "2"), "2");
  EXPECT_FALSE(host.DownloadUnits->IsOn());
  EXPECT_EQ(host.Connections->Connection(), nullptr);
  EXPECT_EQ(host.Operands, nullptr);
  // What cannot be done without the host is refused, not faked.
  EXPECT_FALSE(host.Errors->ShowsErrors());
  EXPECT_THROW(host.Commands->ElementsCommand(), std::logic_error);
  EXPECT_THROW(host.Identifiers->NewIdentifier(), std::logic_error);
}

} // namespace
