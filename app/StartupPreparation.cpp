#include "StartupPreparation.h"

#include "ApplicationFonts.h"
#include "ResourceIconEngine.h"

#include <QFontDatabase>

StartupPreparation::StartupPreparation() : m_icon(m_promise.get_future()) {
    m_done = std::async(std::launch::async, [this] {
        m_promise.set_value(std::make_unique<ResourceIconEngine>());
        // Read in before the face is added, so that adding it does not
        // make the database read everything again.
        QFontDatabase::families();
        ApplicationFonts::ArialFamily(true);
    });
}

StartupPreparation::~StartupPreparation() {
    if (m_done.valid())
        m_done.wait();
}

std::unique_ptr<ResourceIconEngine> StartupPreparation::TakeIcon() {
    return m_icon.valid() ? m_icon.get() : nullptr;
}
