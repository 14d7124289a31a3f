#include "AcceleratorTable.h"
#include "CMainFrame.h"
#include "CORLIXApp.h"
#include "CORLIXDoc.h"
#include "CommandIds.h"
#include "CommandLine.h"
#include "MenuSeparatorStyle.h"
#include "MenuTable.h"
#include "RecordingView.h"
#include "StartupPreparation.h"
#include "TestView.h"
#include "ViewHost.h"
#include "WindowPlacement.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <sys/stat.h>

Q_DECLARE_METATYPE(QKeyCombination)
Q_DECLARE_METATYPE(WindowPlacement)

namespace {
// A main window around a recording view, shown and active.
struct Frame {
    Frame() : host(new ViewHost(&view)), frame(host, [this](int c) { commands.push_back(c); }) {
        frame.resize(800, 600);
        frame.show();
        frame.activateWindow();
        host->setFocus();
    }
    RecordingView view;
    ViewHost* host;
    std::vector<int> commands;
    CMainFrame frame;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menuBarFollowsItsTable();
    void acceleratorTableIsComplete();
    void keysReachTheViewOrBecomeCommands_data();
    void keysReachTheViewOrBecomeCommands();
    void mouseButtonsReachTheView();
    void autoRepeatedKeysReachTheViewOneByOne();
    void closedDialogRepaintsWhatItCovered();
    void frameHasNoButtonsToolbarOrStatusBar();
    void documentNeverOverwritesAFileItDidNotChoose();
    void onlyARegularFileOpensAsDocument_data();
    void onlyARegularFileOpensAsDocument();
    void commandLine_data();
    void commandLine();
    void settingsPathExistsAndAnOrdinaryRunWritesNothing_data();
    void settingsPathExistsAndAnOrdinaryRunWritesNothing();
    void newLeavesTheGameAsItWas();
    void fileMenuShowsItsLeadingSeparator();
    void firstPaintWaitsForTheSettledWindow();
    void sizeIsFixedOnceTheLayoutIs();
    void movedWindowGoesBackUnlessMovedThereAgain();
    void settledPlacement_data();
    void settledPlacement();
    void programIconInTheWindowsSizes();
    void preparationOutlivesAnUnreadyToolkit();

private:
    QTemporaryDir m_config;
};

void TestShell::initTestCase() {
    QVERIFY(m_config.isValid());
    qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
}

void TestShell::menuBarFollowsItsTable() {
    Frame f;
    const QList<QAction*> menus = f.frame.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QString("&File"));
    QCOMPARE(menus[1]->text(), QString("&Help"));
    const QList<QAction*> file = menus[0]->menu()->actions();
    QCOMPARE(file.size(), 4);
    QVERIFY(file[0]->isSeparator());
    QCOMPARE(file[1]->text(), QString("&Print..."));
    QCOMPARE(file[1]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    QVERIFY(file[2]->isSeparator());
    QCOMPARE(file[3]->text(), QString("E&xit"));
    QCOMPARE(menus[0]->menu()->separatorsCollapsible(), false);
    const QList<QAction*> help = menus[1]->menu()->actions();
    QCOMPARE(help.size(), 1);
    QCOMPARE(help[0]->text(), QString("&About O.R.L.I.X...."));
    file[3]->trigger();
    help[0]->trigger();
    file[1]->trigger();
    QCOMPARE(f.commands, (std::vector<int>{ID_APP_EXIT, ID_APP_ABOUT, ID_FILE_PRINT}));
}

void TestShell::acceleratorTableIsComplete() {
    std::map<int, int> perCommand;
    for (const Accelerator& a : AcceleratorTable::Entries())
        ++perCommand[a.command];
    const std::map<int, int> expected{{ID_FILE_NEW, 1},   {ID_FILE_OPEN, 1},  {ID_FILE_SAVE, 1},
                                      {ID_FILE_PRINT, 1}, {ID_EDIT_UNDO, 2},  {ID_EDIT_CUT, 2},
                                      {ID_EDIT_COPY, 2},  {ID_EDIT_PASTE, 2}, {ID_NEXT_PANE, 1},
                                      {ID_PREV_PANE, 1}};
    QCOMPARE(perCommand, expected);
}

void TestShell::keysReachTheViewOrBecomeCommands_data() {
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<uint>("viewKey"); // 0: must not reach the view
    QTest::addColumn<int>("command");  // 0: no command
    QTest::newRow("Ctrl+N") << (Qt::CTRL | Qt::Key_N) << 0u << int(ID_FILE_NEW);
    QTest::newRow("Ctrl+O") << (Qt::CTRL | Qt::Key_O) << 0u << int(ID_FILE_OPEN);
    QTest::newRow("Ctrl+S") << (Qt::CTRL | Qt::Key_S) << 0u << int(ID_FILE_SAVE);
    QTest::newRow("Ctrl+P") << (Qt::CTRL | Qt::Key_P) << 0u << int(ID_FILE_PRINT);
    QTest::newRow("Ctrl+Z") << (Qt::CTRL | Qt::Key_Z) << 0u << int(ID_EDIT_UNDO);
    QTest::newRow("Ctrl+X") << (Qt::CTRL | Qt::Key_X) << 0u << int(ID_EDIT_CUT);
    QTest::newRow("Ctrl+C") << (Qt::CTRL | Qt::Key_C) << 0u << int(ID_EDIT_COPY);
    QTest::newRow("Ctrl+V") << (Qt::CTRL | Qt::Key_V) << 0u << int(ID_EDIT_PASTE);
    QTest::newRow("Alt+Backspace") << (Qt::ALT | Qt::Key_Backspace) << 0u << int(ID_EDIT_UNDO);
    QTest::newRow("Shift+Delete") << (Qt::SHIFT | Qt::Key_Delete) << 0u << int(ID_EDIT_CUT);
    QTest::newRow("Ctrl+Insert") << (Qt::CTRL | Qt::Key_Insert) << 0u << int(ID_EDIT_COPY);
    QTest::newRow("Shift+Insert") << (Qt::SHIFT | Qt::Key_Insert) << 0u << int(ID_EDIT_PASTE);
    QTest::newRow("F6") << QKeyCombination(Qt::Key_F6) << 0u << int(ID_NEXT_PANE);
    QTest::newRow("Shift+F6") << (Qt::SHIFT | Qt::Key_F6) << 0u << int(ID_PREV_PANE);
    QTest::newRow("Alt+F4 quits") << (Qt::ALT | Qt::Key_F4) << 0u << int(ID_APP_EXIT);
    QTest::newRow("Delete") << QKeyCombination(Qt::Key_Delete) << 46u << 0;
    QTest::newRow("Left") << QKeyCombination(Qt::Key_Left) << 37u << 0;
    QTest::newRow("End") << QKeyCombination(Qt::Key_End) << 35u << 0;
    QTest::newRow("F1") << QKeyCombination(Qt::Key_F1) << 112u << 0;
    QTest::newRow("F2") << QKeyCombination(Qt::Key_F2) << 113u << 0;
    QTest::newRow("a letter with Ctrl") << (Qt::CTRL | Qt::Key_A) << uint('A') << 0;
    QTest::newRow("Tab is a key, not a focus move") << QKeyCombination(Qt::Key_Tab) << 9u << 0;
    QTest::newRow("Alt+letter belongs to the menu") << (Qt::ALT | Qt::Key_Q) << 0u << 0;
    QTest::newRow("F10 belongs to the menu") << QKeyCombination(Qt::Key_F10) << 0u << 0;
}

void TestShell::keysReachTheViewOrBecomeCommands() {
    QFETCH(QKeyCombination, keys);
    QFETCH(uint, viewKey);
    QFETCH(int, command);
    Frame f;
    QVERIFY(QTest::qWaitForWindowActive(&f.frame));
    QTest::keyClick(f.host, keys.key(), keys.keyboardModifiers());
    // The Ctrl or Shift press before a combination is a key of its own and
    // reaches the view; what matters is the combination's key.
    std::vector<unsigned> reached;
    std::copy_if(f.view.keys.begin(), f.view.keys.end(), std::back_inserter(reached),
                 [](unsigned vk) { return vk != 16 && vk != 17; });
    QCOMPARE(reached, viewKey ? std::vector<unsigned>{viewKey} : std::vector<unsigned>{});
    QCOMPARE(f.commands, command ? std::vector<int>{command} : std::vector<int>{});
}

void TestShell::mouseButtonsReachTheView() {
    Frame f;
    QTest::mouseClick(f.host, Qt::LeftButton, {}, QPoint(11, 12));
    QTest::mouseClick(f.host, Qt::RightButton, {}, QPoint(300, 200));
    // A double click as the window system sends it: a press, then a double
    // click in place of the second press.
    QTest::mouseClick(f.host, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseDClick(f.host, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(f.view.rightClicks, (std::vector<Point>{{300, 200}}));
    // A double click is one press, not two.
    QCOMPARE(f.view.leftClicks, (std::vector<Point>{{11, 12}, {20, 20}}));
}

void TestShell::autoRepeatedKeysReachTheViewOneByOne() {
    Frame f;
    for (int i = 0; i < 3; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), i > 0);
        QApplication::sendEvent(f.host, &press);
    }
    QCOMPARE(f.view.keys, (std::vector<unsigned>{37, 37, 37}));
}

// The part of the view a dialog covered is erased and drawn again when
// it closes; the rest is left as it was.
void TestShell::closedDialogRepaintsWhatItCovered() {
    Frame f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
    QCoreApplication::processEvents();
    f.host->Client().Image().fill(Qt::black);
    const int draws = f.view.draws;
    QDialog dialog(&f.frame);
    dialog.setGeometry(QRect(f.host->mapToGlobal(QPoint(100, 80)), QSize(200, 150)));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect covered(f.host->mapFromGlobal(dialog.frameGeometry().topLeft()),
                        dialog.frameGeometry().size());
    dialog.hide();
    QTRY_COMPARE(f.view.draws, draws + 1);
    const QImage& image = f.host->Client().Image();
    QCOMPARE(image.pixel(covered.center()), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(covered.topLeft()), 0xFFFFFFFFu);
    QCOMPARE(image.pixel(covered.right() + 2, covered.center().y()), 0xFF000000u);
    QCOMPARE(image.pixel(covered.center().x(), covered.bottom() + 2), 0xFF000000u);
}

void TestShell::frameHasNoButtonsToolbarOrStatusBar() {
    Frame f;
    const Qt::WindowFlags flags = f.frame.windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(flags & Qt::CustomizeWindowHint);
    for (Qt::WindowType unwanted : {Qt::WindowSystemMenuHint, Qt::WindowMinimizeButtonHint,
                                    Qt::WindowMaximizeButtonHint, Qt::WindowCloseButtonHint})
        QVERIFY(!(flags & unwanted));
    QVERIFY(f.frame.findChildren<QToolBar*>().isEmpty());
    QVERIFY(f.frame.findChild<QStatusBar*>() == nullptr);
    QCOMPARE(f.frame.centralWidget(), f.host);
}

void TestShell::documentNeverOverwritesAFileItDidNotChoose() {
    QTemporaryDir dir;
    const QString existing = dir.filePath("scores.txt");
    QFile file(existing);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("precious");
    file.close();

    CORLIXDoc doc;
    QCOMPARE(doc.Title(), QString("Untitled"));
    QVERIFY(!doc.OpenFrom(dir.filePath("missing")));
    QCOMPARE(doc.Title(), QString("Untitled"));
    QVERIFY(doc.OpenFrom(existing));
    QCOMPARE(doc.Title(), QString("scores.txt"));
    QCOMPARE(ReadAll(existing), QByteArray("precious"));

    // Save on a document that came from a file asks nothing and writes nothing.
    CORLIXApp app;
    QVERIFY(app.InitInstance({"orlix", existing}));
    app.OnCommand(ID_FILE_SAVE);
    app.OnCommand(ID_FILE_NEW);
    QCOMPARE(ReadAll(existing), QByteArray("precious"));
    app.ExitInstance();

    QVERIFY(doc.SaveAs(dir.filePath("chosen")));
    QCOMPARE(ReadAll(dir.filePath("chosen")), QByteArray());
}

void TestShell::onlyARegularFileOpensAsDocument_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("opens");
    QTest::newRow("regular file") << "file" << true;
    QTest::newRow("empty name") << "" << false;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("directory") << "directory" << false;
    QTest::newRow("FIFO, which would wait for a writer") << "fifo" << false;
    QTest::newRow("device") << "/dev/null" << false;
    QTest::newRow("link to a regular file") << "link" << true;
}

