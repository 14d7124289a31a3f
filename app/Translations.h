#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The player's language for the whole program: the game's own texts and
// Qt's (its standard buttons, the print dialog), chosen from the languages
// the locale asks for, as Qt reads them (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG). English is the language of the texts themselves: for it nothing
// is loaded.
class Translations {
public:
    // Installs the translations of the player's language into the running
    // application, if the game has that language; they stay while this
    // object lives. Qt's own come from Debian's qt6-translations-l10n;
    // without that package Qt's texts stay English.
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The first of the languages asked for (as QLocale::uiLanguages gives
    // them, most wanted first) that the game has: "de", say; empty for
    // English, which is also what C, POSIX and an English entry before any
    // of the game's languages choose.
    static QString Choose(const QStringList& uiLanguages);
    // The language installed; empty for English.
    QString Language() const { return m_language; }

private:
    QString m_language;
    QTranslator m_game;
    QTranslator m_qt;
};
