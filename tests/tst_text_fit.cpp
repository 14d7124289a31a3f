#include "AboutDialogTemplate.h"
#include "BoardTexts.h"
#include "InstalledLanguage.h"
#include "PrintJob.h"
#include "ScoresDialogTemplate.h"
#include "TemplateDialog.h"
#include "TestView.h"
#include "TextPainter.h"
#include "VirtualKeys.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

// Every text fits its place in every language: on the board at the window
// sizes the game is played at, in the dialogs and on the printed page. Runs twice, as tst_fonts
// does: the dialogs take the desktop's fonts, the board and the page the built-in face.
class TestTextFit : public QObject {
    Q_OBJECT
private slots:
    void boardTextsFit_data();
    void boardTextsFit();
    void dialogTextsFit_data();
    void dialogTextsFit();
    void instructionsFitTheirPage_data();
    void instructionsFitTheirPage();
};

namespace {
// English and every language the program has a catalogue for.
QStringList Languages() {
    return QStringList{"en"} + InstalledLanguage::Translated();
}
// What a window manager's icon and buttons take of a caption's width.
constexpr int kCaptionButtons = 120;

QString Show(const QRect& r) {
    return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The dark pixels the text, drawn unclipped, puts in this part of the plane.
int InkIn(const DrawnText& text, const QRect& part) {
    QImage image(part.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-part.topLeft());
    painter.setFont(text.font);
    painter.setPen(Qt::black);
    painter.drawText(text.place, text.flags, text.text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 160 ? 1 : 0;
    return ink;
}

// A text is cut when any of its ink falls outside its room. Its lines' boxes
// may stick out a little (a line taller than its rectangle, as the prompt's
// is) without any ink doing so, so only then are the pixels looked at.
bool IsCut(const DrawnText& text) {
    if (text.room.contains(text.needed))
        return false;
    const int margin = 2 * QFontMetrics(text.font).height();
    const QRect around = text.room.united(text.needed).adjusted(-margin, -margin, margin, margin);
    int ink = 0;
    for (const QRect& part : QRegion(around) - QRegion(text.room))
        ink += InkIn(text, part);
    return ink > 0;
}

QStringList Cut(const std::vector<DrawnText>& texts) {
    QStringList cut;
    for (const DrawnText& text : texts) {
        if (IsCut(text))
            cut << QString("'%1' needs %2 in %3")
                       .arg(text.text, Show(text.needed), Show(text.room));
    }
    return cut;
}

// Everything the surfaces draw while this lives.
class DrawnTexts {
public:
    DrawnTexts() { TextPainter::RecordInto(&m_drawn); }
    ~DrawnTexts() { TextPainter::RecordInto(nullptr); }
    QStringList Cut() const { return ::Cut(m_drawn); }
    size_t Count() const { return m_drawn.size(); }

private:
    std::vector<DrawnText> m_drawn;
};

// Each label's lines against the label's size, and each button's text
// against the inside of its frame.
QStringList CutControls(const QWidget& dialog) {
    std::vector<DrawnText> labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        const int flags = int(label->alignment());
        labels.push_back({label->text(), label->font(), flags, label->rect(), label->rect(),
                          label->fontMetrics().boundingRect(label->rect(), flags, label->text())});
    }
    QStringList cut = Cut(labels);
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        const int frame =
            button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int needed =
            button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
            2 * frame;
        if (needed > button->width())
            cut << QString("button '%1' needs %2 in %3")
                       .arg(button->text())
                       .arg(needed)
                       .arg(button->width());
    }
    return cut;
}

int CaptionWidth(const QString& caption) {
    QFont bold = QApplication::font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(caption);
}
} // namespace

// The client area at each screen size, less 70 pixels of title bar, menu
// bar and panel: the smaller the height, the shorter the advice column.
void TestTextFit::boardTextsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("client");
    for (const QString& language : Languages())
        for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)})
            QTest::addRow("%s %dx%d", qPrintable(language), screen.width(), screen.height())
                << language << QSize(screen.width(), screen.height() - 70);
}

