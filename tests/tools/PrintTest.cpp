#include "tools/ToolsFixture.h"
#include "tools/srvLadderPassword.h"
#include "tools/srvPrint.h"

#include <fstream>

namespace ldr::test {
namespace {

// Subroutine "Long" of module 1: 40 nets of 10 rows with one contact each,
// an empty net and a comment.
class PrintTest : public ToolsFixture {
protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    mLong = AddFunction(1, "Long");
    long seq = 0;
    for (long net = 1; net <= 40; ++net) AddElement(AddStrip(mLong, ++seq, 1, 10, net), 200, 4, 3);
    AddStrip(mLong, ++seq, 1, 10, 41);
    AddStrip(mLong, ++seq, 2, 3);
  }
  long Pages(PaperSize paper, const std::vector<long>& functions) {
    auto preview = std::make_shared<PrintPreview>(paper);
    srvPrint printer(Host());
    printer.SetVSprinter(preview);
    printer.PrintSubroutines(functions);
    return preview->PageCount();
  }
  long mLong = 0;
};

TEST_F(PrintTest, PagesBreakBetweenStripsByPaperAndEachSubroutineStartsAPage) {
  // A4 holds 84 rows, Letter 76; less the 3 header rows: 8 nets or 7.
  EXPECT_EQ(PrintPreview(PaperSize::A4).PageHeight() / 14, 84);
  EXPECT_EQ(PrintPreview(PaperSize::Letter).PageHeight() / 14, 76);
  EXPECT_EQ(Pages(PaperSize::A4, {mLong}), 5 + 1) << "40 nets, then the comment alone";
  EXPECT_EQ(Pages(PaperSize::Letter, {mLong}), 6);
  EXPECT_EQ(Pages(PaperSize::A4, {mLong, 2}), 6 + 1);
}

TEST_F(PrintTest, ModulesLeaveOutTheStartSubroutineAndProtectedOnesNeedThePassword) {
  auto preview = std::make_shared<PrintPreview>();
  srvPrint printer(Host());
  printer.SetVSprinter(preview);
  printer.PrintModules({1});
  EXPECT_EQ(preview->PageCount(), 1 + 6) << "subroutines 2 and Long";

  Answers().QueueDialog("secret77");
  Answers().QueueDialog("secret77");
  srvLadderPassword password(Host());
  password.SetLadderPassword();
  password.ToggleFunctionProtected(mLong);
  Host().Globals->SetAuthorizedLadderKey("");
  Answers().QueueDialogCancel();
  EXPECT_EQ(Pages(PaperSize::A4, {mLong}), 0);
  Answers().QueueDialog("secret77");
  EXPECT_EQ(Pages(PaperSize::A4, {mLong}), 6);
}

TEST_F(PrintTest, PdfHasOnePagePerPreviewPageAndABadPathFailsClearly) {
  auto preview = std::make_shared<PrintPreview>(PaperSize::Letter);
  srvPrint printer(Host());
  printer.SetVSprinter(preview);
  printer.PrintSubroutines({mLong});
  const std::string path = mDir.File("long.pdf");
  preview->WritePdf(path);
  std::ifstream file(path, std::ios::binary);
  const std::string pdf((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  size_t pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  EXPECT_EQ(pages, 6u);
  EXPECT_NE(pdf.find("612 792"), std::string::npos) << "Letter in points";
  EXPECT_THROW(preview->WritePdf(mDir.File("no/such/dir/x.pdf")), std::runtime_error);
  EXPECT_THROW(PrintPreview().WritePdf(mDir.File("empty.pdf")), std::runtime_error);
}

} // namespace
} // namespace ldr::test
