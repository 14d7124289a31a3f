#include "Translations.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

// The language a player gets, and translations that keep what the program
// relies on: the placeholders, lines, mnemonics and blanks of their English
// source, the key names printed on that country's keyboards, the scores
// header's columns, and counter labels short enough for the view's line
// buffer (24 bytes: the label, a number of up to three digits, a zero).
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void languageFromTheLocale_data();
    void languageFromTheLocale();
    void translationsKeepWhatTheProgramNeeds_data();
    void translationsKeepWhatTheProgramNeeds();
};

namespace {
struct Message {
    QString context, source, translation;
};

std::vector<Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    std::vector<Message> messages;
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            messages.push_back({context, xml.readElementText(), {}});
        else if (xml.name() == u"translation")
            messages.back().translation = xml.readElementText();
    }
    return messages;
}

// The keys the texts name, and what the keyboards of each language print.
const std::map<QString, std::map<QString, QString>> kKeyNames{
    {"de", {{"Delete", "Entf"}, {"End", "Ende"}, {"Ctrl", "Strg"}}},
    {"fr", {{"Delete", "Suppr"}, {"End", "Fin"}, {"Ctrl", "Ctrl"}}},
    {"es", {{"Delete", "Supr"}, {"End", "Fin"}, {"Ctrl", "Ctrl"}}},
};

bool NamesWord(const QString& text, const QString& word) {
    return text.contains(QRegularExpression("\\b" + QRegularExpression::escape(word) + "\\b"));
}

// Where the scores header's digits stand: each heading's column.
std::vector<qsizetype> DigitColumns(const QString& header) {
    std::vector<qsizetype> columns;
    static const QRegularExpression heading("-?[0-9]");
    for (const QRegularExpressionMatch& match : heading.globalMatch(header))
        columns.push_back(match.capturedStart());
    return columns;
}

QStringList Faults(const Message& m, const std::map<QString, QString>& keys) {
    const QString& s = m.source;
    const QString& t = m.translation;
    if (t.isEmpty())
        return {"no translation"};
    QStringList faults;
    for (const QString kept : {"%1", "\n", "\t", "&"}) {
        if (s.count(kept) != t.count(kept))
            faults << QString("'%1' %2 times, not %3")
                          .arg(kept, QString::number(t.count(kept)),
                               QString::number(s.count(kept)));
    }
    if (s.endsWith(' ') != t.endsWith(' ') || s.startsWith(' ') != t.startsWith(' '))
        faults << "the blank at its start or end";
    for (const auto& [english, local] : keys) {
        if (NamesWord(s, english) && m.context != u"CommandLine" && !NamesWord(t, local))
            faults << QString("the key %1 is not called %2").arg(english, local);
    }
    if (s.startsWith("Image ") && DigitColumns(t) != DigitColumns(s))
        faults << "the headings do not stand over their columns";
    if (m.context == u"Board" && s.endsWith(": ") && t.toUtf8().size() > 20)
        faults << "longer than 20 bytes";
    return faults;
}
} // namespace

void TestTranslations::languageFromTheLocale_data() {
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("C") << QStringList{"C"} << "";
    QTest::newRow("nothing asked") << QStringList{} << "";
    QTest::newRow("German in Germany") << QStringList{"de-DE", "de-Latn-DE", "de"} << "de";
    QTest::newRow("Swiss German") << QStringList{"de-CH", "de-Latn-CH"} << "de";
    QTest::newRow("Canadian French") << QStringList{"fr-CA"} << "fr";
    QTest::newRow("a locale name") << QStringList{"es_MX.UTF-8"} << "es";
    QTest::newRow("Portuguese, then Spanish") << QStringList{"pt-BR", "pt", "es"} << "es";
    QTest::newRow("English before German") << QStringList{"en-GB", "de"} << "";
    QTest::newRow("Japanese only") << QStringList{"ja-JP", "ja"} << "";
}

void TestTranslations::languageFromTheLocale() {
    QFETCH(QStringList, asked);
    QFETCH(QString, chosen);
    QCOMPARE(Translations::Choose(asked), chosen);
}

void TestTranslations::translationsKeepWhatTheProgramNeeds_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(ORLIX_TRANSLATIONS_DIR);
    for (const QString& file : dir.entryList({"orlix_*.ts"}))
        QTest::newRow(qPrintable(file)) << dir.filePath(file);
}

void TestTranslations::translationsKeepWhatTheProgramNeeds() {
    QFETCH(QString, path);
    const QString language = QFileInfo(path).baseName().mid(6);
    const auto keys = kKeyNames.find(language);
    QVERIFY2(keys != kKeyNames.end(), "the key names of its keyboards are not known here");
    const std::vector<Message> messages = ReadCatalogue(path);
    QVERIFY(messages.size() > 60);
    QStringList faults;
    for (const Message& m : messages) {
        for (const QString& fault : Faults(m, keys->second))
            faults << QString("%1 '%2': %3").arg(m.context, m.source.left(40), fault);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
