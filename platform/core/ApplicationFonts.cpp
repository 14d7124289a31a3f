#include "ApplicationFonts.h"

#include "Logging.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

// Both faces are registered together, when a font first asks for either.
QString ApplicationFonts::ArialFamily(bool bold) {
    static const QString regular = Register(QStringLiteral("LiberationSans-Regular"));
    static const QString boldFamily = Register(QStringLiteral("LiberationSans-Bold"));
    return bold ? boldFamily : regular;
}

// A copy is made only of a face that was stored packed.
QString ApplicationFonts::Register(const QString& face) {
    const QResource resource(QStringLiteral(":/font/%1.ttf").arg(face));
    const QByteArray data =
        resource.compressionAlgorithm() == QResource::Compression::NoCompression
            ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                      qsizetype(resource.size()))
            : resource.uncompressedData();
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFontFromData(data));
    if (families.isEmpty()) {
        qCWarning(lcResources) << "the built-in face" << face
                               << "cannot be used; the board's text takes the machine's Arial "
                                  "and its layout may differ";
        return {};
    }
    return families.first();
}
