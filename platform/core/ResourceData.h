#pragma once

#include <QByteArray>
#include <QString>

// A resource built into the program, read without a copy where it is
// stored as it is (as images that do not compress are), unpacked otherwise.
class ResourceData {
public:
    // Empty when there is no such resource.
    static QByteArray Bytes(const QString& path);
};
