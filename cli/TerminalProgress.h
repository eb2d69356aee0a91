#pragma once

#include "base/ProgressView.h"
#include "base/View.h"

/// Shows transfer progress as a percentage on standard error, when that is a terminal.
class TerminalProgress : public View, public ProgressView {
public:
    TerminalProgress();
    void Update() override {}
    void UpdateProgress(int percent) override;

private:
    bool m_terminal;
    int m_shown = 0;
};
