#include "app/ViewRegistration.h"

#include <algorithm>
#include <utility>

ViewRegistration::ViewRegistration(const std::shared_ptr<RegisteredViews>& views, View& view)
    : m_views(views), m_view(&view) {
    views->push_back({&view});
}

ViewRegistration::ViewRegistration(ViewRegistration&& other) noexcept
    : m_views(std::move(other.m_views)), m_view(std::exchange(other.m_view, nullptr)) {}

ViewRegistration& ViewRegistration::operator=(ViewRegistration&& other) noexcept {
    if (this != &other) {
        Release();
        m_views = std::move(other.m_views);
        m_view = std::exchange(other.m_view, nullptr);
    }
    return *this;
}

ViewRegistration::~ViewRegistration() {
    Release();
}

void ViewRegistration::Release() noexcept {
    if (const auto views = m_views.lock())
        std::erase_if(*views, [this](const RegisteredView& entry) { return entry.view == m_view; });
    m_views.reset();
    m_view = nullptr;
}
