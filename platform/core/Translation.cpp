#include "Translation.h"

#include <QCoreApplication>

std::string Translation::Text(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}
