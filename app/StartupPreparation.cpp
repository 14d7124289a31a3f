#include "StartupPreparation.h"

#include "ApplicationFonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <fontconfig/fontconfig.h>

StartupPreparation::StartupPreparation() {
    m_done = std::async(std::launch::async, &StartupPreparation::Run, this, m_toolkit.get_future());
}

StartupPreparation::~StartupPreparation() {
    Tell(false);
    m_done.wait();
}

void StartupPreparation::ToolkitReady() {
    Tell(true);
}

void StartupPreparation::Tell(bool toolkitReady) {
    if (m_told)
        return;
    m_told = true;
    m_toolkit.set_value(toolkitReady);
}

// The font database reads the configuration first thing: read ahead, it is
// there by then. The database is read in before the face is added, so that
// adding it does not make the database read everything again.
void StartupPreparation::Run(std::future<bool> toolkit) {
    FcInit();
    if (!toolkit.get())
        return;
    QFontDatabase::families();
    ApplicationFonts::ArialFamily(true);
}
