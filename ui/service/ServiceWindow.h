#pragma once

#include "base/ProgressView.h"

#include <QString>

#include <functional>

struct PageForms;

/// What the service parts need from the window they sit in.
class ServiceWindow : public ProgressView {
public:
    /// Runs a device command: the application is busy and the window's commands are disabled
    /// meanwhile; a failure ends it and the window refreshes afterwards.
    virtual void RunServiceCommand(const char* name, const std::function<void()>& command) = 0;
    /// Runs an operation that can stop safely between two exchanges, offering "Abbrechen"
    /// meanwhile.
    virtual void OfferCancel(const std::function<void()>& operation) = 0;
    /// The percent rounded half to even and written back; shown above 0, hidden at 0 or below.
    virtual void UpdateProgress(double& NewPercent) = 0;
    using ProgressView::UpdateProgress;
    /// Refreshes the whole window from the model.
    virtual void Refresh() = 0;
    /// A note in the status bar for `shownMs` milliseconds; the panels return afterwards.
    virtual void ShowStatusText(const QString& text, int shownMs) = 0;
    virtual void ClearStatusText() = 0;
    /// The pages' widgets.
    virtual PageForms& Pages() = 0;
};
