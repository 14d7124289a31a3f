#pragma once

#include <QProxyStyle>

// The desktop's own style, with one difference nobody sees: the menu bar's
// overflow button, which a menu bar this short never shows, gets its icon
// only when drawn. Made at once, as a menu bar is built, that icon is read
// through a search of every image format plugin, each loaded for it, ahead
// of the first frame.
class ApplicationStyle : public QProxyStyle {
    Q_OBJECT
public:
    // key: the name of the style it stands in for.
    explicit ApplicationStyle(const QString& key) : QProxyStyle(key) {}
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