void TestShell::onlyARegularFileOpensAsDocument() {
    QFETCH(QString, kind);
    QFETCH(bool, opens);
    QTemporaryDir dir;
    QFile(dir.filePath("file")).open(QIODevice::WriteOnly);
    QDir(dir.path()).mkdir("directory");
    QVERIFY(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600) == 0);
    QVERIFY(QFile::link(dir.filePath("file"), dir.filePath("link")));
    const QString path = kind.startsWith('/') || kind.isEmpty() ? kind : dir.filePath(kind);
    CORLIXDoc doc;
    QCOMPARE(doc.OpenFrom(path), opens);
    QCOMPARE(doc.Title(), opens ? QFileInfo(path).fileName() : QString("Untitled"));
}

void TestShell::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("document");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<QStringList>("toolkit");
    using R = CommandLine::Request;
    const QStringList bare{"/usr/bin/orlix"};
    QTest::newRow("nothing") << bare << int(R::Run) << "" << 0 << bare;
    QTest::newRow("a document") << QStringList{"orlix", "a.orx"} << int(R::Run) << "a.orx" << 0
                                << QStringList{"orlix"};
    QTest::newRow("--help") << QStringList{"orlix", "--help", "a.orx"} << int(R::Help) << "a.orx"
                            << 0 << QStringList{"orlix"};
    QTest::newRow("-h") << QStringList{"orlix", "-h"} << int(R::Help) << "" << 0
                        << QStringList{"orlix"};
    QTest::newRow("--version") << QStringList{"orlix", "--version"} << int(R::Version) << "" << 0
                               << QStringList{"orlix"};
    QTest::newRow("unknown options start normally")
        << QStringList{"orlix", "--fullscreen", "-x", "a.orx"} << int(R::Run) << "a.orx" << 2
        << QStringList{"orlix"};
    QTest::newRow("a second document is ignored")
        << QStringList{"orlix", "a", "b"} << int(R::Run) << "a" << 1 << QStringList{"orlix"};
    QTest::newRow("a file named like an option")
        << QStringList{"orlix", "--", "--help"} << int(R::Run) << "--help" << 0
        << QStringList{"orlix"};
    QTest::newRow("display and platform reach the toolkit")
        << QStringList{"orlix", "-platform", "xcb", "--display=:3"} << int(R::Run) << "" << 0
        << QStringList{"orlix", "-platform", "xcb", "-display", ":3"};
    QTest::newRow("a style sheet file is not read")
        << QStringList{"orlix", "-stylesheet", "x.qss"} << int(R::Run) << "x.qss" << 1
        << QStringList{"orlix"};
}

