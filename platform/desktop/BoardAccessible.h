#pragma once

#include <QAccessibleWidget>
#include <QElapsedTimer>
#include <array>

// What a screen reader sees of the board: the board itself, named and
// described by the game, and two list items that are never shown, through
// which it speaks what changed without being asked. Each message becomes
// the name of the item not used last, which then takes the screen
// reader's focus; the keyboard's stays on the board. (A description or
// name change of the board alone is not spoken by today's screen readers.)
// While keys come fast, it speaks at most every kGap, the latest message,
// so that the screen reader does not fall behind the game.
class BoardAccessible : public QAccessibleWidget {
public:
    explicit BoardAccessible(QWidget* board);
    ~BoardAccessible() override;

    int childCount() const override { return int(m_items.size()); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

    static constexpr int kGapMs = 150;

    // Speaks text, if a screen reader listens.
    static void Announce(QWidget* board, const QString& text);
    // For QAccessible::installFactory: the board's interface is this one.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

private:
    class Item;
    void Speak();

    std::array<Item*, 2> m_items;
    size_t m_last = 0;
    QString m_waiting; // the latest message, not spoken yet
    QElapsedTimer m_spoken;
    bool m_timed = false;
};
