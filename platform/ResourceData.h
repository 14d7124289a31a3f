#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A resource built into the program, read without a copy where it is
// stored as it is (as images that do not compress are), unpacked otherwise.
class ResourceData {
public:
    // Empty when there is no such resource.
    static QByteArray Bytes(const QString& path);
    // An image of a known format ("BMP", "PNG"), decoded as it is stored;
    // null when missing or damaged. The format is taken as given: no image
    // plugin is loaded to guess at it.
    static QImage Image(const QString& path, const char* format);
};
