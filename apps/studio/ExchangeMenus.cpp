#include "apps/studio/ExchangeMenus.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QProgressDialog>
#include <QVBoxLayout>

namespace ldr::studio {

namespace {
constexpr int kProgressDelayMs = 400; // small files finish before any dialog shows
} // namespace

ExchangeMenus::ExchangeMenus(QMainWindow* window, ToolsHooks hooks)
    : QObject(window), mWindow(window), mHooks(std::move(hooks)) {}

void ExchangeMenus::AddFileItems(QMenu* file) {
  const struct {
    const char *ID, *Text;
    void (ExchangeMenus::*Run)();
  } items[] = {{"exportSubroutines", "Export S&ubroutines...", &ExchangeMenus::ExportSubroutines},
               {"importSubroutines", "&Import Subroutines...", &ExchangeMenus::ImportSubroutines}};
  for (const auto& item : items) {
    QAction* action = file->addAction(item.Text);
    action->setObjectName(item.ID);
    action->setEnabled(false);
    const auto run = item.Run;
    connect(action, &QAction::triggered, this, [this, run] {
      if (mHooks.Main()) (this->*run)();
    });
    mHooks.Register(item.ID, action);
  }
}

std::optional<std::vector<long>> ExchangeMenus::ChooseSubroutines() {
  auto services = mHooks.Services();
  if (!services) return std::nullopt;
  QDialog dialog(mWindow);
  dialog.setObjectName("exportChooser");
  dialog.setWindowTitle("Export Subroutines");
  auto* list = new QListWidget(&dialog);
  auto rows = services->Connections->Connection()->Query(
      "SELECT f.FuncID, m.MdlName || '.' || f.FuncName FROM LdrFunctions f JOIN LdrModules m USING(MdlID) ORDER BY "
      "m.MdlID, f.FuncID");
  for (const auto& row : rows.Rows()) {
    auto* item = new QListWidgetItem(QString::fromStdString(row[1].AsText()), list);
    item->setData(Qt::UserRole, static_cast<qlonglong>(row[0].AsLong()));
    item->setCheckState(row[0].AsLong() == mHooks.Main()->FunctionID() ? Qt::Checked : Qt::Unchecked);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(list);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<long> ids;
  for (int i = 0; i < list->count(); ++i)
    if (list->item(i)->checkState() == Qt::Checked) ids.push_back(list->item(i)->data(Qt::UserRole).toLongLong());
  return ids;
}

void ExchangeMenus::WithProgress(const QString& title, const std::function<void()>& call) {
  QProgressDialog progress(title, QString(), 0, 1, mWindow);
  progress.setObjectName("exchangeProgress");
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(kProgressDelayMs);
  progress.setValue(0);
  auto* main = mHooks.Main();
  main->SetExchangeProgress([&progress](int done, int total) {
    progress.setMaximum(total);
    progress.setValue(done);
  });
  mHooks.Guard(title.toStdString(), call);
  main->SetExchangeProgress(nullptr);
}

void ExchangeMenus::ExportSubroutines() {
  const auto ids = ChooseSubroutines();
  if (!ids || ids->empty()) return;
  std::vector<long> chosen = *ids;
  WithProgress("Exporting subroutines...", [&] {
    // Several subroutines: the file is proposed under their module's name.
    std::string moduleName;
    if (chosen.size() > 1)
      moduleName = mHooks.Services()
                       ->Connections->Connection()
                       ->QueryValue("SELECT MdlName FROM LdrModules m JOIN LdrFunctions f USING(MdlID) WHERE "
                                    "f.FuncID=?",
                                    {chosen.front()})
                       .AsText();
    mHooks.Main()->ExportMultiSubroutinesEx(chosen, moduleName);
  });
}

long ExchangeMenus::ReceivingModule() {
  const long loaded = mHooks.Main()->FunctionID() != 0 ? mHooks.Main()->GetLoadedModuleID() : 0;
  if (loaded != 0) return loaded;
  return mHooks.Services()->Connections->Connection()->QueryValue("SELECT MIN(MdlID) FROM LdrModules").AsLong(0);
}

void ExchangeMenus::ImportSubroutines() {
  WithProgress("Importing subroutines...", [&] { mHooks.Main()->Import(ReceivingModule()); });
}

} // namespace ldr::studio
