#include "ApplicationFonts.h"

#include "ResourceData.h"

#include <QFontDatabase>
#include <QStringList>

QString ApplicationFonts::ArialFamily(bool bold) {
    if (bold) {
        static const QString family = Register(QStringLiteral("LiberationSans-Bold"));
        return family;
    }
    static const QString family = Register(QStringLiteral("LiberationSans-Regular"));
    return family;
}

QString ApplicationFonts::Register(const QString& face) {
    const QByteArray data = ResourceData::Bytes(QStringLiteral(":/font/%1.ttf").arg(face));
    if (data.isEmpty())
        return {};
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFontFromData(data));
    return families.isEmpty() ? QString() : families.first();
}
