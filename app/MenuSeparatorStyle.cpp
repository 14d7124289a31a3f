#include "MenuSeparatorStyle.h"

#include <QStyleOptionMenuItem>

namespace {
bool IsPlainSeparator(const QStyleOption* option) {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    return item != nullptr && item->menuItemType == QStyleOptionMenuItem::Separator &&
           item->text.isEmpty();
}
} // namespace

QSize MenuSeparatorStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                           const QSize& size, const QWidget* widget) const {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_MenuItem && IsPlainSeparator(option))
        result.setHeight(std::max(result.height(), kSeparatorHeight));
    return result;
}
