#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

// The game's own translations of one language ("de", "fr", "es") installed
// while this lives, as the program installs them for a player of that
// language; "en" installs nothing. Needs orlix_translations linked in.
class InstalledLanguage {
public:
    explicit InstalledLanguage(const QString& language);
    ~InstalledLanguage();
    InstalledLanguage(const InstalledLanguage&) = delete;
    InstalledLanguage& operator=(const InstalledLanguage&) = delete;

    bool Loaded() const { return m_loaded; }
    // The languages the program has catalogues for, without English.
    static QStringList Translated();

private:
    QTranslator m_translator;
    bool m_loaded = false;
};
