#pragma once

#include "IPrintDialog.h"

#include <QtGlobal>

struct CPrintInfo;
class CView;
class IShell;
class QPainter;
class QPrinter;
class QWidget;

// The print command: the view's preparation (the print dialog), then one
// page, page 1, drawn by the view on the chosen printer. A cancelled dialog
// or a page range without page 1 prints nothing; a printer that cannot
// start the job is reported to the player.
class PrintJob : public IPrintDialog {
public:
    static constexpr const char* kCouldNotStart =
        QT_TRANSLATE_NOOP("PrintJob", "Could not start print job.");

    PrintJob(CView& view, IShell& shell, QWidget* owner);
    virtual ~PrintJob() = default;
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // direct: at once on the printer as it is set up, without the dialog.
    // True when a page was printed.
    bool Run(QPrinter& printer, bool direct);
    // The print dialog for the printer of the running job, over the owner.
    bool DoModal() override;

protected:
    QPrinter* Printer() const { return m_printer; }

private:
    static bool RangeHoldsPageOne(const QPrinter& printer);
    void PrintPage(QPainter& painter, CPrintInfo& info);

    CView& m_view;
    IShell& m_shell;
    QWidget* m_owner;
    QPrinter* m_printer = nullptr;
};
