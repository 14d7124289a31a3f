#include "AboutDialogTemplate.h"
#include "CAboutDlg.h"
#include "FittingMessageBox.h"
#include "PrintJob.h"
#include "TemplateDialog.h"
#include "TestView.h"

#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
// A print job whose dialog is played by the test: it answers with the
// player's choice of page range, or cancels.
class ScriptedPrintJob : public PrintJob {
public:
    ScriptedPrintJob(TestView& t, bool accept, int from, int to)
        : PrintJob(*t.view, t.shell, nullptr), m_accept(accept), m_from(from), m_to(to) {}
    bool DoModal() override {
        ++dialogs;
        if (m_from > 0) {
            Printer()->setPrintRange(QPrinter::PageRange);
            Printer()->setFromTo(m_from, m_to);
        }
        return m_accept;
    }
    int dialogs = 0;

private:
    bool m_accept;
    int m_from, m_to;
};

void PdfPrinter(QPrinter& printer, const QString& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
}

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return "<" + program.toLatin1() + " failed>";
    return process.readAllStandardOutput();
}

// Words as pdftotext gives them back in drawing order: line breaks, blanks,
// the hyphens of words broken at the line end and ligatures do not count.
QString Letters(const QString& text) {
    return text.normalized(QString::NormalizationForm_KC).remove(QRegularExpression("[\\s\\-]"));
}

// Runs check on the modal box the code under test opens, once it is up.
void WhenModalOpens(std::function<void(QWidget*)> check) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, check] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            check(modal);
        }
    });
    timer->start(20);
}

QImage PageInPoints(const QString& pdf, const QString& png) {
    Run("pdftoppm", {"-r", "72", "-gray", "-png", "-singlefile", pdf, png.chopped(4)});
    return QImage(png);
}

// The box around the dark pixels of an area of the page.
QRect Ink(const QImage& page, const QRect& area) {
    QRect ink;
    for (int y = qMax(0, area.top()); y < qMin(page.height(), area.y() + area.height()); ++y)
        for (int x = qMax(0, area.left()); x < qMin(page.width(), area.x() + area.width()); ++x)
            if (qGray(page.pixel(x, y)) < 160)
                ink |= QRect(x, y, 1, 1);
    return ink;
}
} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void printsOnePageOfInstructionsToPdf_data();
    void printsOnePageOfInstructionsToPdf();
    void pageStaysInsideItsMargins();
    void dialogChoices_data();
    void dialogChoices();
    void jobThatCannotStartIsReported();
    void printDialogOffersPageRangesAndCancels();
    void aboutBoxClosesEveryWay_data();
    void aboutBoxClosesEveryWay();
    void longMessageFitsTheScreen_data();
    void longMessageFitsTheScreen();

private:
    QTemporaryDir m_dir;
};

void TestPrinting::initTestCase() {
    QVERIFY(m_dir.isValid());
    QPixmap icon(32, 32);
    icon.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(icon));
}

void TestPrinting::printsOnePageOfInstructionsToPdf_data() {
    QTest::addColumn<QString>("title");
    QTest::newRow("the latest repaint's title") << QString();
    QTest::newRow("a date in a non-ASCII locale")
        << QString("O.R.L.I.X. -- Mi 4 M\u00e4rz 2026 10:15:00 -- Version K418");
}

