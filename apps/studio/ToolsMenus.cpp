#include "apps/studio/ToolsMenus.h"

#include "core/ProjectData.h"
#include "tools/OperandText.h"
#include "tools/srvGotoLabels.h"
#include "tools/srvHideComments.h"
#include "tools/srvLadderPassword.h"
#include "tools/srvLdrCrossRef.h"
#include "tools/srvPrint.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace ldr::studio {

namespace {

constexpr int kPlaceRole = Qt::UserRole;

QImage PageImage(const gdi::Bitmap& page) {
  page.Flush();
  const QImage view(reinterpret_cast<const uchar*>(page.Row(0)), page.Width(), page.Height(), page.Stride(),
                    QImage::Format_RGB32);
  return view.copy();
}

const char* Access(const tyLadderCrossRef& place) {
  if (place.OprInIndex >= 230 && place.OprOutIndex >= 230) return "param";
  return place.OprInIndex > 0 ? "read" : "write";
}

} // namespace

ToolsMenus::ToolsMenus(QMainWindow* window, ToolsHooks hooks)
    : QObject(window), mWindow(window), mHooks(std::move(hooks)) {
  BuildDock();
}

QAction* ToolsMenus::AddItem(QMenu* menu, const std::string& id, const QString& text,
                             const std::function<void()>& run) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QString::fromStdString(id));
  action->setEnabled(false);
  connect(action, &QAction::triggered, this, [this, id, run] {
    if (mHooks.Main()) mHooks.Guard(id, run);
  });
  mHooks.Register(id, action);
  return action;
}

void ToolsMenus::AddFileItems(QMenu* file) {
  AddItem(file, "ID_PrintPreview", "Print Pre&view...", [this] { ShowPrintPreview(); });
  AddItem(file, "ID_ExportPdf", "Export &PDF...", [this] { ExportPdf(); });
}

void ToolsMenus::AddViewItems(QMenu* view) {
  view->addSeparator();
  mHideComments = AddItem(view, "ID_HideComments", "&Hide Comments", [this] {
    srvHideComments(*mHooks.Services()).ToggleComments();
    ReloadView();
  });
  mHideComments->setCheckable(true);
  // A failed toggle leaves the setting as it was: the tick follows it.
  connect(mHideComments, &QAction::triggered, this, [this] { ShowProjectSettings(); });
  for (const auto& [id, text] : {std::pair<const char*, const char*>{srvGotoLabels::kCustom, "&Go to Label..."},
                                 {srvGotoLabels::kNext, "&Next Label"},
                                 {srvGotoLabels::kPrevious, "&Previous Label"},
                                 {clsLdrMain::kGotoJumpTarget, "Label of the &Jump"}}) {
    const std::string tool = id;
    AddItem(view, tool, text, [this, tool] { mHooks.Main()->DisplayLabel(tool); });
  }
}

void ToolsMenus::ShowProjectSettings() {
  if (!mHideComments) return;
  bool hidden = false;
  if (auto services = mHooks.Services()) {
    try {
      hidden = services->Settings->ProjectFlag(ePSK_CommentsHidden, false);
    } catch (const std::exception&) {
      // A setting that cannot be read shows as not set.
    }
  }
  mHideComments->setChecked(hidden);
}

void ToolsMenus::AddToolsMenu() {
  QMenu* tools = mWindow->menuBar()->addMenu("&Tools");
  tools->addAction(mDock->toggleViewAction());
  AddItem(tools, "ID_ReplaceOperand", "Find and &Replace Operand...", [this] { ReplaceOperand(); });
  tools->addSeparator();
  AddItem(tools, "ID_SetLadderPassword", "Set Ladder &Password...",
          [this] { srvLadderPassword(*mHooks.Services()).SetLadderPassword(); });
  AddItem(tools, "ID_UnsetLadderPassword", "Remove Ladder Password...",
          [this] { srvLadderPassword(*mHooks.Services()).UnsetLadderPassword(); });
  AddItem(tools, "ID_ToggleProtected", "Protect/Unprotect Open &Subroutine", [this] {
    srvLadderPassword password(*mHooks.Services());
    if (!password.IsUserAuthorized(true)) return;
    password.ToggleFunctionProtected(mHooks.Main()->FunctionID());
  });
  AddItem(tools, "ID_ProtectModule", "Protect Open &Module", [this] {
    srvLadderPassword(*mHooks.Services()).SetModuleProtected(mHooks.Main()->GetLoadedModuleID(), true);
  });
}

void ToolsMenus::BuildDock() {
  mDock = new QDockWidget("Cross Reference", mWindow);
  mDock->setObjectName("xrefDock");
  auto* panel = new QWidget(mDock);
  auto* layout = new QVBoxLayout(panel);
  auto* row = new QHBoxLayout;
  mSearch = new QLineEdit(panel);
  mSearch->setObjectName("xrefSearch");
  mSearch->setPlaceholderText("Operand, e.g. MB12");
  auto* find = new QPushButton("Find", panel);
  row->addWidget(mSearch);
  row->addWidget(find);
  layout->addLayout(row);
  mResults = new QTreeWidget(panel);
  mResults->setObjectName("xrefResults");
  mResults->setHeaderLabels({"Module", "Subroutine", "Net", "Element", "Access"});
  mResults->setRootIsDecorated(false);
  layout->addWidget(mResults);
  mDock->setWidget(panel);
  mWindow->addDockWidget(Qt::BottomDockWidgetArea, mDock);
  mDock->hide();
  auto search = [this] {
    if (mHooks.Main()) mHooks.Guard("Cross reference", [this] { SearchOperand(mSearch->text()); });
  };
  connect(find, &QPushButton::clicked, this, search);
  connect(mSearch, &QLineEdit::returnPressed, this, search);
  connect(mResults, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { OpenResult(mResults->indexOfTopLevelItem(item)); });
}

