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

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
