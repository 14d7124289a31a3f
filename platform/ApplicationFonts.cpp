#include "ApplicationFonts.h"

#include <QDir>
#include <QFontDatabase>

QString ApplicationFonts::ArialFamily() {
    static const QString family = Register();
    return family;
}

QString ApplicationFonts::Register() {
    QString family;
    const QStringList faces = QDir(QStringLiteral(":/font")).entryList({"*.ttf"}, QDir::Files);
    for (const QString& face : faces) {
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/font/") + face);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (family.isEmpty() && !families.isEmpty())
            family = families.first();
    }
    return family;
}
