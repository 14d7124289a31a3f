#include "TemplateDialog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {
// Fixedsys, the face the scores dialog was laid out in, has a 15-pixel cell.
constexpr int kFixedsysCell = 15;
constexpr int kSmallestPixelSize = 6;
// Room for the window manager's frame and caption around a dialog.
constexpr int kFrameAllowance = 40;
const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

// Each line of a text is a message of its own: a column of names shares
// its translations with the board, which shows the names one at a time.
QString Translated(const char* context, const char* text) {
    QStringList lines = QString::fromUtf8(text).split(u'\n');
    if (context != nullptr) {
        for (QString& line : lines) {
            if (!line.isEmpty())
                line = QCoreApplication::translate(context, line.toUtf8().constData());
        }
    }
    return lines.join(u'\n');
}

QSizeF BaseUnits(const QFont& font) {
    const QFontMetricsF metrics(font);
    return {metrics.horizontalAdvance(kAlphabet) / 52, metrics.lineSpacing()};
}

bool Fits(const DialogTemplate& t, const QFont& font, QSize screen) {
    const QSizeF base = BaseUnits(font);
    return t.cx * base.width() / 4 <= screen.width() &&
           t.cy * base.height() / 8 + kFrameAllowance <= screen.height();
}

Qt::Alignment TextAlignment(unsigned style) {
    const Qt::Alignment horizontal = (style & CS_CENTER) ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | ((style & CS_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop);
}

QWidget* CreateButton(const DialogControl& control, const QString& text, QDialog* dialog) {
    auto* button = new QPushButton(text, dialog);
    button->setDefault(control.style & CS_DEFAULT);
    button->setAutoDefault(false);
    if (control.id == IDOK)
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::accept);
    else if (control.id == IDCANCEL)
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

QWidget* CreateStatic(const DialogControl& control, const QString& text, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setAlignment(TextAlignment(control.style));
    label->setContentsMargins(0, 0, 0, 0);
    label->setIndent(0);
    return label;
}

QWidget* CreateEdit(const DialogControl& control, const QString& text, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setReadOnly(control.style & CS_READONLY);
    edit->setFrame(control.style & CS_BORDER);
    edit->setAlignment(TextAlignment(control.style) | Qt::AlignVCenter);
    edit->setTextMargins(0, 0, 0, 0);
    edit->setContentsMargins(0, 0, 0, 0);
    return edit;
}

QWidget* CreateIcon(const QRect& box, QWidget* parent) {
    auto* label = new QLabel(parent);
    // The icon keeps its own 32 x 32 size, anchored at the control's corner.
    label->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    label->setAccessibleName(QApplication::applicationDisplayName());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumSize(32, 32);
    label->resize(qMax(box.width(), 32), qMax(box.height(), 32));
    return label;
}
} // namespace

// The desktop's own faces stand in for the ones the templates name: for
// Fixedsys the fixed-pitch face at the size whose lines are no taller than
// Fixedsys's, for any other face the desktop's dialog font at the
// template's point size. Either shrinks until the dialog fits the screen.
QFont TemplateDialog::DialogFont(const DialogTemplate& t, QSize screen) {
    const bool fixed = qstrcmp(t.fontFace, "Fixedsys") == 0;
    QFont font = fixed ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QApplication::font();
    if (fixed) {
        font.setStyleHint(QFont::TypeWriter);
        font.setPixelSize(kFixedsysCell);
        while (font.pixelSize() > kSmallestPixelSize &&
               QFontMetricsF(font).lineSpacing() > kFixedsysCell)
            font.setPixelSize(font.pixelSize() - 1);
    } else {
        font.setPointSize(t.pointSize);
        font.setPixelSize(QFontInfo(font).pixelSize());
    }
    while (font.pixelSize() > kSmallestPixelSize && !Fits(t, font, screen))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

TemplateDialog::TemplateDialog(const DialogTemplate& t, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         (t.systemMenu ? Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                       : Qt::WindowFlags())) {
    setWindowTitle(Translated(t.context, t.caption));
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    setFont(DialogFont(t, screen != nullptr ? screen->availableSize() : QSize(800, 600)));
    SetBaseUnits(font());
    setFixedSize(ToPixels(0, 0, t.cx, t.cy).size());
    QWidget* previous = nullptr;
    for (const DialogControl& control : t.controls) {
        QWidget* widget = CreateControl(
            control, Translated(control.context ? control.context : t.context, control.text));
        widget->setFocusPolicy((control.style & CS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
        if (previous != nullptr)
            setTabOrder(previous, widget);
        previous = widget;
        if (control.id != DialogTemplate::kNoId)
            m_items[control.id] = widget;
    }
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control, const QString& text) {
    const QRect box = ToPixels(control.x, control.y, control.cx, control.cy);
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::PushButton:
        widget = CreateButton(control, text, this);
        break;
    case ControlKind::Static:
        widget = CreateStatic(control, text, this);
        break;
    case ControlKind::Edit:
        widget = CreateEdit(control, text, this);
        break;
    case ControlKind::Icon:
        widget = CreateIcon(box, this);
        widget->move(box.topLeft());
        return widget;
    }
    widget->setGeometry(box);
    return widget;
}

void TemplateDialog::SetBaseUnits(const QFont& font) {
    const QSizeF base = BaseUnits(font);
    m_baseX = qMax<qreal>(1, base.width());
    m_baseY = qMax<qreal>(1, base.height());
}

// Edges are rounded, not sizes, so neighbouring controls keep their gaps.
QRect TemplateDialog::ToPixels(int x, int y, int cx, int cy) const {
    const int left = qRound(x * m_baseX / 4), top = qRound(y * m_baseY / 8);
    const int right = qRound((x + cx) * m_baseX / 4), bottom = qRound((y + cy) * m_baseY / 8);
    return QRect(left, top, right - left, bottom - top);
}

void TemplateDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activateWindow();
}

QWidget* TemplateDialog::Item(int id) const {
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : found->second;
}

void TemplateDialog::SetItemText(int id, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(Item(id)))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(Item(id)))
        label->setText(text);
    else if (auto* button = qobject_cast<QPushButton*>(Item(id)))
        button->setText(text);
}

QString TemplateDialog::ItemText(int id) const {
    if (auto* edit = qobject_cast<QLineEdit*>(Item(id)))
        return edit->text();
    if (auto* label = qobject_cast<QLabel*>(Item(id)))
        return label->text();
    if (auto* button = qobject_cast<QPushButton*>(Item(id)))
        return button->text();
    return {};
}
