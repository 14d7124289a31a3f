#include "FittingMessageBox.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QScreen>

namespace {
// What a window manager adds around a box: borders and a caption.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;
constexpr int kWidthStep = 20;
constexpr int kSmallestPixelSize = 8;
} // namespace

FittingMessageBox::FittingMessageBox(Icon icon, const QString& title, const QString& text,
                                     StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    // The icon is a word for a screen reader too.
    if (auto* label = findChild<QLabel*>(QStringLiteral("qt_msgboxex_icon_label")))
        label->setAccessibleName(icon == Warning
                                     //: The name a screen reader gives the exclamation-mark
                                     //: icon of the instructions box.
                                     ? QCoreApplication::translate("MessageBox", "Warning")
                                     : title);
}

QSize FittingMessageBox::Room(const QScreen* screen) {
    const QSize available = screen != nullptr ? screen->availableSize() : QSize(800, 600);
    return {available.width() - kFrameWidth, available.height() - kFrameHeight};
}

// The box lays itself out as it is shown, and again at each layout request.
// Before it reaches the screen, a box that came out too tall has its text
// made wider, then smaller, and lays itself out again at once.
void FittingMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    const QSize room = Room(screen());
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label == nullptr || height() <= room.height())
        return;
    FitText(*label, room - (size() - label->size()));
    QCoreApplication::sendPostedEvents(this, QEvent::LayoutRequest);
    CentreOverOwner();
}

void FittingMessageBox::FitText(QLabel& label, QSize room) {
    int width = label.width();
    while (width < room.width() && label.heightForWidth(width) > room.height())
        width = qMin(room.width(), width + kWidthStep);
    while (label.heightForWidth(width) > room.height() && ShrinkText(label)) {
    }
    label.setMinimumWidth(width);
}

// One pixel smaller, down to a size still readable.
bool FittingMessageBox::ShrinkText(QLabel& label) {
    QFont font = label.font();
    const int pixels = QFontInfo(font).pixelSize();
    if (pixels <= kSmallestPixelSize)
        return false;
    font.setPixelSize(pixels - 1);
    label.setFont(font);
    return true;
}

void FittingMessageBox::CentreOverOwner() {
    const QRect area = screen() != nullptr ? screen()->availableGeometry() : QRect();
    const QRect over = parentWidget() != nullptr ? parentWidget()->window()->frameGeometry() : area;
    QPoint topLeft = over.center() - QPoint(width() / 2, height() / 2);
    topLeft.setX(
        qMax(area.x(), qMin(topLeft.x(), area.x() + area.width() - width() - kFrameWidth)));
    topLeft.setY(
        qMax(area.y(), qMin(topLeft.y(), area.y() + area.height() - height() - kFrameHeight)));
    move(topLeft);
}
