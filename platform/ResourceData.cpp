#include "ResourceData.h"

#include <QBuffer>
#include <QImageReader>
#include <QResource>

QByteArray ResourceData::Bytes(const QString& path) {
    const QResource resource(path);
    if (!resource.isValid())
        return {};
    if (resource.compressionAlgorithm() != QResource::Compression::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size());
}

QImage ResourceData::Image(const QString& path, const char* format) {
    QBuffer file;
    file.setData(Bytes(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
