#include "CScoresDlg.h"
#include "ScoreHistory.h"
#include "ScoresDialogTemplate.h"
#include "TemplateDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <functional>
#include <set>

namespace {
// Runs the dialog, hands it to `inside` once it is up, and returns what
// DoModal returned.
int RunDialog(CScoresDlg& dlg, const std::function<void(TemplateDialog&)>& inside) {
    QWidget owner;
    owner.resize(800, 600);
    owner.show();
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TemplateDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog != nullptr);
        inside(*dialog);
        if (dialog->isVisible()) // a failed check must not leave it open
            dialog->done(QDialog::Rejected);
    });
    return dlg.DoModal(&owner);
}

QLineEdit* Field(TemplateDialog& dialog, int id) {
    return qobject_cast<QLineEdit*>(dialog.Item(id));
}
} // namespace

class TestScoresDialog : public QObject {
    Q_OBJECT
private slots:
    void recordShiftsTheRowNewestFirst();
    void recordIgnoresOutlinesOutsideTheCatalogue_data();
    void recordIgnoresOutlinesOutsideTheCatalogue();
    void fieldIds_data();
    void fieldIds();
    void templateFollowsItsLayout();
    void dialogShowsTheScoresInTheirFields();
    void closing_data();
    void closing();
};

void TestScoresDialog::recordShiftsTheRowNewestFirst() {
    ScoreHistory history;
    for (const char* text : {"  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8"})
        history.RecordScore(6, text);
    const char* expected[] = {"  8", "  7", "  6", "  5", "  4", "  3", "  2"};
    for (int slot = 0; slot < ScoreHistory::kSlots; ++slot)
        QCOMPARE(history.Score(6, slot), std::string(expected[slot]));
    for (int slot = 0; slot < ScoreHistory::kSlots; ++slot) {
        QVERIFY(history.Score(5, slot).empty());
        QVERIFY(history.Score(7, slot).empty());
    }
    // A row fills from the newest slot, one field per game.
    history.RecordScore(1, "100");
    QCOMPARE(history.Score(1, 0), std::string("100"));
    QVERIFY(history.Score(1, 1).empty());
}

void TestScoresDialog::recordIgnoresOutlinesOutsideTheCatalogue_data() {
    QTest::addColumn<int>("outline");
    QTest::newRow("0, before any selection") << 0;
    QTest::newRow("16") << 16;
    QTest::newRow("negative") << -1;
}

void TestScoresDialog::recordIgnoresOutlinesOutsideTheCatalogue() {
    QFETCH(int, outline);
    ScoreHistory history;
    history.RecordScore(outline, " 50");
    for (int row = 1; row <= ScoreHistory::kOutlines; ++row)
        for (int slot = 0; slot < ScoreHistory::kSlots; ++slot)
            QVERIFY(history.Score(row, slot).empty());
}

void TestScoresDialog::fieldIds_data() {
    QTest::addColumn<int>("outline");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("id");
    const int rows[][4] = {{1, 1001, 1004, 1009},  {2, 1002, 1010, 1015}, {3, 1003, 1016, 1021},
                           {4, 1022, 1023, 1028},  {5, 1029, 1030, 1035}, {10, 1064, 1065, 1070},
                           {14, 1092, 1093, 1098}, {15, 1099, 1100, 1105}};
    for (const auto& r : rows) {
        QTest::addRow("outline %d, Score 0", r[0]) << r[0] << 0 << r[1];
        QTest::addRow("outline %d, Score -1", r[0]) << r[0] << 1 << r[2];
        QTest::addRow("outline %d, Score -6", r[0]) << r[0] << 6 << r[3];
    }
}

void TestScoresDialog::fieldIds() {
    QFETCH(int, outline);
    QFETCH(int, slot);
    QFETCH(int, id);
    QCOMPARE(ScoreHistory::FieldId(outline, slot), id);
}

