// The Qt boards: picture boards shown by their widgets with the component's
// mouse codes, scroll bars with Change and Scroll, the main board's focus,
// validation and keys, and the key and button codes.

#include "apps/studio/BoardWidget.h"
#include "apps/studio/EditorArea.h"
#include "apps/studio/QtInputCodes.h"
#include "apps/studio/QtMainBoard.h"
#include "apps/studio/QtPictureBoard.h"
#include "platform/drawing/Brush.h"
#include "platform/drawing/ResourceLibrary.h"

#include <QAction>
#include <QMainWindow>
#include <QtTest/QTest>

#include <string>
#include <vector>

namespace ldr::studio::test {

namespace {

// Everything a board or a control tells its listeners, as text.
struct Recorder : PictureBoardEvents, MainBoardEvents, ScrollBarEvents, TextBoxEvents {
  std::vector<std::string> Events;
  bool CancelValidation = false;

  void Add(const std::string& name, int a, int b, int c = -1, int d = -1) {
    std::string line = name + " " + std::to_string(a) + " " + std::to_string(b);
    if (c >= 0 || d >= 0) line += " " + std::to_string(c) + " " + std::to_string(d);
    Events.push_back(line);
  }
  void OnMouseDown(PictureBoard&, int button, int shift, int x, int y) override { Add("down", button, shift, x, y); }
  void OnMouseMove(PictureBoard&, int button, int shift, int x, int y) override { Add("move", button, shift, x, y); }
  void OnMouseUp(PictureBoard&, int button, int shift, int x, int y) override { Add("up", button, shift, x, y); }
  void OnDblClick(PictureBoard&, int button, int shift, int x, int y) override { Add("dbl", button, shift, x, y); }
  void OnClick(PictureBoard&) override { Events.push_back("click"); }
  void OnKeyDown(MainBoard&, int key, int shift) override { Add("keydown", key, shift); }
  void OnKeyUp(MainBoard&, int key, int shift) override { Add("keyup", key, shift); }
  void OnChange(BoardScrollBar& bar, int value) override { Add("change " + bar.Name(), value, 0); }
  void OnScroll(BoardScrollBar& bar, int value) override { Add("scroll " + bar.Name(), value, 0); }
  void OnChange(BoardTextBox& box) override { Events.push_back("text " + box.Text()); }
  void OnValidate(BoardTextBox& box, bool& cancel) override {
    Events.push_back("validate " + box.Name());
    cancel = CancelValidation;
  }
  void OnKeyDown(BoardTextBox& box, int key, int shift) override { Add("boxkey " + box.Name(), key, shift); }
  bool Has(const std::string& event) const {
    for (const auto& seen : Events)
      if (seen == event) return true;
    return false;
  }
};

QRgb PixelOf(QWidget& widget, int x, int y) { return widget.grab().toImage().pixel(x, y); }

} // namespace

class BoardTests : public QObject {
  Q_OBJECT

private slots:
  void keyCodesAreVirtualKeys() {
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Up), 38);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Down), 40);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Left), 37);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_PageDown), 34);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Delete), 46);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Insert), 45);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Escape), 27);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Return), 13);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_F1), 112);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_F3), 114);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_F8), 119);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_C), 67);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_7), 55);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_Control), 17);
    QCOMPARE(QtInputCodes::VirtualKey(Qt::Key_unknown), 0);
    QCOMPARE(QtInputCodes::ShiftBits(Qt::ShiftModifier | Qt::AltModifier), 5);
    QCOMPARE(QtInputCodes::ShiftBits(Qt::ControlModifier | Qt::KeypadModifier), 2);
    QCOMPARE(QtInputCodes::Buttons(Qt::LeftButton | Qt::RightButton), 3);
    QCOMPARE(QtInputCodes::Button(Qt::MiddleButton), 4);
    QCOMPARE(QtInputCodes::Button(Qt::BackButton), 0);
  }

  void pictureBoardForwardsTheMouse() {
    auto boundary = std::make_shared<EventBoundary>();
    BoardWidget widget(std::make_shared<QtPictureBoard>(200, 100), boundary);
    widget.resize(200, 100);
    widget.show();
    Recorder recorder;
    widget.Board()->AddListener(&recorder);

    QTest::mousePress(&widget, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(30, 40));
    QTest::mouseRelease(&widget, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier, QPoint(31, 41));
    QCOMPARE(recorder.Events, (std::vector<std::string>{"down 2 3 30 40", "up 2 3 31 41"}));

    recorder.Events.clear();
    QTest::mousePress(&widget, Qt::LeftButton, Qt::AltModifier, QPoint(5, 6));
    QMouseEvent drag(QEvent::MouseMove, QPointF(7, -3), widget.mapToGlobal(QPointF(7, -3)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &drag);
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QCOMPARE(recorder.Events, (std::vector<std::string>{"down 1 4 5 6", "move 1 0 7 -3", "up 1 0 7 8", "click"}));

    // A double click arrives between the two presses' releases, as on the
    // host platform of the component.
    recorder.Events.clear();
    QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(12, 13));
    QVERIFY(recorder.Has("dbl 1 0 12 13"));
    widget.Board()->RemoveListener(&recorder);
  }

  void pictureBoardShowsWhatIsDrawn() {
    BoardWidget widget(std::make_shared<QtPictureBoard>(60, 40), nullptr);
    widget.resize(60, 40);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    auto& board = *widget.Board();
    QCOMPARE(board.Width(), 60);

    // Straight onto the visible surface (AutoRedraw off).
    board.SetAutoRedraw(false);
    const gdi::Brush red = gdi::Brush::Solid(gdi::RGB(255, 0, 0));
    board.hDC().FillRect({10, 10, 20, 20}, red);
    QTRY_COMPARE(PixelOf(widget, 15, 15), qRgb(255, 0, 0));
    QCOMPARE(PixelOf(widget, 25, 15), qRgb(255, 255, 255));

    // Into the persistent image: nothing shows until the refresh, which
    // also wipes what was drawn directly.
    board.SetAutoRedraw(true);
    const gdi::Brush blue = gdi::Brush::Solid(gdi::RGB(0, 0, 255));
    board.hDC().FillRect({30, 10, 40, 20}, blue);
    QTest::qWait(20);
    QCOMPARE(PixelOf(widget, 35, 15), qRgb(255, 255, 255));
    board.Refresh();
    QTRY_COMPARE(PixelOf(widget, 35, 15), qRgb(0, 0, 255));
    QCOMPARE(PixelOf(widget, 15, 15), qRgb(255, 255, 255));

    // The board takes the widget's size.
    widget.resize(90, 50);
    QTRY_COMPARE(board.Width(), 90);
    QCOMPARE(board.Height(), 50);

    board.SetToolTipText("MB 7 - Start");
    QCOMPARE(widget.toolTip(), QString("MB 7 - Start"));
    board.SetMousePointer(2);
    QCOMPARE(widget.cursor().shape(), Qt::CrossCursor);
  }

  void scrollBarRaisesChangeAndScroll() {
    EditorArea area(std::make_shared<EventBoundary>());
    area.show();
    auto& bar = area.MainBoard()->Bar("vscrl");
    Recorder recorder;
    bar.AddListener(&recorder);

    bar.SetRange(0, 40);
    bar.SetLargeChange(10);
    bar.SetValue(12);
    bar.SetValue(12); // the same value again raises nothing
    QCOMPARE(recorder.Events, (std::vector<std::string>{"change vscrl 12 0"}));
    bar.SendKey(34, 0); // PageDown
    bar.SendKey(35, 0); // End
    bar.SendKey(38, 0); // Up
    QCOMPARE(bar.Value(), 39);
    bar.SetRange(0, 20); // the value moves into the new range
    QCOMPARE(bar.Value(), 20);
    QCOMPARE(recorder.Events.back(), std::string("change vscrl 20 0"));

    // A thumb drag: Scroll while it moves, the Change when it ends.
    recorder.Events.clear();
    QScrollBar* widget = area.VerticalBar();
    widget->setSliderDown(true);
    widget->setSliderPosition(5);
    QCOMPARE(recorder.Events, (std::vector<std::string>{"scroll vscrl 5 0"}));
    QCOMPARE(bar.Value(), 20);
    widget->setSliderDown(false);
    QCOMPARE(recorder.Events.back(), std::string("change vscrl 5 0"));
    // A drag that ends where it began still ends with a Change.
    recorder.Events.clear();
    widget->setSliderDown(true);
    widget->setSliderDown(false);
    QCOMPARE(recorder.Events, (std::vector<std::string>{"change vscrl 5 0"}));
    bar.RemoveListener(&recorder);
  }

  void mainBoardTakesKeysBeforeItsControls() {
    QMainWindow window;
    auto* area = new EditorArea(std::make_shared<EventBoundary>());
    window.setCentralWidget(area);
    // A menu shortcut for Delete must not take the key from the editor.
    auto* deleteAction = window.addAction("Delete");
    deleteAction->setShortcut(QKeySequence(Qt::Key_Delete));
    int deleteTriggered = 0;
    connect(deleteAction, &QAction::triggered, [&] { ++deleteTriggered; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto& board = *area->MainBoard();
    Recorder recorder;
    board.AddListener(&recorder);
    QVERIFY(board.SetFocus());

    QTest::keyClick(area, Qt::Key_Down);
    QTest::keyClick(area, Qt::Key_Delete);
    QTest::keyClick(area, Qt::Key_F5, Qt::ShiftModifier);
    // Shift itself is a key (16) too, as the element-copy flag needs Ctrl's.
    QCOMPARE(recorder.Events, (std::vector<std::string>{"keydown 40 0", "keyup 40 0", "keydown 46 0", "keyup 46 0",
                                                        "keydown 16 1", "keydown 116 1", "keyup 116 1", "keyup 16 0"}));
    QCOMPARE(deleteTriggered, 0);

    // In a text box the board sees the key first, then the box's listeners.
    auto& box = board.Box("txtLblComment");
    box.AddListener(&recorder);
    box.Move(40, 14, 200, 20);
    box.SetVisible(true);
    QVERIFY(box.SetFocus());
    QCOMPARE(board.ActiveControl(), std::string("txtLblComment"));
    recorder.Events.clear();
    QTest::keyClicks(box.Widget(), "go");
    QCOMPARE(box.Text(), std::string("go"));
    QCOMPARE(recorder.Events[0], std::string("keydown 71 0"));
    QCOMPARE(recorder.Events[1], std::string("boxkey txtLblComment 71 0"));
    QVERIFY(recorder.Has("text g"));
    QVERIFY(recorder.Has("text go"));
    QCOMPARE(box.Left(), 40);
    QCOMPARE(box.Widget()->parentWidget(), area->RightWidget());
    box.RemoveListener(&recorder);
    board.RemoveListener(&recorder);
  }

  void textBoxKeepsTheFocusWhileItsValidationFails() {
    EditorArea area(std::make_shared<EventBoundary>());
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    auto& board = *area.MainBoard();
    auto& box = board.Box("txtComment");
    Recorder recorder;
    box.AddListener(&recorder);
    box.SetVisible(true);
    QVERIFY(box.SetFocus());
    QVERIFY(box.Widget()->hasFocus());

    recorder.CancelValidation = true;
    QVERIFY(!board.SetFocus());
    QCOMPARE(board.ActiveControl(), std::string("txtComment"));
    QVERIFY(!board.ValidateControls());
    // The user clicking elsewhere does not get past the validation either.
    area.setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(box.Widget()->hasFocus());
    QCOMPARE(board.ActiveControl(), std::string("txtComment"));

    recorder.CancelValidation = false;
    QVERIFY(board.SetFocus());
    QVERIFY(board.HasFocus());
    QVERIFY(area.hasFocus());

    // Hiding the box that has the focus hands it back without validating.
    QVERIFY(box.SetFocus());
    recorder.Events.clear();
    box.SetVisible(false);
    QVERIFY(board.HasFocus());
    QVERIFY(recorder.Events.empty());
    QVERIFY(!box.SetFocus()); // a hidden box cannot take it
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, board.ScrollBar("txtComment"));
    box.RemoveListener(&recorder);
  }

  void mainBoardPointerShowsTheEditorsPicture() {
    EditorArea area(std::make_shared<EventBoundary>());
    auto& board = *area.MainBoard();
    board.SetMousePointer(11);
    QCOMPARE(area.cursor().shape(), Qt::WaitCursor);
    board.SetCustomPointerSource([] { return gdi::ResourceLibrary::LoadCursor("ELMNT_CREATE"); });
    board.SetMousePointer(99);
    QCOMPARE(area.cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(board.PointerPictureName(), QString("ELMNT_CREATE"));
    // A picture that does not exist leaves the arrow, not a failure.
    board.SetCustomPointerSource([] { return gdi::ResourceLibrary::LoadCursor("NO_SUCH_CURSOR"); });
    board.SetMousePointer(99);
    QCOMPARE(area.cursor().shape(), Qt::ArrowCursor);
  }
};

int RunBoardTests(int argc, char** argv) {
  BoardTests tests;
  return QTest::qExec(&tests, argc, argv);
}

} // namespace ldr::studio::test

#include "BoardTests.moc"
