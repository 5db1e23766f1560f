#pragma once
// The GUI service of the desktop host: the scroll bars are the main board's,
// the busy pointer is the application's, context menus are real popup menus
// filled by identifier, and what the component tells the main window (title,
// modified, need to compile, work mode, command states, action names) is
// passed on as signals. A chosen menu entry is returned and also announced
// (toolChosen), so that the window sends it back to the editor as a tool
// request once the component's call has returned.

#include "apps/studio/EventBoundary.h"
#include "apps/studio/QtMainBoard.h"
#include "outside/utilities/ActionNameSink.h"
#include "outside/utilities/GuiService.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace ldr::studio {

class QtGuiService : public QObject, public GuiService, public ActionNameSink {
  Q_OBJECT
public:
  QtGuiService(QWidget* window, std::shared_ptr<QtMainBoard> board, LogWriter log, bool interactive);
  ~QtGuiService() override;

  BoardScrollBar& VerticalScrollBar() override { return mBoard->Bar("vscrl"); }
  BoardScrollBar& HorizontalScrollBar() override { return mBoard->Bar("hscrl"); }

  void SetMousePointer(int code) override;
  int MousePointer() const override { return mPointer; }
  void RefreshPointer() override;

  std::string ShowContextMenu(int menuID, const std::vector<std::string>& disabledTools = {}, bool atPointer = true,
                              const std::string& text = {}) override;

  void SetTitle(const std::string& title) override;
  void NotifyModified(bool modified, int code) override;
  void NotifyNeedToCompile(bool needed) override;
  void SetWorkModeButton(int workMode) override;
  void SetCommandEnabled(const std::string& commandID, bool enabled) override;
  void RefreshMainWindow() override;
  void RefreshBlockLibrary() override;
  void ShowOperandOnline(long networkID, long operandType, long address, long elementType) override;
  void ShowText(int kind, const std::string& text) override;

  // ActionNameSink
  void ReportAction(const std::string& name) override;

  int WorkMode() const { return mWorkMode; }
  const std::string& Title() const { return mTitle; }

signals:
  void titleChanged(const QString& title);
  void modifiedChanged(bool modified, int code);
  void needToCompileChanged(bool needed);
  void workModeChanged(int workMode);
  void commandEnabledChanged(const QString& commandID, bool enabled);
  void mainWindowRefreshRequested();
  void blockLibraryChanged();
  void actionReported(const QString& name);
  void toolChosen(const QString& toolID);
  // A press on an element's operand while on line.
  void operandPressedOnline(long networkID, long operandType, long address, long elementType);

private:
  void ReleaseBusyPointer();

  QPointer<QWidget> mWindow;
  std::shared_ptr<QtMainBoard> mBoard;
  LogWriter mLog;
  bool mInteractive;
  int mPointer = 0;
  bool mBusyShown = false;
  int mWorkMode = 0;
  std::string mTitle;
};

} // namespace ldr::studio
