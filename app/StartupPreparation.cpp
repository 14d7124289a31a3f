#include "StartupPreparation.h"

#include "ApplicationFonts.h"
#include "CORLIXView.h"
#include "ResourceIconEngine.h"

#include <QFontDatabase>

namespace {
// What a maximized window's client loses to the menu bar alone (no window
// manager), and to the menu bar, a title bar and borders at most.
constexpr int kLeastTaken = 18, kMostTaken = 64;
} // namespace

StartupPreparation::StartupPreparation(QSize screen) : m_icon(m_promise.get_future()) {
    m_done = std::async(std::launch::async, [this, screen] {
        m_promise.set_value(std::make_unique<ResourceIconEngine>());
        // Read in before the face is added, so that adding it does not
        // make the database read everything again.
        QFontDatabase::families();
        ApplicationFonts::ArialFamily(true);
        PrepareFonts(screen);
    });
}

StartupPreparation::~StartupPreparation() {
    if (m_done.valid())
        m_done.wait();
}

std::unique_ptr<ResourceIconEngine> StartupPreparation::TakeIcon() {
    return m_icon.valid() ? m_icon.get() : nullptr;
}

// The likeliest sizes first; the layout works out any size missed here.
void StartupPreparation::PrepareFonts(QSize screen) {
    for (int taken = kLeastTaken; taken <= kMostTaken; ++taken)
        CORLIXView::PrepareFonts(screen.width(), screen.height() - taken);
}
