#include "ApplicationFonts.h"

#include "Logging.h"

#include <QFontDatabase>
#include <QStringList>

// Both faces are registered together, when a font first asks for either.
QString ApplicationFonts::ArialFamily(bool bold) {
    static const QString regular = Register(QStringLiteral("LiberationSans-Regular"));
    static const QString boldFamily = Register(QStringLiteral("LiberationSans-Bold"));
    return bold ? boldFamily : regular;
}

QString ApplicationFonts::Register(const QString& face) {
    const QStringList families = QFontDatabase::applicationFontFamilies(
        QFontDatabase::addApplicationFont(QStringLiteral(":/font/%1.ttf").arg(face)));
    if (families.isEmpty()) {
        qCWarning(lcResources) << "the built-in face" << face
                               << "cannot be used; the board's text takes the machine's Arial "
                                  "and its layout may differ";
        return {};
    }
    return families.first();
}
