// ldr-studio [PATH]: the desktop host of the ladder editor. Opens the project
// PATH, or the demo project (created on first run), and shows subroutine 2.
// With --screenshot FILE --quit-after-load it writes a picture of the window
// and ends, asking nobody anything (for scripts and CI).

#include "apps/studio/StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ldr-studio");

  QCommandLineParser parser;
  parser.setApplicationDescription("The ladder editor's desktop host.");
  parser.addHelpOption();
  parser.addPositionalArgument("PATH", "The project file to open (default: the demo project).", "[PATH]");
  QCommandLineOption screenshot("screenshot", "Write a PNG picture of the window to FILE once the project is loaded.",
                                "FILE");
  QCommandLineOption quitAfterLoad("quit-after-load", "Quit once the project is loaded (and the picture written); "
                                                      "nobody is asked anything.");
  QCommandLineOption subroutine("subroutine", "The subroutine to show first (default 2).", "ID", "2");
  QCommandLineOption settings("settings", "The user settings file (default: ~/.config/ldr/settings.ini).", "FILE");
  parser.addOptions({screenshot, quitAfterLoad, subroutine, settings});
  parser.process(app);

  ldr::studio::StudioOptions options;
  options.Interactive = !parser.isSet(quitAfterLoad);
  if (parser.isSet(settings)) options.HostSettingsPath = parser.value(settings).toStdString();
  ldr::studio::StudioWindow window(options);
  window.show();

  bool opened = false;
  if (!parser.positionalArguments().isEmpty()) {
    opened = window.OpenProject(parser.positionalArguments().front());
  } else {
    const QString demo = ldr::studio::StudioWindow::DemoProjectPath();
    opened = QFileInfo::exists(demo) ? window.OpenProject(demo) : window.NewProject(demo, true);
  }
  if (opened) window.LoadSubroutine(parser.value(subroutine).toLong());

  if (parser.isSet(screenshot) || parser.isSet(quitAfterLoad)) {
    // Let the window lay itself out and paint before the picture is taken.
    QTimer::singleShot(300, &window, [&] {
      bool written = true;
      if (parser.isSet(screenshot)) written = window.SaveScreenshot(parser.value(screenshot));
      if (parser.isSet(quitAfterLoad)) QApplication::exit(opened && written ? 0 : 1);
    });
  }
  return QApplication::exec();
}
