#pragma once
// The simulation panel of the studio: starts and stops the scan simulator on
// the open project (a scan timer), feeds the editor's on-line view from the
// simulated virtual controller after every scan, and keeps a watch table of
// operands with their values, where typing a value forces the operand and
// clearing its check box lifts the force.

#include "editor/clsLdrMain.h"
#include "outside/operands/OperandTypeCatalogue.h"
#include "tools/simulation/ScanSimulator.h"

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace ldr::studio {

class SimulationPanel : public QWidget {
public:
  explicit SimulationPanel(QWidget* parent = nullptr);
  ~SimulationPanel() override;

  // Reads the project's ladder and starts the scan timer; the editor is put
  // on line. False (and the reason logged) when the ladder cannot be read.
  bool Start(db::Connection& connection, clsLdrMain& main);
  // Stops the timer and takes the editor off line.
  void Stop();
  bool Running() const { return mSimulator != nullptr; }
  // One scan now (the timer calls it).
  void ScanOnce();

  // An operand press on line: a press on a contact of an input makes it the
  // current input.
  void OnOperandPressed(long operandType, long address, long elementType);
  // A double click on the ladder: flips the current input when the press
  // that made it current was the double click's first.
  bool OnDoubleClick();
  // Space: flips the current input; false when there is none.
  bool FlipCurrentInput();
  // Adds an operand ("I1", "MB12") to the watch table; false when unknown.
  bool Watch(const QString& text);
  void SetLog(std::function<void(const std::string&)> log) { mLog = std::move(log); }
  // Called when the simulation stops by itself (a fault).
  void SetStoppedHandler(std::function<void()> handler) { mOnStopped = std::move(handler); }
  sim::ScanSimulator* Simulator() const { return mSimulator.get(); }
  QTableWidget* WatchTable() const { return mTable; }

private:
  void RefreshTable();
  void OnItemChanged(QTableWidgetItem* item);
  void Log(const std::string& line);

  OperandTypeCatalogue mTypes;
  std::shared_ptr<VirtualController> mController;
  std::unique_ptr<sim::ScanSimulator> mSimulator;
  clsLdrMain* mMain = nullptr;
  std::vector<OperandKey> mWatches;
  QTimer* mTimer = nullptr;
  QSpinBox* mScanMs = nullptr;
  QLineEdit* mWatchEdit = nullptr;
  QTableWidget* mTable = nullptr;
  QLabel* mStatus = nullptr;
  bool mRefreshing = false;
  std::optional<OperandKey> mCurrentInput;
  QElapsedTimer mSincePress;
  std::function<void(const std::string&)> mLog;
  std::function<void()> mOnStopped;
};

} // namespace ldr::studio
