// The one function of the print module (see PrintModule.h).
#include "PrintJob.h"
#include "PrintModule.h"

#include <QPrinter>
#include <type_traits>

// The printer's own resolution, so the page is laid out in its real pixels.
extern "C" Q_DECL_EXPORT bool OrlixPrint(CView& view, IShell& shell, QWidget* owner, bool direct) {
    static_assert(std::is_same_v<decltype(&OrlixPrint), PrintModule::Entry>);
    QPrinter printer(QPrinter::HighResolution);
    PrintJob job(view, shell, owner);
    return job.Run(printer, direct);
}
