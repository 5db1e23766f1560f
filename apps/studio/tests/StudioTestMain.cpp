// The studio's GUI tests, run on the offscreen platform by CTest.

#include <QApplication>

namespace ldr::studio::test {
int RunBoardTests(int argc, char** argv);
int RunDialogTests(int argc, char** argv);
int RunWindowTests(int argc, char** argv);
int RunViewAndMenuTests(int argc, char** argv);
int RunSimulationTests(int argc, char** argv);
int RunToolsMenuTests(int argc, char** argv);
int RunCompilePanelTests(int argc, char** argv);
int RunClipboardAndTreeTests(int argc, char** argv);
int RunBlockTests(int argc, char** argv);
} // namespace ldr::studio::test

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int failures = 0;
  failures += ldr::studio::test::RunBoardTests(argc, argv);
  failures += ldr::studio::test::RunDialogTests(argc, argv);
  failures += ldr::studio::test::RunWindowTests(argc, argv);
  failures += ldr::studio::test::RunViewAndMenuTests(argc, argv);
  failures += ldr::studio::test::RunSimulationTests(argc, argv);
  failures += ldr::studio::test::RunToolsMenuTests(argc, argv);
  failures += ldr::studio::test::RunCompilePanelTests(argc, argv);
  failures += ldr::studio::test::RunClipboardAndTreeTests(argc, argv);
  failures += ldr::studio::test::RunBlockTests(argc, argv);
  return failures == 0 ? 0 : 1;
}
