#pragma once

#include <QMessageBox>

class QLabel;

// A message box that stays on its screen: a text too tall for the usual
// narrow box is laid out wider, and where even the screen's width is not
// enough, in a smaller type, so its button can always be reached.
class FittingMessageBox : public QMessageBox {
    Q_OBJECT
public:
    FittingMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                      QWidget* parent);

    // The room a box may take on the screen, its frame and caption left out.
    static QSize Room(const QScreen* screen);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The text's width, and if need be its size, for it to fit the room.
    static void FitText(QLabel& label, QSize room);
    static bool ShrinkText(QLabel& label);
    void CentreOverOwner();
};
