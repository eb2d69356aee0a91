#pragma once

/// A view that also shows the progress of long transfers.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    /// Percent done, 0 to 100; 0 ends the display.
    virtual void UpdateProgress(int percent) = 0;
};
