#include "Translations.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>

namespace {
QString GameCatalogue(const QString& language) {
    return QStringLiteral(":/i18n/orlix_%1.qm").arg(language);
}
} // namespace

Translations::Translations() : m_language(Choose(QLocale::system().uiLanguages())) {
    if (m_language.isEmpty())
        return;
    if (m_game.load(GameCatalogue(m_language)))
        QCoreApplication::installTranslator(&m_game);
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qt.load(QStringLiteral("qtbase_") + m_language, qtDirectory))
        QCoreApplication::installTranslator(&m_qt);
    else
        qCDebug(lcResources) << "no Qt translations for" << m_language << "in" << qtDirectory;
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&m_qt);
    QCoreApplication::removeTranslator(&m_game);
}

// "de-DE", "de_DE.UTF-8", "de" and "de@euro" all ask for German.
QString Translations::Choose(const QStringList& uiLanguages) {
    for (const QString& entry : uiLanguages) {
        qsizetype letters = 0;
        while (letters < entry.size() && entry.at(letters).isLetter())
            ++letters;
        const QString language = entry.left(letters).toLower();
        if (language == u"en" || language == u"c" || language == u"posix")
            return {};
        if (QFile::exists(GameCatalogue(language)))
            return language;
    }
    return {};
}
