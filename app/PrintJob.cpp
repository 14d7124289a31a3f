#include "PrintJob.h"

#include "CPrintInfo.h"
#include "CView.h"
#include "IShell.h"
#include "Logging.h"
#include "PageSurface.h"
#include "Translation.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

namespace {
// The page count is not known before printing, so any range can be asked for.
constexpr int kLastPage = 0xFFFF;
} // namespace

PrintJob::PrintJob(CView& view, IShell& shell, QWidget* owner)
    : m_view(view), m_shell(shell), m_owner(owner) {}

bool PrintJob::Run(QPrinter& printer, bool direct) {
    m_printer = &printer;
    CPrintInfo info;
    info.m_pPD = this;
    info.m_bDirect = direct;
    // The range is checked before the painter starts: starting it already
    // creates the job.
    const bool ahead = m_view.OnPreparePrinting(info) && RangeHoldsPageOne(printer);
    m_printer = nullptr;
    if (!ahead)
        return false;
    QPainter painter;
    if (!painter.begin(&printer)) {
        qCDebug(lcDialogs) << "print job did not start" << printer.outputFileName();
        m_shell.ShowMessageBox(Translation::Text("PrintJob", kCouldNotStart));
        return false;
    }
    PrintPage(painter, info);
    return painter.end();
}

bool PrintJob::DoModal() {
    if (m_printer == nullptr)
        return false;
    QPrintDialog dialog(m_printer, m_owner);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, kLastPage);
    // It takes the keyboard at once, with or without a window manager, on
    // its default button, as every dialog of the game does.
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.activateWindow();
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isDefault())
                button->setFocus();
    });
    return dialog.exec() == QDialog::Accepted;
}

// A range that is set runs from fromPage() >= 1 on; none set reads as 0.
bool PrintJob::RangeHoldsPageOne(const QPrinter& printer) {
    return printer.printRange() != QPrinter::PageRange || printer.fromPage() <= 1;
}

// The painter's origin is the top left of the printable area.
void PrintJob::PrintPage(QPainter& painter, CPrintInfo& info) {
    PageSurface dc(painter);
    info.m_nCurPage = 1;
    info.m_rectDraw = {0, 0, painter.device()->width(), painter.device()->height()};
    m_view.OnBeginPrinting(dc, info);
    m_view.OnPrint(dc, info);
    m_view.OnEndPrinting(dc, info);
}
