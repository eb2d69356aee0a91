#pragma once

#include "base/ProgressView.h"
#include "base/View.h"

#include <string>
#include <vector>

/// A view that records its calls into a shared log ("main:Update", "main:Progress 33", …).
class RecordingView : public View {
public:
    RecordingView(std::string name, std::vector<std::string>& log)
        : m_name(std::move(name)), m_log(log) {}
    void Update() override { m_log.push_back(m_name + ":Update"); }

protected:
    std::string m_name;
    std::vector<std::string>& m_log;
};

/// A recording view that also shows progress, as the main window does.
class RecordingProgressView : public RecordingView, public ProgressView {
public:
    using RecordingView::RecordingView;
    void UpdateProgress(int percent) override {
        m_log.push_back(m_name + ":Progress " + std::to_string(percent));
    }
};
