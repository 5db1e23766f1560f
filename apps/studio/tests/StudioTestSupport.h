#pragma once
// Helpers of the studio's GUI tests: answering the modal boxes and popup
// menus the studio shows (they block until answered), and a temporary
// project with its own user settings file.

#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QDialog;

namespace ldr::studio::test {

// What a modal box or menu showed when it was answered.
struct ModalSeen {
  bool Seen = false;
  QString ObjectName;
  QString Text;
};

// Answers the next message box by pressing `button`.
std::shared_ptr<ModalSeen> AnswerNextMessageBox(QMessageBox::StandardButton button);
// Runs `answer` on the next modal dialog named `objectName` (it must close
// the dialog). Other modal windows are left alone (and closed when nothing
// came for a long time).
std::shared_ptr<ModalSeen> AnswerNextDialog(const QString& objectName, std::function<void(QDialog&)> answer);
// Chooses the entry `actionName` (the tool ID) of the next popup menu.
std::shared_ptr<ModalSeen> ChooseInNextMenu(const QString& actionName);

// A fresh project file (module 1, subroutines 1 and 2) and a settings file
// in a temporary directory.
class TempProject {
public:
  TempProject();
  QString ProjectPath() const { return mDir.filePath("project.ldrp"); }
  std::string SettingsPath() const { return mDir.filePath("settings.ini").toStdString(); }
  QString FilePath(const QString& name) const { return mDir.filePath(name); }

private:
  QTemporaryDir mDir;
};

} // namespace ldr::studio::test
