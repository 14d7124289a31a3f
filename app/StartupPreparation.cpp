#include "StartupPreparation.h"

#include "ApplicationFonts.h"
#include "CORLIXView.h"
#include "ResourceIconEngine.h"
#include "X11WindowIcon.h"

#include <QFontDatabase>
#include <fontconfig/fontconfig.h>

namespace {
// What a maximized window's client loses to the menu bar alone (no window
// manager), and to the menu bar, a title bar and borders at most.
constexpr int kLeastTaken = 18, kMostTaken = 64;
} // namespace

StartupPreparation::StartupPreparation()
    : m_screen(m_toolkit.get_future()), m_icon(m_iconPromise.get_future()) {
    m_done = std::async(std::launch::async, [this] { Run(); });
}

StartupPreparation::~StartupPreparation() {
    if (!m_toolkitReady)
        m_toolkit.set_value(QSize());
    m_done.wait();
}

void StartupPreparation::ToolkitReady(QSize screen) {
    if (m_toolkitReady)
        return;
    m_toolkitReady = true;
    m_toolkit.set_value(screen);
}

StartupPreparation::Icon StartupPreparation::TakeIcon() {
    return m_icon.valid() ? m_icon.get() : Icon{};
}

void StartupPreparation::Run() {
    // The font database reads the configuration first thing; read now, it
    // is there by then.
    FcInit();
    const QSize screen = m_screen.get();
    if (screen.isEmpty()) {
        m_iconPromise.set_value(Icon{});
        return;
    }
    auto engine = std::make_unique<ResourceIconEngine>();
    std::vector<quint32> x11Data = X11WindowIcon::Data(engine->Sizes());
    m_iconPromise.set_value(Icon{std::move(engine), std::move(x11Data)});
    // Read in before the face is added, so that adding it does not make
    // the database read everything again.
    QFontDatabase::families();
    ApplicationFonts::ArialFamily(true);
    PrepareFonts(screen);
}

// The likeliest sizes first; the layout works out any size missed here.
void StartupPreparation::PrepareFonts(QSize screen) {
    for (int taken = kLeastTaken; taken <= kMostTaken; ++taken)
        CORLIXView::PrepareFonts(screen.width(), screen.height() - taken);
}
