#include "InstalledLanguage.h"

#include <QCoreApplication>
#include <QDir>

InstalledLanguage::InstalledLanguage(const QString& language) {
    if (language == u"en") {
        m_loaded = true;
        return;
    }
    m_loaded = m_translator.load(QStringLiteral(":/i18n/orlix_%1.qm").arg(language)) &&
               QCoreApplication::installTranslator(&m_translator);
}

QStringList InstalledLanguage::Translated() {
    QStringList languages;
    for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({"orlix_*.qm"}))
        languages << file.mid(6).chopped(3);
    return languages;
}

InstalledLanguage::~InstalledLanguage() {
    QCoreApplication::removeTranslator(&m_translator);
}
