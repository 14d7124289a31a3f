#pragma once

#include <QProxyStyle>

// The style of the game's menus: a separator gets room enough that the line
// the style draws across its middle shows. Fusion lays a separator out two pixels tall, so one that
// opens a menu (the File menu's does) sits under the menu's frame and the first item's highlight,
// and the menu looks as if it began with its first item.
class MenuSeparatorStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kSeparatorHeight = 9;

    using QProxyStyle::QProxyStyle;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
};
