#include "BoardAccessible.h"

#include "ViewHost.h"

#include <QTimer>
#include <QWidget>

// A message: a list item with the message as its name.
class BoardAccessible::Item : public QAccessibleInterface {
public:
    explicit Item(QWidget* board) : m_board(board) {}
    bool isValid() const override { return m_board != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_board->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(m_board);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? m_text : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.focused = m_focused;
        return state;
    }

    QString m_text;
    bool m_focused = false;

private:
    QWidget* m_board;
};

BoardAccessible::BoardAccessible(QWidget* board) : QAccessibleWidget(board, QAccessible::Client) {
    for (Item*& item : m_items) {
        item = new Item(board);
        QAccessible::registerAccessibleInterface(item);
    }
}

// The items are Qt's once registered, and go with their ids.
BoardAccessible::~BoardAccessible() {
    for (Item* item : m_items)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
}

QAccessibleInterface* BoardAccessible::child(int index) const {
    return index >= 0 && index < childCount() ? m_items[size_t(index)] : nullptr;
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i] == child)
            return int(i);
    return -1;
}

void BoardAccessible::Announce(QWidget* board, const QString& text) {
    if (!QAccessible::isActive())
        return;
    auto* self = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
    if (self == nullptr)
        return;
    self->m_waiting = text;
    const qint64 since = self->m_spoken.isValid() ? self->m_spoken.elapsed() : kGapMs;
    if (since >= kGapMs)
        return self->Speak();
    if (!std::exchange(self->m_timed, true))
        QTimer::singleShot(kGapMs - since, board, [board] {
            auto* later =
                dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(board));
            if (later != nullptr) {
                later->m_timed = false;
                later->Speak();
            }
        });
}

// The same item twice in a row would be taken for no change of focus.
void BoardAccessible::Speak() {
    m_items[m_last]->m_focused = false;
    m_last = 1 - m_last;
    Item* item = m_items[m_last];
    item->m_text = std::exchange(m_waiting, QString());
    item->m_focused = true;
    m_spoken.start();
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* BoardAccessible::Create(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (className == QLatin1String(ViewHost::staticMetaObject.className()) && widget != nullptr)
        return new BoardAccessible(widget);
    return nullptr;
}