// Every state's texts: the prompt and help line, each outline's name with
// the counters, hint and advice, and the results with the play-again line.
void TestTextFit::boardTextsFit() {
    QFETCH(QString, language);
    QFETCH(QSize, client);
    const InstalledLanguage installed(language);
    QVERIFY(installed.Loaded());
    const DrawnTexts drawn;
    TestView t(client.width(), client.height());
    for (int outline = 1; outline <= OutlineCatalogue::kCount; ++outline) {
        t.Select(outline);
        t.Paint();
        t.Key(VK_DELETE);
    }
    t.Select(OutlineCatalogue::kCount);
    t.Probe().SetMovesLeft(1);
    t.Key(VK_LEFT); // the last move: the game ends and shows its results
    QCOMPARE(t.Probe().m_nGameState, GameState::Finished);
    t.Paint();
    const QStringList cut = drawn.Cut();
    qInfo("%s at %dx%d: %zu texts drawn, %lld cut", qPrintable(language), client.width(),
          client.height(), drawn.Count(), qlonglong(cut.size()));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
}

void TestTextFit::dialogTextsFit_data() {
    QTest::addColumn<QString>("language");
    for (const QString& language : Languages())
        QTest::newRow(qPrintable(language)) << language;
}

// The About box and the scores dialog on an 800 x 600 screen (the
// instructions box fits its text to the screen itself). The English scores
// caption is the original's and is wider than a window manager leaves it; a
// translation's must fit.
void TestTextFit::dialogTextsFit() {
    QFETCH(QString, language);
    const InstalledLanguage installed(language);
    QVERIFY(installed.Loaded());
    for (const DialogTemplate* t : {&AboutDialogTemplate::Get(), &ScoresDialogTemplate::Get()}) {
        const TemplateDialog dialog(*t, nullptr);
        const QStringList cut = CutControls(dialog);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
        const int caption = CaptionWidth(dialog.windowTitle());
        qInfo("%s, dialog %d: %lld controls cut; caption %d of %d pixels", qPrintable(language),
              t->id, qlonglong(cut.size()), caption, dialog.width() - kCaptionButtons);
        if (language != u"en")
            QVERIFY2(caption <= dialog.width() - kCaptionButtons, qPrintable(dialog.windowTitle()));
    }
}

// The title line carries the date as the player's locale writes it ("%c"):
// for the translations, as Debian's de_DE, fr_FR and es_ES write it, with
// a summer time zone; for English as the C locale does.
void TestTextFit::instructionsFitTheirPage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("date");
    QTest::addColumn<int>("page");
    const std::map<QString, QString> dates{{"en", "Wed Dec 30 23:59:59 2026"},
                                           {"de", "Mi 30 Dez 2026 23:59:59 CEST"},
                                           {"fr", "mer. 30 déc. 2026 23:59:59 CEST"},
                                           {"es", "mié 30 dic 2026 23:59:59 CEST"}};
    for (const QString& language : Languages()) {
        const auto date = dates.find(language);
        for (const auto& [name, page] :
             {std::pair("A4", QPageSize::A4), {"Letter", QPageSize::Letter}})
            QTest::addRow("%s %s", qPrintable(language), name)
                << language << (date != dates.end() ? date->second : "no date for it") << int(page);
    }
}

// The page holds all of the instructions, and the title line its width:
// what does not fit is cut off.
void TestTextFit::instructionsFitTheirPage() {
    QFETCH(QString, language);
    QFETCH(QString, date);
    QFETCH(int, page);
    const InstalledLanguage installed(language);
    QVERIFY(installed.Loaded());
    TestView t;
    t.Probe().SetTitle(BoardTexts().rightsNotice + date.toStdString() + BoardTexts().versionSuffix);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(page)));
    const DrawnTexts drawn;
    QVERIFY(PrintJob(*t.view, t.shell, nullptr).Run(printer, true));
    const QStringList cut = drawn.Cut();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("\n")));
}

// One screen the size of a small monitor, for the dialogs to fit.
int main(int argc, char** argv) {
    QTemporaryDir dir;
    const QString config = dir.filePath("screen.json");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": 800, "height": 600,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    QApplication app(argc, argv);
    TestTextFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_text_fit.moc"
