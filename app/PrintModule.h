#pragma once

class CView;
class IShell;
class QWidget;

// The print command's way to the printer. Printing is built as a module of
// its own (orlix-print.so, with the Qt printing library it needs) that is
// loaded on the first print rather than with the program: the printing
// library takes time to load and memory to hold that a game that never
// prints should not pay. The module sits next to the program in the build
// and in ../lib/orlix below the program's folder once installed.
class PrintModule {
public:
    // The view's page on the printer, as PrintJob prints it at the
    // printer's own resolution; direct: without the print dialog. False
    // when nothing was printed; a module that cannot be loaded is reported
    // to the player as a job that could not start.
    static bool Print(CView& view, IShell& shell, QWidget* owner, bool direct);

    // The name of the module's one function.
    static constexpr const char* kEntry = "OrlixPrint";
    using Entry = bool (*)(CView& view, IShell& shell, QWidget* owner, bool direct);
};
