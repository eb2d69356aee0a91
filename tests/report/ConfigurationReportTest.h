#pragma once

#include "RecordingPrinter.h"

#include "base/Platform.h"
#include "support/ModelTest.h"

#include <memory>

/// A model whose report goes to a recording printer.
class ConfigurationReportTest : public ModelTest {
protected:
    /// Prints through the platform printer and keeps what it recorded.
    bool Print() {
        auto printer = std::make_unique<RecordingPrinter>();
        m_printer = printer.get();
        Platform::Install(std::move(printer));
        return app->PrintAll();
    }

    RecordingPrinter* m_printer = nullptr;
};
