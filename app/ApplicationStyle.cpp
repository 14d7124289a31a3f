#include "ApplicationStyle.h"

#include "DeferredIcon.h"

#include <QGuiApplication>
#include <QStyleOption>

// Of the option, only the direction bears on this icon, and the option
// does not outlive the call; the widget does not bear on it.
QIcon ApplicationStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    QStyleOption kept;
    kept.direction = option != nullptr ? option->direction : QGuiApplication::layoutDirection();
    return DeferredIcon::Create([this, standardIcon, kept] {
        return QProxyStyle::standardIcon(standardIcon, &kept, nullptr);
    });
}