// Printed at once, as with no dialog: one page with all seven blocks and
// the window title, word for word.
void TestPrinting::printsOnePageOfInstructionsToPdf() {
    QFETCH(QString, title);
    TestView t;
    if (!title.isEmpty())
        t.Probe().SetTitle(title.toStdString()); // the locale's own 8 bits
    const QString pdf = m_dir.filePath(QTest::currentDataTag() + QString(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, pdf);
    QVERIFY(PrintJob(*t.view, t.shell, nullptr).Run(printer, true));
    QVERIFY(Run("pdfinfo", {pdf}).contains("Pages:           1\n"));
    const QString text = Letters(QString::fromUtf8(Run("pdftotext", {"-raw", pdf, "-"})));
    QVERIFY2(text.contains(Letters(QString::fromStdString(t.Probe().m_strInstructions))),
             qPrintable(text));
    QVERIFY(text.contains(Letters(QString::fromStdString(t.Probe().m_strTitle))));
    QVERIFY(t.shell.messageBoxes.empty());
}

// On paper, in points: the title a unit below the printable top and on the
// page, the text between the side margins of three units and above the
// bottom one of two.
void TestPrinting::pageStaysInsideItsMargins() {
    TestView t;
    const QString pdf = m_dir.filePath("margins.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, pdf);
    QVERIFY(PrintJob(*t.view, t.shell, nullptr).Run(printer, true));
    const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Point);
    const qreal u = t.Probe().m_nPrintUnit * 72.0 / printer.resolution();
    QVERIFY(u > 10);
    const QImage page = PageInPoints(pdf, m_dir.filePath("margins.png"));
    const QRect title = Ink(page, QRectF(0, 0, page.width(), printable.top() + 4 * u).toRect());
    const QRect text =
        Ink(page, QRectF(0, printable.top() + 4 * u, page.width(), page.height()).toRect());
    const auto near = [](qreal a, qreal b) { return qAbs(a - b) <= 3; };
    QVERIFY2(near(title.left(), printable.left() + 3 * u),
             qPrintable(QString::number(title.left())));
    QVERIFY(near(title.top(), printable.top() + u + u / 5));
    QVERIFY(title.x() + title.width() <= printable.right());
    QVERIFY2(near(text.left(), printable.left() + 3 * u), qPrintable(QString::number(text.left())));
    QVERIFY(text.top() >= printable.top() + 4 * u && text.top() < printable.top() + 5 * u);
    QVERIFY(text.x() + text.width() <= printable.right() - 3 * u + 1);
    QVERIFY(text.x() + text.width() > printable.right() - 6 * u);
    QVERIFY(text.y() + text.height() <= printable.bottom() - 2 * u + 1);
}

void TestPrinting::dialogChoices_data() {
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("printed");
    QTest::newRow("cancelled") << false << 0 << 0 << false;
    QTest::newRow("all pages") << true << 0 << 0 << true;
    QTest::newRow("page 1") << true << 1 << 1 << true;
    QTest::newRow("pages 1 to 5") << true << 1 << 5 << true;
    QTest::newRow("pages 2 to 3") << true << 2 << 3 << false;
}

// Nothing that is not printed leaves a file, a message or a changed game.
void TestPrinting::dialogChoices() {
    QFETCH(bool, accept);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, printed);
    TestView t;
    t.Select(1);
    const QImage before = t.Snapshot();
    const QString pdf = m_dir.filePath(QTest::currentDataTag() + QString(".pdf"));
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, pdf);
    ScriptedPrintJob job(t, accept, from, to);
    QCOMPARE(job.Run(printer, false), printed);
    QCOMPARE(job.dialogs, 1);
    QCOMPARE(QFileInfo(pdf).size() > 0, printed);
    QCOMPARE(t.Probe().m_nPageHeight > 0, printed);
    QVERIFY(t.shell.messageBoxes.empty());
    QCOMPARE(t.Snapshot(), before);
    QCOMPARE(int(t.Probe().m_nGameState), int(GameState::Tracing));
}

void TestPrinting::jobThatCannotStartIsReported() {
    TestView t;
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, m_dir.filePath("no such folder/page.pdf"));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    QVERIFY(!PrintJob(*t.view, t.shell, nullptr).Run(printer, true));
    QCOMPARE(t.shell.messageBoxes, std::vector<std::string>{"Could not start print job."});
    QCOMPARE(t.Probe().m_nPageHeight, 0);
}