void TestShell::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(int, request);
    QFETCH(QString, document);
    QFETCH(int, warnings);
    QFETCH(QStringList, toolkit);
    const CommandLine line(arguments);
    QCOMPARE(int(line.What()), request);
    QCOMPARE(line.Document(), document);
    QCOMPARE(line.Warnings().size(), warnings);
    QCOMPARE(line.ToolkitArguments(), toolkit);
    QVERIFY(line.HelpText().contains(QFileInfo(arguments.first()).fileName() + " [options]"));
}

void TestShell::settingsPathExistsAndAnOrdinaryRunWritesNothing_data() {
    QTest::addColumn<QByteArray>("stored"); // empty: no settings file at all
    QTest::addColumn<int>("pages");
    QTest::newRow("first run") << QByteArray() << 0;
    QTest::newRow("unreadable value") << QByteArray("[Settings]\nPreviewPages=lots\n") << 0;
    QTest::newRow("a stored count") << QByteArray("[Settings]\nPreviewPages=3\n") << 3;
    QTest::newRow("negative") << QByteArray("[Settings]\nPreviewPages=-7\n") << -7;
    QTest::newRow("too large for an int")
        << QByteArray("[Settings]\nPreviewPages=99999999999\n") << 0;
    QTest::newRow("just fits") << QByteArray("[Settings]\nPreviewPages=2147483647\n") << 2147483647;
    QTest::newRow("stray bytes after valid settings")
        << QByteArray("[Settings]\nPreviewPages=3\n\xff\xfe\x01 not settings \xc3") << 3;
    QTest::newRow("stray bytes, value too large")
        << QByteArray("[Settings]\nPreviewPages=4294967296\n\xff\xfe") << 0;
}

