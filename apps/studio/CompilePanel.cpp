#include "apps/studio/CompilePanel.h"

#include "compiler/ValidationReport.h"
#include "compiler/clsLdrCompile.h"
#include "editor/clsLdrMain.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace ldr::studio {

namespace {

QString NumberList(const std::vector<long>& numbers) {
  QStringList items;
  for (long n : numbers) items << QString::number(n);
  return items.join(", ");
}

} // namespace

CompilePanel::CompilePanel(MainSource main, Guard guard, QWidget* parent)
    : QWidget(parent), mMain(std::move(main)), mGuard(std::move(guard)) {
  setObjectName("compilePanel");
  auto* check = new QPushButton("Check", this);
  check->setObjectName("compileCheck");
  check->setToolTip("List the nets to compile and the rules the ladder breaks");
  mOnLine = new QCheckBox("On-line", this);
  mOnLine->setObjectName("onLine");
  mOnLine->setToolTip("Monitor the controller's operand values and show the power flow");
  mEntries = new QListWidget(this);
  mEntries->setObjectName("compileEntries");
  mTimer = new QTimer(this);
  mTimer->setInterval(kRefreshMilliseconds);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(check);
  buttons->addWidget(mOnLine);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addLayout(buttons);
  layout->addWidget(mEntries);

  connect(check, &QPushButton::clicked, this, [this] { Check(); });
  connect(mOnLine, &QCheckBox::toggled, this, [this](bool on) { SetOnLine(on); });
  connect(mTimer, &QTimer::timeout, this, [this] { RefreshOnLine(); });
  connect(mEntries, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { OnActivated(item); });
}

void CompilePanel::AddEntry(const QString& text, const std::string& message) {
  auto* item = new QListWidgetItem(text, mEntries);
  if (!message.empty()) item->setData(kMessageRole, QString::fromStdString(message));
}

void CompilePanel::Check() {
  mEntries->clear();
  clsLdrMain* main = mMain();
  if (!main) return;
  mGuard("Check the ladder", [&] {
    clsLdrCompile compile(main->Context());
    ValidationReport report(compile);
    for (const auto& state : report.CompileState()) {
      if (state.DirtyNets.empty() && state.TroubledNets.empty()) continue;
      QString text = QString::fromStdString(state.Name) + ":";
      if (!state.DirtyNets.empty()) text += " nets to compile " + NumberList(state.DirtyNets);
      if (!state.TroubledNets.empty()) text += " nets with problems " + NumberList(state.TroubledNets);
      AddEntry(text, {});
    }
    const auto findings = report.Findings();
    for (const auto& finding : findings) {
      QString text = QString::fromStdString(finding.Text);
      if (finding.FuncID)
        text += " - " + QString::fromStdString(compile.GetFunctionName(finding.FuncID)) +
                (finding.ShowNum ? " net " + QString::number(finding.ShowNum) : QString());
      AddEntry(text, finding.ShowNum ? finding.CompileMessage() : std::string());
    }
    if (findings.empty()) AddEntry("No rule of the controller is broken", {});
  });
}

void CompilePanel::OnActivated(QListWidgetItem* item) {
  clsLdrMain* main = mMain();
  const QString message = item ? item->data(kMessageRole).toString() : QString();
  if (!main || message.isEmpty()) return;
  mGuard("Go to the net", [&] { main->JumpToCompileResult(message.toStdString()); });
}

bool CompilePanel::OnLine() const { return mOnLine->isChecked(); }

void CompilePanel::SetOnLine(bool on) {
  if (mOnLine->isChecked() != on) return mOnLine->setChecked(on); // comes back through toggled
  clsLdrMain* main = mMain();
  if (!main) {
    mTimer->stop();
    return;
  }
  mGuard(on ? "Go on line" : "Go off line", [&] { main->SetOnLineActive(on ? -1 : 0); });
  if (on) {
    RefreshOnLine();
    mTimer->start();
  } else {
    mTimer->stop();
  }
}

void CompilePanel::RefreshOnLine() {
  clsLdrMain* main = mMain();
  if (!main) return;
  mController->ClearMonitored();
  mGuard("On-line values", [&] { main->AppendTestValue(*mController); });
}

void CompilePanel::Clear() {
  mTimer->stop();
  const bool blocked = mOnLine->blockSignals(true);
  mOnLine->setChecked(false);
  mOnLine->blockSignals(blocked);
  mEntries->clear();
}

} // namespace ldr::studio
