#include "OutlineCatalogue.h"
#include "SyntheticOutlines.h"
#include "TestView.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <clocale>

namespace {

// A repaint of the whole window, which the paint erases first.
QImage RepaintFromScratch(TestView& t) {
    t.Paint();
    return t.Snapshot();
}
} // namespace

class TestPainting : public QObject {
    Q_OBJECT
private slots:
    void selectingShowsStripPromptAndHelp();
    void tracingRepaintMatchesWhatTheHandlerDrew_data();
    void tracingRepaintMatchesWhatTheHandlerDrew();
    void finishedShowsResults_data();
    void finishedShowsResults();
    void finishedWithoutBudgetShowsNoResults();
    void titleIsRebuiltAtEveryPaint();
    void titleIsUtf8WhateverTheLocalesEncoding();
    void sizeChangeEndsTheProgramWithoutDrawing();
    void repaintErasesWhatTheSelectingPictureLacks();
    void exposedPartIsErasedAndRedrawnAlone();
    void repaintsAtTheSameSizeKeepTheGame();
};

void TestPainting::selectingShowsStripPromptAndHelp() {
    TestView t(800, 600);
    const QImage shown = t.Snapshot();
    for (int i = 1; i <= OutlineCatalogue::kCount; ++i) {
        const Rect& r = t.Probe().m_rcThumb[i];
        QCOMPARE(Crop(shown, r), t.Probe().m_bmThumb[i].Image());
    }
    bool navy = false, red = false;
    for (int y = t.Probe().m_rcPrompt.top; y < t.Probe().m_rcPrompt.bottom; ++y)
        for (int x = t.Probe().m_rcPrompt.left; x < t.Probe().m_rcPrompt.right; ++x)
            navy |= FromQRgb(shown.pixel(x, y)) == CORLIXView::kPromptColour;
    for (int y = 600 - t.Probe().m_sizeSmallM.cy - 2; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            red |= FromQRgb(shown.pixel(x, y)) == CORLIXView::kHelpColour;
    QVERIFY(navy);
    QVERIFY(red);
    QVERIFY(IsWhite(shown, t.Probe().m_rcBoard));
    QVERIFY(IsWhite(shown, t.Probe().m_rcName));
}

void TestPainting::tracingRepaintMatchesWhatTheHandlerDrew_data() {
    QTest::addColumn<int>("number");
    QTest::newRow("Triangle") << 1;
    QTest::newRow("Letter E") << 15;
}

void TestPainting::tracingRepaintMatchesWhatTheHandlerDrew() {
    QFETCH(int, number);
    TestView t(800, 540);
    t.Select(number);
    t.Paint(); // the strip and help line, which the selection does not draw
    const QImage drawn = t.Snapshot();
    const QImage repainted = RepaintFromScratch(t);
    const ViewProbe v = t.Probe();
    for (const Rect* r : {&v.m_rcBoard, &v.m_rcMovesLeft, &v.m_rcMoveCount, &v.m_rcHitCount,
                          &v.m_rcHint, &v.m_rcName, &v.m_rcAdvice, &v.m_rcPrompt})
        QCOMPARE(Crop(repainted, *r), Crop(drawn, *r));
}

void TestPainting::finishedShowsResults_data() {
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("misses");
    QTest::addColumn<QString>("score");
    QTest::newRow("perfect") << 100 << 0 << "Score: 100";
    QTest::newRow("62.5 goes up") << 8 << 3 << "Score:  63";
    QTest::newRow("none hit") << 150 << 150 << "Score:   0";
    QTest::newRow("3 and 1") << 3 << 1 << "Score:  67";
}

void TestPainting::finishedShowsResults() {
    QFETCH(int, total);
    QFETCH(int, misses);
    QFETCH(QString, score);
    TestView t(800, 540);
    t.Select(1);
    const ViewProbe v = t.Probe();
    t.Probe().SetFinished(total, misses);
    const QImage shown = RepaintFromScratch(t);
    const QByteArray missesText = "Misses: " + QByteArray::number(misses).rightJustified(3);
    const QByteArray hitsText = "Hits: " + QByteArray::number(total - misses).rightJustified(3);
    QCOMPARE(Crop(shown, v.m_rcMisses), RenderCentredLine(missesText, v.m_rcMisses));
    QCOMPARE(Crop(shown, v.m_rcHits), RenderCentredLine(hitsText, v.m_rcHits));
    QCOMPARE(Crop(shown, v.m_rcScore), RenderCentredLine(score.toLatin1(), v.m_rcScore));
    QCOMPARE(Crop(shown, v.m_rcHint),
             RenderCentredLine("To play again, press the End Key.", v.m_rcHint));
}

void TestPainting::finishedWithoutBudgetShowsNoResults() {
    TestView t(800, 540);
    t.Select(1);
    t.Probe().SetFinished(0, 0);
    const QImage shown = RepaintFromScratch(t);
    for (const Rect* r : {&t.Probe().m_rcMisses, &t.Probe().m_rcHits, &t.Probe().m_rcScore,
                          &t.Probe().m_rcHint, &t.Probe().m_rcAdvice})
        QVERIFY(IsWhite(shown, *r));
    QVERIFY(!IsWhite(shown, t.Probe().m_rcMovesLeft));
    QVERIFY(!IsWhite(shown, t.Probe().m_rcName));
}

void TestPainting::titleIsRebuiltAtEveryPaint() {
    TestView t(800, 540);
    t.Paint();
    QCOMPARE(t.shell.titles.size(), size_t(2));
    const QString title = QString::fromStdString(t.shell.titles.back());
    QVERIFY(title.startsWith("O.R.L.I.X."));
    QVERIFY(title.endsWith(" -- Version K418"));
    QVERIFY(title.contains(QString::fromStdString(t.Probe().m_strTime)));
    QVERIFY(!t.Probe().m_strTime.empty());
    QCOMPARE(t.Probe().m_strTitle, t.shell.titles.back());
}

void TestPainting::sizeChangeEndsTheProgramWithoutDrawing() {
    TestView t(800, 540);
    t.client.Resize(800, 541);
    t.Paint();
    QCOMPARE(t.shell.exits, std::vector<int>{0});
    QVERIFY(IsWhite(t.client.Image(), {0, 0, 800, 541}));
    QCOMPARE(t.Probe().m_rcClientFirst, (Rect{0, 0, 800, 540}));
}

// A refused click on the strip's gap draws the hint and the advice; in
// Selecting a repaint leaves those areas as the erase left them.
void TestPainting::repaintErasesWhatTheSelectingPictureLacks() {
    TestView t(800, 540);
    t.Click(37, 20);
    QVERIFY(!IsWhite(t.Snapshot(), t.Probe().m_rcHint));
    const QImage shown = RepaintFromScratch(t);
    QVERIFY(IsWhite(shown, t.Probe().m_rcHint));
    QVERIFY(IsWhite(shown, t.Probe().m_rcAdvice));
    QVERIFY(!IsWhite(shown, t.Probe().m_rcPrompt));
}

// The window and the printed page both take the title as UTF-8; the date
// comes in the locale's own encoding, here KOI8-R, whose every day and month
// name is Cyrillic.
void TestPainting::titleIsUtf8WhateverTheLocalesEncoding() {
    QTemporaryDir dir;
    const int status = QProcess::execute(
        "localedef", {"-i", "ru_RU", "-f", "KOI8-R", dir.filePath("ru_RU.KOI8-R")});
    QVERIFY2(status == 0 || status == 1, "localedef failed: is the locales package there?");
    qputenv("LOCPATH", dir.path().toLocal8Bit());
    const QByteArray before = std::setlocale(LC_TIME, nullptr);
    QVERIFY(std::setlocale(LC_TIME, "ru_RU.KOI8-R") != nullptr);
    TestView t;
    std::setlocale(LC_TIME, before.constData());
    qunsetenv("LOCPATH");
    const QString title = QString::fromStdString(t.Probe().m_strTitle);
    QVERIFY2(!title.contains(QChar::ReplacementCharacter), qPrintable(title));
    QVERIFY2(title.contains(QRegularExpression("\\p{Cyrillic}")), qPrintable(title));
}

// Only the exposed part is erased and drawn again; the title still shows
// the time of this repaint.
void TestPainting::exposedPartIsErasedAndRedrawnAlone() {
    TestView t(800, 540);
    t.Select(1);
    t.view->OnKeyDown(38, 1, 0); // Up: a pen mark beside the start dot
    const QImage traced = t.Snapshot();
    const ViewProbe v = t.Probe();
    QImage scribbled = traced;
    scribbled.fill(Qt::red);
    t.client.Image() = scribbled;
    const size_t titles = t.shell.titles.size();
    const Rect exposed{v.m_rcBoard.left, v.m_rcBoard.top, v.m_rcBoard.right, v.m_rcBoard.top + 100};

    t.Expose(exposed);

    const QImage shown = t.Snapshot();
    QCOMPARE(Crop(shown, exposed), Crop(traced, exposed));
    const Rect below{v.m_rcBoard.left, exposed.bottom, v.m_rcBoard.right, v.m_rcBoard.bottom};
    QCOMPARE(Crop(shown, below), Crop(scribbled, below));
    QCOMPARE(Crop(shown, v.m_rcHint), Crop(scribbled, v.m_rcHint));
    QCOMPARE(t.shell.titles.size(), titles + 1);
}

void TestPainting::repaintsAtTheSameSizeKeepTheGame() {
    TestView t(800, 540);
    t.Select(5);
    t.view->OnKeyDown(39, 1, 0);
    const QImage traced = t.Snapshot();
    for (int i = 0; i < 3; ++i) {
        t.Paint();
        t.Expose({0, 0, 10, 10});
    }
    QVERIFY(t.shell.exits.empty());
    QCOMPARE(t.Probe().m_nGameState, GameState::Tracing);
    QCOMPARE(Crop(t.Snapshot(), t.Probe().m_rcBoard), Crop(traced, t.Probe().m_rcBoard));
}

QTEST_MAIN(TestPainting)
#include "tst_painting.moc"