void TestScoresDialog::templateFollowsItsLayout() {
    const DialogTemplate& t = ScoresDialogTemplate::Get();
    QCOMPARE(t.id, 175);
    QCOMPARE(QString(t.caption),
             QString("Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest"));
    QCOMPARE(t.cx, 326);
    QCOMPARE(t.cy, 294);
    QVERIFY(!t.systemMenu);
    QCOMPARE(t.controls.size(), size_t(108));
    const DialogControl& exit = t.controls[0];
    QCOMPARE(exit.id, 1);
    QCOMPARE(QString(exit.text), QString("Exit"));
    QCOMPARE((std::array{exit.x, exit.y, exit.cx, exit.cy}), (std::array{138, 278, 50, 14}));
    QCOMPARE(exit.style & (CS_DEFAULT | CS_TABSTOP), unsigned(CS_DEFAULT | CS_TABSTOP));
    QCOMPARE(QString(t.controls[1].text),
             QString("Image      Score 0  Score -1  Score -2  Score -3  Score -4  Score -5"
                     "  Score -6"));
    QCOMPARE(QString(t.controls[2].text).split('\n').size(), 29);
    const int slotX[] = {48, 87, 127, 167, 207, 248, 288};
    std::set<int> ids;
    for (size_t i = 3; i < t.controls.size(); ++i) {
        const DialogControl& c = t.controls[i];
        QCOMPARE(c.id, int(1001 + i - 3)); // ascending ids
        QVERIFY(!(c.style & CS_TABSTOP));
        QCOMPARE(c.style & (CS_READONLY | CS_CENTER | CS_BORDER),
                 unsigned(CS_READONLY | CS_CENTER | CS_BORDER));
        QCOMPARE(bool(c.style & CS_GROUP), i == 3);
        QCOMPARE((std::array{c.cx, c.cy}), (std::array{28, 13}));
        ids.insert(c.id);
    }
    for (int outline = 1; outline <= 15; ++outline)
        for (int slot = 0; slot < 7; ++slot) {
            const DialogControl& c =
                t.controls[size_t(3 + ScoreHistory::FieldId(outline, slot) - 1001)];
            QCOMPARE((std::array{c.x, c.y}), (std::array{slotX[slot], 30 + 16 * (outline - 1)}));
        }
    QCOMPARE(ids.size(), size_t(105));
}

void TestScoresDialog::dialogShowsTheScoresInTheirFields() {
    CScoresDlg dlg;
    dlg.History().RecordScore(10, " 85");
    dlg.History().RecordScore(1, "  0");
    dlg.History().RecordScore(1, "100");
    RunDialog(dlg, [](TemplateDialog& dialog) {
        QCOMPARE(dialog.windowTitle(),
                 QString("Scores by Image. Score 0 is the Most Recent and Score -6 is the Oldest"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(Field(dialog, 1064)->text(), QString(" 85"));
        QCOMPARE(Field(dialog, 1001)->text(), QString("100"));
        QCOMPARE(Field(dialog, 1004)->text(), QString("  0"));
        int filled = 0;
        for (int id = 1001; id <= 1105; ++id) {
            QLineEdit* field = Field(dialog, id);
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->focusPolicy(), Qt::NoFocus);
            QVERIFY(field->alignment() & Qt::AlignHCenter);
            filled += field->text().isEmpty() ? 0 : 1;
        }
        QCOMPARE(filled, 3);
        auto* exit = qobject_cast<QPushButton*>(dialog.Item(1));
        QVERIFY(exit->isDefault());
        QCOMPARE(dialog.focusWidget(), exit);
        // The fields sit side by side without overlapping, in their rows.
        QVERIFY(Field(dialog, 1001)->geometry().right() < Field(dialog, 1004)->geometry().left());
        QVERIFY(Field(dialog, 1001)->geometry().bottom() < Field(dialog, 1002)->geometry().top());
    });
}

void TestScoresDialog::closing_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("readBack"); // the fields' texts go back into the history
    QTest::newRow("Exit") << "click" << int(IDOK) << true;
    QTest::newRow("Enter") << "enter" << int(IDOK) << true;
    QTest::newRow("Esc") << "escape" << int(IDCANCEL) << false;
}

// The fields are read-only, so what goes back is what came in; a field
// changed behind the player's back shows which way the texts flow.
void TestScoresDialog::closing() {
    QFETCH(QString, how);
    QFETCH(int, result);
    QFETCH(bool, readBack);
    CScoresDlg dlg;
    dlg.History().RecordScore(3, " 42");
    dlg.History().RecordScore(3, " 43");
    const int got = RunDialog(dlg, [how](TemplateDialog& dialog) {
        Field(dialog, 1003)->setText("changed");
        if (how == "click")
            QTest::mouseClick(dialog.Item(1), Qt::LeftButton);
        else
            QTest::keyClick(&dialog, how == "enter" ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(got, result);
    QCOMPARE(dlg.History().Score(3, 0), std::string(readBack ? "changed" : " 43"));
    QCOMPARE(dlg.History().Score(3, 1), std::string(" 42"));
    QVERIFY(dlg.History().Score(3, 2).empty());
    // Each run builds the dialog afresh; the texts stay in the object.
    RunDialog(dlg, [readBack](TemplateDialog& dialog) {
        QCOMPARE(Field(dialog, 1003)->text(), QString(readBack ? "changed" : " 43"));
    });
}

QTEST_MAIN(TestScoresDialog)
#include "tst_scores_dialog.moc"
