#include "StudioTestSupport.h"

#include "core/ProjectDatabase.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTimer>
#include <QtTest/QTest>

namespace ldr::studio::test {

namespace {

constexpr int kPollMilliseconds = 10;
constexpr int kGiveUpMilliseconds = 10000;

// Polls until `act` reports that it answered something, or gives up (then
// closes whatever modal is open, so that a test fails instead of hanging).
void PollUntil(std::function<bool()> act) {
  auto* timer = new QTimer(qApp);
  auto waited = std::make_shared<int>(0);
  timer->setInterval(kPollMilliseconds);
  QObject::connect(timer, &QTimer::timeout, timer, [timer, waited, act] {
    *waited += kPollMilliseconds;
    if (act()) {
      timer->stop();
      timer->deleteLater();
      return;
    }
    if (*waited < kGiveUpMilliseconds) return;
    timer->stop();
    timer->deleteLater();
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  });
  timer->start();
}

} // namespace

std::shared_ptr<ModalSeen> AnswerNextMessageBox(QMessageBox::StandardButton button) {
  auto seen = std::make_shared<ModalSeen>();
  PollUntil([seen, button] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return false;
    seen->Seen = true;
    seen->ObjectName = box->objectName();
    seen->Text = box->text();
    if (QAbstractButton* pressed = box->button(button))
      pressed->click();
    else
      box->close();
    return true;
  });
  return seen;
}

std::shared_ptr<ModalSeen> AnswerNextDialog(const QString& objectName, std::function<void(QDialog&)> answer) {
  auto seen = std::make_shared<ModalSeen>();
  PollUntil([seen, objectName, answer] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog || dialog->objectName() != objectName) return false;
    seen->Seen = true;
    seen->ObjectName = dialog->objectName();
    answer(*dialog);
    return true;
  });
  return seen;
}

std::shared_ptr<ModalSeen> ChooseInNextMenu(const QString& actionName) {
  auto seen = std::make_shared<ModalSeen>();
  PollUntil([seen, actionName] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return false;
    seen->Seen = true;
    seen->ObjectName = menu->objectName();
    QAction* chosen = menu->findChild<QAction*>(actionName);
    for (QAction* action : menu->actions()) seen->Text += action->objectName() + " ";
    if (chosen && chosen->isEnabled()) {
      // As a user does it: the entry made current and Return pressed.
      menu->setActiveAction(chosen);
      QTest::keyClick(menu, Qt::Key_Return);
    } else {
      menu->close();
    }
    return true;
  });
  return seen;
}

TempProject::TempProject() { ProjectDatabase::Create(ProjectPath().toStdString()); }

} // namespace ldr::studio::test
