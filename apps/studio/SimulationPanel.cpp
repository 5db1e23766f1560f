#include "apps/studio/SimulationPanel.h"

#include "outside/operands/OperandType.h"
#include "outside/operands/VirtualController.h"
#include "tools/simulation/OperandName.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace ldr::studio {

namespace {

constexpr int kOperandColumn = 0;
constexpr int kValueColumn = 1;
constexpr int kForcedColumn = 2;

bool IsContact(long elementType) {
  return (elementType >= 200 && elementType <= 203) || (elementType >= 208 && elementType <= 211);
}

} // namespace

SimulationPanel::SimulationPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("simulationPanel");
  mTimer = new QTimer(this);
  connect(mTimer, &QTimer::timeout, this, [this] { ScanOnce(); });

  mScanMs = new QSpinBox(this);
  mScanMs->setObjectName("simulationScanMs");
  mScanMs->setRange(1, 10000);
  mScanMs->setValue(static_cast<int>(sim::ScanSimulator::kDefaultScanMs * 10));
  mScanMs->setSuffix(" ms per scan");
  connect(mScanMs, &QSpinBox::valueChanged, this, [this](int milliseconds) {
    if (!mSimulator) return;
    mSimulator->SetScanMs(milliseconds);
    mTimer->setInterval(milliseconds);
  });
  mWatchEdit = new QLineEdit(this);
  mWatchEdit->setObjectName("simulationWatchEdit");
  mWatchEdit->setPlaceholderText("Operand to watch, as I1 or MB12");
  auto* watchButton = new QPushButton("Watch", this);
  connect(watchButton, &QPushButton::clicked, this, [this] {
    if (Watch(mWatchEdit->text())) mWatchEdit->clear();
  });
  connect(mWatchEdit, &QLineEdit::returnPressed, watchButton, &QPushButton::click);

  mTable = new QTableWidget(0, 3, this);
  mTable->setObjectName("simulationWatchTable");
  mTable->setHorizontalHeaderLabels({"Operand", "Value", "Forced"});
  mTable->horizontalHeader()->setStretchLastSection(true);
  mTable->verticalHeader()->hide();
  connect(mTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) { OnItemChanged(item); });
  mStatus = new QLabel("Stopped", this);
  mStatus->setObjectName("simulationStatus");

  auto* top = new QHBoxLayout;
  top->addWidget(mScanMs);
  top->addWidget(mWatchEdit, 1);
  top->addWidget(watchButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(mTable, 1);
  layout->addWidget(mStatus);
}

SimulationPanel::~SimulationPanel() = default;

bool SimulationPanel::Start(db::Connection& connection, clsLdrMain& main) {
  Stop();
  try {
    mController = std::make_shared<VirtualController>();
    mSimulator = sim::ScanSimulator::ForProject(connection, mController);
  } catch (const std::exception& e) {
    Log(std::string("simulation: the ladder cannot be read: ") + e.what());
    mSimulator.reset();
    return false;
  }
  mSimulator->SetScanMs(mScanMs->value());
  mSimulator->SetReportSink([this](const std::string& note) { Log("simulation: " + note); });
  mMain = &main;
  mMain->SetOnLineActive(-1);
  mMain->AppendTestValue(*mController);
  mStatus->setText("Running");
  mTimer->start(mScanMs->value());
  RefreshTable();
  return true;
}

void SimulationPanel::Stop() {
  mTimer->stop();
  if (!mSimulator) return;
  mSimulator.reset();
  mCurrentInput.reset();
  if (mMain) mMain->SetOnLineActive(0);
  mMain = nullptr;
  if (mStatus->text() == "Running") mStatus->setText("Stopped");
}

void SimulationPanel::ScanOnce() {
  if (!mSimulator) return;
  try {
    mSimulator->Scan();
  } catch (const sim::SimulationError& error) {
    Log(std::string("simulation stopped: ") + error.what());
    mStatus->setText(QString("Stopped: ") + error.what());
    RefreshTable();
    Stop();
    if (mOnStopped) mOnStopped();
    return;
  }
  mStatus->setText(QString("Running: scan %1").arg(mSimulator->ScanCount()));
  if (mMain) mMain->AppendTestValue(*mController);
  RefreshTable();
}

void SimulationPanel::OnOperandPressed(long operandType, long address, long elementType) {
  if (!mSimulator || operandType != eOT_I || !IsContact(elementType)) return;
  mCurrentInput = OperandKey{operandType, address, 0};
  mSincePress.start();
}

bool SimulationPanel::OnDoubleClick() {
  const bool justPressed = mSincePress.isValid() && mSincePress.elapsed() <= QApplication::doubleClickInterval();
  mSincePress.invalidate();
  return justPressed && FlipCurrentInput();
}

bool SimulationPanel::FlipCurrentInput() {
  if (!mSimulator || !mCurrentInput) return false;
  const OperandKey key = *mCurrentInput;
  mSimulator->Set(key, mSimulator->Value(key) != 0 ? 0 : 1);
  Log("simulation: I" + std::to_string(key.Address) + " = " + std::to_string(mSimulator->Value(key)));
  if (mMain) mMain->AppendTestValue(*mController);
  RefreshTable();
  return true;
}

bool SimulationPanel::Watch(const QString& text) {
  std::string error;
  const auto key = sim::OperandName::Parse(text.trimmed().toStdString(), mTypes, error);
  if (!key) {
    mStatus->setText(QString::fromStdString(error));
    return false;
  }
  if (std::find(mWatches.begin(), mWatches.end(), *key) == mWatches.end()) mWatches.push_back(*key);
  RefreshTable();
  return true;
}

void SimulationPanel::RefreshTable() {
  mRefreshing = true;
  mTable->setRowCount(static_cast<int>(mWatches.size()));
  for (int row = 0; row < static_cast<int>(mWatches.size()); ++row) {
    const auto& key = mWatches[row];
    auto* name = new QTableWidgetItem(QString::fromStdString(sim::OperandName::Format(key, mTypes)));
    name->setFlags(Qt::ItemIsEnabled);
    mTable->setItem(row, kOperandColumn, name);
    const bool running = mSimulator != nullptr;
    auto* value = new QTableWidgetItem(running ? QString::number(mSimulator->Value(key)) : QString("-"));
    value->setFlags(running ? Qt::ItemIsEnabled | Qt::ItemIsEditable : Qt::ItemIsEnabled);
    mTable->setItem(row, kValueColumn, value);
    auto* forced = new QTableWidgetItem;
    forced->setFlags(running ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::ItemIsEnabled);
    forced->setCheckState(running && mSimulator->IsForced(key) ? Qt::Checked : Qt::Unchecked);
    mTable->setItem(row, kForcedColumn, forced);
  }
  mRefreshing = false;
}

void SimulationPanel::OnItemChanged(QTableWidgetItem* item) {
  if (mRefreshing || !mSimulator || item->row() >= static_cast<int>(mWatches.size())) return;
  const auto& key = mWatches[item->row()];
  if (item->column() == kValueColumn) {
    bool ok = false;
    const long long value = item->text().toLongLong(&ok);
    if (ok) mSimulator->Force(key, value);
  } else if (item->column() == kForcedColumn && item->checkState() == Qt::Unchecked) {
    mSimulator->Unforce(key);
  }
  QTimer::singleShot(0, this, [this] { RefreshTable(); });
}

void SimulationPanel::Log(const std::string& line) {
  if (mLog) mLog(line);
}

} // namespace ldr::studio
