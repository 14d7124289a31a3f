#include "PrintModule.h"

#include "IShell.h"
#include "Logging.h"
#include "PrintJob.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace {
PrintModule::Entry Load() {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path : {folder + "/orlix-print.so",
                                folder + "/" ORLIX_PRINT_MODULE_FROM_BINDIR "/orlix-print.so"}) {
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        if (auto entry = reinterpret_cast<PrintModule::Entry>(library.resolve(PrintModule::kEntry)))
            return entry;
        qCDebug(lcDialogs) << "print module unusable:" << library.errorString();
    }
    return nullptr;
}
} // namespace

bool PrintModule::Print(CView& view, IShell& shell, QWidget* owner, bool direct) {
    static const Entry entry = Load();
    if (entry == nullptr) {
        shell.ShowMessageBox(PrintJob::kCouldNotStart);
        return false;
    }
    return entry(view, shell, owner, direct);
}
