#pragma once

#include "base/View.h"

#include <memory>
#include <vector>

/// A view in the application object's list, and whether its failure was shown to the user.
struct RegisteredView {
    View* view;
    bool failureShown = false;
};
using RegisteredViews = std::vector<RegisteredView>;

/// Keeps a view in the application object's list while it lives: destroyed, it takes the view out,
/// so no view is notified after its end. Either may end first: a registration that outlives the
/// application object does nothing.
class [[nodiscard]] ViewRegistration {
public:
    ViewRegistration() = default;
    ViewRegistration(const std::shared_ptr<RegisteredViews>& views, View& view);
    ViewRegistration(ViewRegistration&& other) noexcept;
    ViewRegistration& operator=(ViewRegistration&& other) noexcept;
    ViewRegistration(const ViewRegistration&) = delete;
    ViewRegistration& operator=(const ViewRegistration&) = delete;
    ~ViewRegistration();

private:
    void Release() noexcept;

    std::weak_ptr<RegisteredViews> m_views;
    View* m_view = nullptr;
};
