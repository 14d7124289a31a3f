#include "Font.h"
#include "GameTexts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTest>

// Runs twice: with the machine's fonts, and with a font set-up that has
// only DejaVu; the game's text must come out the same either way.
class TestFonts : public QObject {
    Q_OBJECT
private slots:
    void arialIsTheBuiltInFace_data();
    void arialIsTheBuiltInFace();
    void linesFitAnEightHundredPixelWindow_data();
    void linesFitAnEightHundredPixelWindow();
    void cellHeightPicksTheClosestSize_data();
    void cellHeightPicksTheClosestSize();
};

void TestFonts::arialIsTheBuiltInFace_data() {
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bold");
    QTest::newRow("Arial Bold, the board's text") << "Arial Bold" << 18 << true;
    QTest::newRow("Arial Bold, the name at 600 px") << "Arial Bold" << 30 << true;
    QTest::newRow("Arial") << "Arial" << 16 << false;
}

void TestFonts::arialIsTheBuiltInFace() {
    QFETCH(QString, face);
    QFETCH(int, height);
    QFETCH(bool, bold);
    const Font font(face.toStdString(), height);
    const QFontInfo info(font.QtFont());
    QCOMPARE(info.family(), QString("Liberation Sans"));
    QCOMPARE(info.bold(), bold);
    // No pixel size gives every cell height exactly; the nearest is taken.
    QVERIFY(std::abs(QFontMetrics(font.QtFont()).height() - height) <= 1);
}

// The widest lines the board draws on one line, in the face and height of
// an 800-pixel-wide window.
void TestFonts::linesFitAnEightHundredPixelWindow_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("help line") << QString(GameTexts::kHelpLine);
    QTest::newRow("prompt") << QString(GameTexts::kPrompt);
}

void TestFonts::linesFitAnEightHundredPixelWindow() {
    QFETCH(QString, text);
    const Font font("Arial Bold", 18);
    QVERIFY2(QFontMetrics(font.QtFont()).horizontalAdvance(text) < 800,
             qPrintable(QFontInfo(font.QtFont()).family()));
}

void TestFonts::cellHeightPicksTheClosestSize_data() {
    QTest::addColumn<QString>("face");
    QTest::newRow("Arial Bold") << "Arial Bold";
    QTest::newRow("Arial") << "Arial";
}

// Every size from half the cell height to all of it is tried here, and the
// closest cell height wins, the smaller size on a tie: the font must have
// picked the same size without trying them all.
void TestFonts::cellHeightPicksTheClosestSize() {
    QFETCH(QString, face);
    for (int cell = 1; cell <= 80; ++cell) {
        QFont probe = Font(face.toStdString(), cell).QtFont();
        const int picked = probe.pixelSize();
        int best = 0, bestDiff = -1;
        for (int size = std::max(cell / 2, 1); size <= cell; ++size) {
            probe.setPixelSize(size);
            const int diff = std::abs(QFontMetrics(probe).height() - cell);
            if (bestDiff < 0 || diff < bestDiff) {
                bestDiff = diff;
                best = size;
            }
        }
        QVERIFY2(
            picked == best,
            qPrintable(QString("cell %1: size %2, closest %3").arg(cell).arg(picked).arg(best)));
    }
}

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