void TestShell::settingsPathExistsAndAnOrdinaryRunWritesNothing() {
    QFETCH(QByteArray, stored);
    QFETCH(int, pages);
    const QString path = QSettings(CORLIXApp::kRegistryKey, CORLIXApp::kAppName).fileName();
    QFile::remove(path);
    if (!stored.isEmpty()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(stored);
    }
    CORLIXApp app;
    QVERIFY(app.InitInstance({"orlix"}));
    QCOMPARE(app.PreviewPages(), pages);
    QVERIFY(QFileInfo::exists(path));
    app.ExitInstance();
    QCOMPARE(ReadAll(path), stored);
}

void TestShell::newLeavesTheGameAsItWas() {
    CORLIXApp app;
    QVERIFY(app.InitInstance({"orlix"}));
    QVERIFY(QTest::qWaitForWindowExposed(app.MainFrame()));
    ViewHost* host = app.MainFrame()->Host();
    const QImage& client = host->Client().Image();
    QTRY_VERIFY(!client.isNull() && client.pixel(20, 20) != qRgb(255, 255, 255)); // the strip
    QTest::mouseClick(host, Qt::LeftButton, {}, QPoint(20, 20));                  // the Triangle
    QTest::keyClick(host, Qt::Key_Up);
    // The board and the counter lines above it; the rest may differ, as the
    // number the selection wrote in the corner is not repainted.
    const QRect board((client.width() - 250) / 2, (client.height() - 250) / 2, 250, 250);
    const QRect shown = board.adjusted(0, -69, 0, 0);
    const QImage before = client.copy(shown);
    app.OnCommand(ID_FILE_NEW);
    QCOMPARE(client.copy(shown), before);
    QTest::keyClick(host, Qt::Key_Up); // the game goes on where it was
    QCOMPARE(client.pixel(board.left(), board.top() + 244), qRgb(0, 0, 0));
    QCOMPARE(app.MainFrame()->windowTitle().left(10), QString("O.R.L.I.X."));
    app.ExitInstance();
}

