#include "InstalledLanguage.h"

#include <QCoreApplication>

InstalledLanguage::InstalledLanguage(const QString& language) {
    if (language == u"en") {
        m_loaded = true;
        return;
    }
    m_loaded = m_translator.load(QStringLiteral(":/i18n/orlix_%1.qm").arg(language)) &&
               QCoreApplication::installTranslator(&m_translator);
}

InstalledLanguage::~InstalledLanguage() {
    QCoreApplication::removeTranslator(&m_translator);
}
