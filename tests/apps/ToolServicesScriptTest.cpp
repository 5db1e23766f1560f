// The tools' services and commands as a host and a user reach them: `service`
// in `ldr script` with dialogs answered by `dialog`, and `ldr xref`, `ldr
// replace`, `ldr print`.
#include "ScriptTestSupport.h"
#include "support/CommandLine.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cairo.h>

#include <fstream>

namespace ldr::test {
namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class ToolScripts : public ::testing::Test {
protected:
  std::string Project() const { return mDir.File("p.ldrp"); }
  // A contact MB 12 in net 1 and a coil MB 12 in net 2 of subroutine 2.
  std::string WithTwoUses() const {
    return "new " + Project() +
           "\ninit\nload 2\n"
           "operand MB 12\ntool ID_LDirectContact\nclick 84 70\n"
           "operand MB 12\ntool ID_LDirectCoil\nclick 600 266\n";
  }
  TempDir mDir;
};

TEST_F(ToolScripts, ProtectedSubroutineOpensOnlyWithTheRightPasswordElseSubroutineTwo) {
  const auto run =
      RunScript("new " + Project() +
                "\ndialog secret77\ndialog secret77\n"
                "service srvLadderPassword SetLadderPassword\n"
                "service srvLadderPassword ToggleFunctionProtected 1\n"
                "open " +
                Project() +
                "\ninit\n"
                "dialog wrong-pass\nload 1\ncall FunctionID\n"
                "dialog cancel\nload 1\ncall FunctionID\n"
                "dialog secret77\nload 1\ncall FunctionID\n"
                "load 2\nload 1\ncall FunctionID\n"
                "service srvLadderPassword IsLadderProtected\n"
                "sql \"SELECT SettingValue LIKE '%secret77%' FROM ProjectSettings WHERE SettingKey=64\"\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "dialog password \"\" -> ***\nmessage 290"));
  EXPECT_TRUE(Has(run.out, "dialog password \"\" -> cancel\n2\n"));
  EXPECT_TRUE(Has(run.out, "-> ***\n1\n1\n-1\n0\n")) << run.out << " asked once, then the key holds no password";
  EXPECT_FALSE(Has(run.out, "secret77"));
}

TEST_F(ToolScripts, CrossReferenceAndReplacementThroughTheService) {
  const auto run = RunScript(WithTwoUses() + "service srvLdrCrossRef GetLadderCrossReference 0 MB 12\n"
                                             "service srvLdrCrossRef ReplaceLadderOperandEx 0 MB 12 0 O 3 0\n"
                                             "service srvLdrCrossRef GetLadderCrossReference 0 MB 12\n"
                                             "service srvLdrCrossRef GetLadderCrossReference 0 O 3\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "0\n1|2|")) << run.out;
  EXPECT_TRUE(Has(run.out, "|Module 1|Main|Net: 1|Element: ")) << run.out;
  EXPECT_TRUE(Has(run.out, "|Net: 2|Element: ")) << run.out;
  EXPECT_TRUE(Has(run.out, "\n-1\n0\n1|2|")) << "none left, then both under O 3: " << run.out;
}

TEST_F(ToolScripts, CommandLineXrefReplaceAndPrint) {
  ASSERT_EQ(RunScript(WithTwoUses()).status, 0);
  const auto xref = RunLdr("xref " + Quoted(Project()) + " MB12");
  ASSERT_EQ(xref.status, 0) << xref.out;
  EXPECT_TRUE(Has(xref.out, "module \"Module 1\" subroutine \"Main\" net 1 element")) << xref.out;
  EXPECT_TRUE(Has(xref.out, " read\n")) << xref.out;
  EXPECT_TRUE(Has(xref.out, " write\n")) << xref.out;
  const auto csv = RunLdr("xref " + Quoted(Project()) + " MB:12 --csv");
  EXPECT_TRUE(Has(csv.out, "module,subroutine,net,element,element_id,access\nModule 1,Main,1,")) << csv.out;

  const auto refused = RunLdr("replace " + Quoted(Project()) + " MB12 I3");
  EXPECT_EQ(refused.status, 1) << "a coil cannot write an input";
  EXPECT_TRUE(Has(RunLdr("xref " + Quoted(Project()) + " MB12").out, " write\n"));
  const auto replaced = RunLdr("replace " + Quoted(Project()) + " MB12 MB13");
  ASSERT_EQ(replaced.status, 0) << replaced.out;
  EXPECT_TRUE(Has(RunLdr("xref " + Quoted(Project()) + " MB13").out, " read\n"));

  const std::string pdf = mDir.File("out.pdf");
  const auto printed = RunLdr("print " + Quoted(Project()) + " --func 2 --paper Letter -o " + Quoted(pdf));
  ASSERT_EQ(printed.status, 0) << printed.out;
  EXPECT_TRUE(Has(printed.out, "1 pages written")) << printed.out;
  std::ifstream file(pdf, std::ios::binary);
  std::string head(5, '\0');
  file.read(head.data(), 5);
  EXPECT_EQ(head, "%PDF-");
  EXPECT_EQ(RunLdr("print " + Quoted(Project()) + " -o /nonexistent/dir/out.pdf").status, 1);
}

TEST_F(ToolScripts, PrintingAPageRendersTheRungAndTheHeader) {
  const std::string png = mDir.File("page.png");
  const auto run = RunScript(WithTwoUses() +
                             "service srvPrint VSprinter A4\n"
                             "service srvPrint PrintSubroutines 2\n"
                             "service srvPrint PageCount\n"
                             "service srvPrint WritePagePng 1 " +
                             png + "\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "Preparing to Print Subroutine: Main")) << run.out;
  EXPECT_TRUE(Has(run.out, "\n1\n")) << run.out;
  cairo_surface_t* image = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(image), 800);
  // Dark pixels in the header band and in the first net's rows.
  auto darkIn = [&](int top, int bottom) {
    cairo_surface_flush(image);
    const auto* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 800; ++x)
        if ((reinterpret_cast<const std::uint32_t*>(data + y * stride)[x] & 0xFF) < 0x80) ++dark;
    return dark;
  };
  EXPECT_GT(darkIn(0, 30), 50) << "the header text";
  EXPECT_GT(darkIn(42, 42 + 5 * 14), 50) << "the contact of net 1";
  cairo_surface_destroy(image);
}

TEST_F(ToolScripts, HidingCommentsAndGoingToALabelReachTheOpenEditor) {
  const auto run = RunScript("new " + Project() +
                             "\ninit\nload 2\n"
                             "service srvHideComments ToggleComments\n"
                             "sql \"SELECT SettingValue FROM ProjectSettings WHERE SettingKey=83\"\n"
                             "sql \"INSERT INTO LdrStrips (FuncID, SeqNum, StrpType, Height, LblName) "
                             "VALUES (1, 0, 3, 2, 'Start')\"\n"
                             "call DisplayLabel ID_GotoLblNext\ncall FunctionID\n"
                             "call DisplayLabel ID_GotoLblPrv\ncall FunctionID\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Has(run.out, "-1\n1\n1\n")) << "hidden, then the only label twice: " << run.out;
}

TEST_F(ToolScripts, PrintingNothingSelectedIsRefused) {
  const auto run = RunScript("new " + Project() + "\nservice srvPrint PrintSelectedStrips\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(Has(run.err, "No strip is selected")) << run.err;
}

} // namespace
} // namespace ldr::test