void TestPrinting::printDialogOffersPageRangesAndCancels() {
    TestView t;
    const QString pdf = m_dir.filePath("cancelled.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PdfPrinter(printer, pdf);
    bool seen = false;
    WhenModalOpens([&seen](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        seen = dialog != nullptr && dialog->testOption(QAbstractPrintDialog::PrintPageRange) &&
               !dialog->testOption(QAbstractPrintDialog::PrintCurrentPage) &&
               !dialog->testOption(QAbstractPrintDialog::PrintSelection) &&
               dialog->minPage() == 1 && dialog->maxPage() > 1;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QVERIFY(!PrintJob(*t.view, t.shell, nullptr).Run(printer, false));
    QVERIFY(seen);
    QVERIFY(!QFileInfo::exists(pdf));
    QVERIFY(t.shell.messageBoxes.empty());
}

void TestPrinting::aboutBoxClosesEveryWay_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "ok" << int(IDOK);
    QTest::newRow("Esc") << "esc" << int(IDCANCEL);
    QTest::newRow("close box") << "close" << int(IDCANCEL);
}

// The box shows the icon and its lines whole, and closes with OK, Esc or
// its close box.
void TestPrinting::aboutBoxClosesEveryWay() {
    QFETCH(QString, how);
    QFETCH(int, result);
    QStringList texts;
    bool icon = false, closeBox = false, cut = false;
    WhenModalOpens([&](QWidget* box) {
        QCOMPARE(box->windowTitle(), QString("About O.R.L.I.X."));
        closeBox = box->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        for (QLabel* label : box->findChildren<QLabel*>()) {
            icon |= !label->pixmap().isNull();
            if (!label->text().isEmpty())
                texts << label->text();
            cut |= label->sizeHint().width() > label->width() ||
                   label->sizeHint().height() > label->height() + 2;
        }
        auto* ok = qobject_cast<QPushButton*>(static_cast<TemplateDialog*>(box)->Item(1));
        QVERIFY(ok != nullptr && ok->isDefault() && ok->text() == "OK");
        if (how == "ok")
            ok->click();
        else if (how == "esc")
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->close();
    });
    QCOMPARE(CAboutDlg().DoModal(nullptr), result);
    QVERIFY(icon);
    QVERIFY(closeBox);
    QVERIFY2(!cut, qPrintable(texts.join('|')));
    QCOMPARE(texts.size(), 2);
    QCOMPARE(texts[0], QString("O.R.L.I.X. Version K418 \nTo see instructions press F1\n"
                               "To see past scores press F2"));
    QVERIFY(texts[1].contains("2026"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TestPrinting::longMessageFitsTheScreen_data() {
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("longText");
    QTest::newRow("instructions, 800 x 600") << 0 << true;
    QTest::newRow("instructions, 640 x 480") << 1 << true;
    QTest::newRow("a short message keeps its size") << 0 << false;
}

void TestPrinting::longMessageFitsTheScreen() {
    QFETCH(int, screen);
    QFETCH(bool, longText);
    QScreen* on = QGuiApplication::screens().value(screen);
    QVERIFY(on != nullptr);
    TestView t;
    const QString text =
        longText ? QString::fromStdString(t.Probe().m_strInstructionsBox) : "Could not start.";
    FittingMessageBox box(QMessageBox::Warning, "O.R.L.I.X.", text, QMessageBox::Ok, nullptr);
    QMessageBox plain(QMessageBox::Warning, "O.R.L.I.X.", text, QMessageBox::Ok, nullptr);
    for (QMessageBox* b : {static_cast<QMessageBox*>(&box), &plain}) {
        b->setScreen(on);
        b->move(on->geometry().topLeft());
        b->show();
    }
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QSize room = FittingMessageBox::Room(on);
    const int pixels = QFontInfo(box.findChild<QLabel*>("qt_msgbox_label")->font()).pixelSize();
    // Room for a window manager's frame too, unless the text is as small as
    // it gets (a screen this small with an unusually tall face).
    QVERIFY2(box.width() <= room.width() && (box.height() <= room.height() || pixels == 8),
             qPrintable(QString("%1 x %2, %3 px").arg(box.width()).arg(box.height()).arg(pixels)));
    QVERIFY(on->availableGeometry().contains(box.geometry()));
    QVERIFY(pixels >= 8);
    QPushButton* ok = box.findChild<QPushButton*>();
    QVERIFY(ok != nullptr && box.rect().contains(QRect(ok->mapTo(&box, QPoint()), ok->size())));
    if (longText)
        QVERIFY(plain.height() > room.height()); // what the fitting is for
    else
        QCOMPARE(box.size(), plain.size());
}

// Two screens the size of small monitors, for the message boxes to fit.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath("screens.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [
        {"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "smaller", "x": 800, "y": 0, "width": 640, "height": 480,
         "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_printing.moc"
