#include "ApplicationFonts.h"

#include "Logging.h"
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
    const QStringList families = data.isEmpty()
                                     ? QStringList()
                                     : QFontDatabase::applicationFontFamilies(
                                           QFontDatabase::addApplicationFontFromData(data));
    if (families.isEmpty()) {
        qCWarning(lcResources) << "the built-in face" << face
                               << "cannot be used; the board's text takes the machine's Arial "
                                  "and its layout may differ";
        return {};
    }
    return families.first();
}
