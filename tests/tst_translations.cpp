#include "BoardTexts.h"
#include "InstalledLanguage.h"
#include "OutlineCatalogue.h"
#include "Translations.h"
#include "ViewProbe.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

// The language a player gets, and translations that keep what the program
// relies on: the placeholders, lines, mnemonics and blanks of their English
// source, the key names printed on that country's keyboards, the scores
// header's columns, and counter labels that leave room for their numbers.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void languageFromTheLocale_data();
    void languageFromTheLocale();
    void translationsKeepWhatTheProgramNeeds_data();
    void translationsKeepWhatTheProgramNeeds();
    void everyOutlineHasItsName_data();
    void everyOutlineHasItsName();
    void labelsLeaveRoomForTheirNumbers_data();
    void labelsLeaveRoomForTheirNumbers();
};

namespace {

struct Message {
    QString context, source, translation;
};

std::vector<Message> ReadCatalogue(const QString& language) {
    QFile file(QStringLiteral(ORLIX_TRANSLATIONS_DIR "/orlix_%1.ts").arg(language));
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

// Where the header's digits stand: each heading's column.
std::vector<qsizetype> DigitColumns(const QString& header) {
    std::vector<qsizetype> columns;
    static const QRegularExpression heading("-?[0-9]");
    for (const QRegularExpressionMatch& match : heading.globalMatch(header))
        columns.push_back(match.capturedStart());
    return columns;
}

QStringList Faults(const Message& m, const QString& language) {
    QStringList faults;
    const QString& s = m.source;
    const QString& t = m.translation;
    if (t.isEmpty())
        return {"no translation"};
    for (const QString kept : {"%1", "\n", "\t", "&"}) {
        if (s.count(kept) != t.count(kept))
            faults << QString("'%1' %2 times, not %3")
                          .arg(kept, QString::number(t.count(kept)),
                               QString::number(s.count(kept)));
    }
    if (s.endsWith(' ') != t.endsWith(' ') || s.startsWith(' ') != t.startsWith(' '))
        faults << "the blank at its start or end";
    const auto keys = kKeyNames.find(language);
    if (keys == kKeyNames.end())
        return {"no key names known for the language"};
    for (const auto& [english, local] : keys->second) {
        if (NamesWord(s, english) && m.context != u"CommandLine" && !NamesWord(t, local))
            faults << QString("the key %1 is not called %2").arg(english, local);
    }
    if (s.startsWith("Image ") && DigitColumns(t) != DigitColumns(s))
        faults << "the headings do not stand over their columns";
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
    QTest::newRow("Mexican Spanish") << QStringList{"es-MX", "es-Latn-MX"} << "es";
    QTest::newRow("a locale name") << QStringList{"es_ES.UTF-8"} << "es";
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
    QTest::addColumn<QString>("language");
    for (const QString& language : InstalledLanguage::Translated())
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::translationsKeepWhatTheProgramNeeds() {
    QFETCH(QString, language);
    const std::vector<Message> messages = ReadCatalogue(language);
    QVERIFY(messages.size() > 60);
    QStringList faults;
    for (const Message& m : messages) {
        for (const QString& fault : Faults(m, language))
            faults << QString("%1 '%2': %3").arg(m.context, m.source.left(40), fault);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestTranslations::everyOutlineHasItsName_data() {
    translationsKeepWhatTheProgramNeeds_data();
}

// The names come from the catalogue, not from a source lupdate reads
// directly: a new outline must not go untranslated unnoticed.
void TestTranslations::everyOutlineHasItsName() {
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/orlix_%1.qm").arg(language)));
    for (const OutlineEntry& entry : OutlineCatalogue::Entries())
        QVERIFY2(!translator.translate("Outline", entry.name).isEmpty(), entry.name);
}

void TestTranslations::labelsLeaveRoomForTheirNumbers_data() {
    translationsKeepWhatTheProgramNeeds_data();
}

// A counter line is its label and a number of up to three digits in the
// view's line buffer; a longer label would cut the number short.
void TestTranslations::labelsLeaveRoomForTheirNumbers() {
    QFETCH(QString, language);
    const InstalledLanguage installed(language);
    QVERIFY(installed.Loaded());
    const BoardTexts texts;
    constexpr size_t room = sizeof(ViewProbe::m_szLabel) - 1 - 3;
    for (const std::string& label :
         {texts.movesLeft, texts.moveCount, texts.hitCount, texts.misses, texts.hits, texts.score})
        QVERIFY2(label.size() <= room, label.c_str());
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
