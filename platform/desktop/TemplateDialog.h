#pragma once

#include "DialogTemplate.h"

#include <QDialog>
#include <map>

class QFont;

// A modal dialog built from its template: the window at the template's
// client size, each control at its place in dialog units, converted with the
// dialog font's average character width (x / 4) and height (y / 8). The
// push buttons with id 1 and 2 accept and reject it; Esc rejects it.
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* owner);

    // The control with this id, or nullptr (like the desktop's GetDlgItem).
    QWidget* Item(int id) const;
    void SetItemText(int id, const QString& text);
    QString ItemText(int id) const;
    // Pixels for a rectangle in dialog units.
    QRect ToPixels(int x, int y, int cx, int cy) const;

    // The desktop's stand-in for the template's face, small enough for the
    // dialog to fit on the screen.
    static QFont DialogFont(const DialogTemplate& dialogTemplate, QSize screen);

protected:
    // A modal box takes the keyboard at once, with or without a window
    // manager to hand it over.
    void showEvent(QShowEvent* event) override;

private:
    QWidget* CreateControl(const DialogControl& control, const QString& text);
    void SetBaseUnits(const QFont& font);

    qreal m_baseX = 1;
    qreal m_baseY = 1;
    std::map<int, QWidget*> m_items;
};