void ToolsMenus::SearchOperand(const QString& text) {
  mResults->clear();
  auto services = mHooks.Services();
  if (!services || !services->Operands) return;
  const auto key = ParseOperandText(text.toStdString(), services->Operands->Types());
  if (!key) throw std::invalid_argument("\"" + text.toStdString() + "\" is no operand (e.g. MB12, MI:7, O3@2)");
  bool none = true;
  for (const auto& place :
       srvLdrCrossRef(*services).GetLadderCrossReference(key->NetworkID, key->Type, key->Address, none)) {
    auto* item = new QTreeWidgetItem(mResults);
    for (int column = 0; column < 4; ++column)
      item->setText(column, QString::fromStdString(place.Descriptions[static_cast<size_t>(column)]));
    item->setText(4, Access(place));
    item->setData(0, kPlaceRole,
                  QVariantList{qlonglong(place.ModuleID), qlonglong(place.FunctionID), qlonglong(place.StripID),
                               qlonglong(place.ElementID), qlonglong(place.OprInIndex), qlonglong(place.OprOutIndex)});
  }
  mResults->header()->resizeSections(QHeaderView::ResizeToContents);
}

// A double click goes to the net and shows the operand there.
void ToolsMenus::OpenResult(int row) {
  auto* item = mResults->topLevelItem(row);
  if (!item || !mHooks.Main()) return;
  const QVariantList place = item->data(0, kPlaceRole).toList();
  if (place.size() != 6) return;
  mHooks.Guard("Go to operand", [&] {
    mHooks.Main()->HighLightOperand(place[0].toLongLong(), place[1].toLongLong(), place[2].toLongLong(),
                                    place[3].toLongLong(), place[4].toLongLong(), place[5].toLongLong());
  });
}

void ToolsMenus::ReplaceOperand() {
  auto services = mHooks.Services();
  bool ok = false;
  const QString from = QInputDialog::getText(mWindow, "Replace Operand", "Replace the operand:", QLineEdit::Normal,
                                             mSearch->text(), &ok);
  if (!ok) return;
  const QString to = QInputDialog::getText(mWindow, "Replace Operand", "by the operand:", QLineEdit::Normal, {}, &ok);
  if (!ok) return;
  const auto& types = services->Operands->Types();
  const auto oldKey = ParseOperandText(from.toStdString(), types);
  const auto newKey = ParseOperandText(to.toStdString(), types);
  if (!oldKey || !newKey) throw std::invalid_argument("write operands as e.g. MB12, MI:7 or O3@2");
  srvLdrCrossRef(*services).ReplaceLadderOperandEx(oldKey->NetworkID, oldKey->Type, oldKey->Address, newKey->NetworkID,
                                                   newKey->Type, newKey->Address, 0);
  ReloadView();
}

void ToolsMenus::ReloadView() {
  if (auto* main = mHooks.Main()) {
    main->ReloadFunction();
    main->RedrawAll();
  }
}

// The open subroutine on A4 pages, or on Letter; the pages shown one under
// another, and saved as a PDF on request.
void ToolsMenus::ShowPrintPreview() {
  QDialog dialog(mWindow);
  dialog.setWindowTitle("Print Preview");
  auto* layout = new QVBoxLayout(&dialog);
  auto* paper = new QComboBox(&dialog);
  paper->addItems({"A4", "Letter"});
  layout->addWidget(paper);
  auto* scroll = new QScrollArea(&dialog);
  auto* pages = new QWidget;
  auto* pageLayout = new QVBoxLayout(pages);
  scroll->setWidget(pages);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Close, &dialog);
  layout->addWidget(buttons);
  std::shared_ptr<PrintPreview> preview;
  auto render = [&] {
    preview = std::make_shared<PrintPreview>(paper->currentIndex() == 0 ? PaperSize::A4 : PaperSize::Letter);
    srvPrint printer(*mHooks.Services());
    printer.SetVSprinter(preview);
    printer.PrintSubroutines({mHooks.Main()->FunctionID()});
    while (QLayoutItem* item = pageLayout->takeAt(0)) {
      delete item->widget();
      delete item;
    }
    for (long i = 0; i < preview->PageCount(); ++i) {
      auto* label = new QLabel(pages);
      label->setPixmap(QPixmap::fromImage(PageImage(preview->PageImage(i))));
      label->setFrameShape(QFrame::Box);
      pageLayout->addWidget(label);
    }
  };
  render();
  connect(paper, &QComboBox::currentIndexChanged, &dialog, [&] { mHooks.Guard("Print preview", render); });
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    const QString path = QFileDialog::getSaveFileName(&dialog, "Export PDF", "ladder.pdf", "PDF files (*.pdf)");
    if (!path.isEmpty()) mHooks.Guard("Export PDF", [&] { preview->WritePdf(path.toStdString()); });
  });
  dialog.resize(900, 760);
  dialog.exec();
}

void ToolsMenus::ExportPdf() {
  const QString path = QFileDialog::getSaveFileName(mWindow, "Export PDF", "ladder.pdf", "PDF files (*.pdf)");
  if (path.isEmpty()) return;
  auto preview = std::make_shared<PrintPreview>();
  srvPrint printer(*mHooks.Services());
  printer.SetVSprinter(preview);
  printer.PrintSubroutines({mHooks.Main()->FunctionID()});
  preview->WritePdf(path.toStdString());
}

} // namespace ldr::studio