// The separator that opens the File menu has room for its line, clear of
// the menu's frame and of the first item's highlight.
void TestShell::fileMenuShowsItsLeadingSeparator() {
    Frame f;
    QMenu* file = f.frame.menuBar()->actions().at(0)->menu();
    file->setActiveAction(file->actions().at(1)); // Print... highlighted, as on opening by key
    file->popup(f.frame.mapToGlobal(QPoint(0, 30)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    const QRect separator = file->actionGeometry(file->actions().at(0));
    QVERIFY(separator.height() >= MenuSeparatorStyle::kSeparatorHeight);
    const QImage image = file->grab().toImage();
    const int x = separator.center().x();
    const int middle = separator.top() + separator.height() / 2;
    const QRgb background = image.pixel(x, separator.top() + 1);
    QVERIFY(image.pixel(x, middle) != background);
    QCOMPARE(image.pixel(x, middle + 2), background);
    QCOMPARE(image.pixel(x, middle - 2), background);
    file->hide();
}

void TestShell::firstPaintWaitsForTheSettledWindow() {
    RecordingView view;
    auto* host = new ViewHost(&view);
    CMainFrame frame(host, [](int) {});
    QSignalSpy firstPaint(host, &ViewHost::FirstPaintDone);
    host->HoldFirstPaint();
    frame.resize(640, 480);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    host->repaint();
    frame.resize(700, 500); // still settling: no end of the game
    QTest::qWait(50);
    QCOMPARE(view.draws, 0);
    QCOMPARE(firstPaint.count(), 0);
    host->ReleaseFirstPaint();
    QTRY_COMPARE(view.draws, 1);
    QCOMPARE(firstPaint.count(), 1);
    QCOMPARE(host->Client().Image().size(), host->size());
}

void TestShell::sizeIsFixedOnceTheLayoutIs() {
    Frame f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
    QTRY_COMPARE(f.frame.minimumSize(), f.frame.size());
    QCOMPARE(f.frame.maximumSize(), f.frame.size());
}

// A window manager that lets the player move the window sees it go back;
// one that puts it in the same place again keeps it there.
void TestShell::movedWindowGoesBackUnlessMovedThereAgain() {
    Frame f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
    QTRY_COMPARE(f.frame.maximumSize(), f.frame.size());
    const QRect fixed = f.frame.geometry();
    const QRect moved = fixed.translated(40, 30);
    f.frame.setGeometry(moved);
    QTRY_COMPARE(f.frame.geometry(), fixed);
    f.frame.setGeometry(moved);
    QTest::qWait(50);
    QCOMPARE(f.frame.geometry(), moved);
}

// Placements seen while window managers settle a window mapped maximized
// over an 800 x 600 screen.
void TestShell::settledPlacement_data() {
    QTest::addColumn<WindowPlacement>("placement");
    QTest::addColumn<bool>("settled");
    QTest::addColumn<bool>("maximizedInNameOnly");
    const QRect screen(0, 0, 800, 600);
    WindowPlacement openbox{.mapped = true,
                            .maximizedHorz = true,
                            .maximizedVert = true,
                            .framed = true,
                            .frame = QMargins(1, 22, 1, 1),
                            .workArea = screen,
                            .client = QRect(1, 22, 798, 577),
                            .applied = QSize(798, 577)};
    QTest::newRow("openbox, settled") << openbox << true << false;
    WindowPlacement notApplied = openbox;
    notApplied.applied = QSize(800, 600);
    QTest::newRow("Qt has not applied the size yet") << notApplied << false << false;
    WindowPlacement unframed = openbox;
    unframed.framed = false;
    unframed.client = screen;
    unframed.applied = screen.size();
    QTest::newRow("maximized by Qt itself, not yet framed") << unframed << false << false;
    WindowPlacement restored = openbox;
    restored.maximizedVert = false;
    QTest::newRow("maximized one way only") << restored << false << false;
    WindowPlacement icewm = openbox;
    icewm.frame = QMargins(5, 24, 5, 5);
    icewm.workArea = QRect(0, 0, 800, 574);
    icewm.client = QRect(0, 19, 800, 555);
    icewm.applied = QSize(800, 555);
    QTest::newRow("icewm, borders off the screen, a task bar below") << icewm << true << false;
    WindowPlacement xfwm4 = openbox;
    xfwm4.frame = QMargins(0, 24, 0, 0);
    xfwm4.client = QRect(0, 24, 800, 600);
    xfwm4.applied = QSize(800, 600);
    QTest::newRow("xfwm4, framed but left at its size") << xfwm4 << false << true;
    WindowPlacement xfwm4Small = xfwm4;
    xfwm4Small.client = QRect(300, 262, 200, 100);
    xfwm4Small.applied = QSize(200, 100);
    QTest::newRow("xfwm4, framed but left small") << xfwm4Small << false << true;
    WindowPlacement titleOff = openbox;
    titleOff.client = QRect(1, 0, 798, 577);
    QTest::newRow("the title bar above the screen") << titleOff << false << true;
    WindowPlacement weston{.tellsFrame = false,
                           .configured = true,
                           .mapped = true,
                           .maximizedHorz = true,
                           .maximizedVert = true,
                           .frame = QMargins(),
                           .workArea = screen,
                           .client = QRect(38, 59, 788, 535),
                           .applied = QSize(788, 535)};
    QTest::newRow("weston's X11 manager, placed after mapping") << weston << true << false;
    WindowPlacement westonEarly = weston;
    westonEarly.configured = false;
    westonEarly.client = QRect(38, 59, 800, 600);
    westonEarly.applied = QSize(800, 600);
    QTest::newRow("weston's X11 manager, not yet placed") << westonEarly << false << false;
    WindowPlacement noMaximize{.canMaximize = false,
                               .mapped = true,
                               .framed = true,
                               .frame = QMargins(2, 20, 2, 2),
                               .workArea = screen,
                               .client = QRect(100, 100, 640, 480),
                               .applied = QSize(640, 480)};
    QTest::newRow("a manager that cannot maximize, framed") << noMaximize << true << false;
    // Nothing is painted before the window is mapped, so nothing before
    // that settles it. Openbox tells the maximized state and the frame
    // before it has moved the window into the frame: that is not a window
    // left at its size.
    WindowPlacement openboxUnmapped = openbox;
    openboxUnmapped.mapped = false;
    QTest::newRow("openbox, final, not yet mapped") << openboxUnmapped << false << false;
    WindowPlacement openboxInTransit = openboxUnmapped;
    openboxInTransit.client = screen;
    openboxInTransit.applied = screen.size();
    QTest::newRow("openbox, framed, not yet moved into the frame or mapped")
        << openboxInTransit << false << false;
}

void TestShell::settledPlacement() {
    QFETCH(WindowPlacement, placement);
    QFETCH(bool, settled);
    QFETCH(bool, maximizedInNameOnly);
    QCOMPARE(placement.IsSettled(), settled);
    QCOMPARE(placement.IsMaximizedInNameOnly(), maximizedInNameOnly);
}

// The window's icon in every size a window manager draws, each as its file
// draws it.
void TestShell::programIconInTheWindowsSizes() {
    const QIcon icon = CORLIXApp::ProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QCOMPARE(sizes, (QList<QSize>{
                        {16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
    for (const QSize& size : sizes)
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                 QImage(QString(":/icon/128-%1.png").arg(size.width()))
                     .convertToFormat(QImage::Format_ARGB32));
}

// A start-up that ends before the toolkit is ready must not leave the
// preparation's thread waiting for it, nor one told twice.
void TestShell::preparationOutlivesAnUnreadyToolkit() {
    { StartupPreparation unready; }
    StartupPreparation ready;
    ready.ToolkitReady();
    ready.ToolkitReady();
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
