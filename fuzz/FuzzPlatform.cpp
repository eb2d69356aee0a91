#include "FuzzPlatform.h"

#include "base/Clock.h"
#include "base/MessageService.h"
#include "base/Platform.h"
#include "base/StandardRegionalSettings.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

class SilentMessages : public MessageService {
public:
    void ShowMessage(const std::string&, MsgIcon, const std::string&) override {}
    MsgAnswer Ask(const std::string&, MsgButtons, const std::string&) override {
        return MsgAnswer::Yes;
    }
};

/// A quarter second per reading: a 1 s time-out passes after four readings, whatever the real
/// time, so that a silent device costs the serial target almost nothing.
class SteppingClock : public Clock {
public:
    DateTime Now() const override { return {2026, 12, 6, 14, 5, 9}; }
    int UtcOffsetMinutes() const override { return 60; }
    double MonotonicSeconds() const override { return m_now += 0.25; }

private:
    mutable double m_now = 0;
};

/// Kept for the whole process (never destroyed, so the removal at exit can still use it).
const std::filesystem::path& Folder() {
    static const auto* folder = [] {
        auto* dir = new std::filesystem::path(std::filesystem::temp_directory_path() /
                                              ("nivo-fuzz-" + std::to_string(::getpid())));
        std::filesystem::create_directories(*dir);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(Folder(), ignored);
        });
        return dir;
    }();
    return *folder;
}

} // namespace

namespace FuzzPlatform {

void Install(bool german) {
    static bool installed = false;
    if (!installed) {
        Platform::Install(std::make_unique<SilentMessages>());
        Platform::Install(std::make_unique<SteppingClock>());
        ProgramInfo program;
        program.folder = Folder().string();
        Platform::Install(program);
        installed = true;
    }
    UseGerman(german);
}

void UseGerman(bool german) {
    if (german)
        Platform::Install(std::make_unique<StandardRegionalSettings>(
            ",", StandardRegionalSettings::DateOrder::DayMonthYear));
    else
        Platform::Install(std::make_unique<StandardRegionalSettings>("."));
}

std::string PathOf(const std::string& name) {
    return (Folder() / name).string();
}

void Check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzPlatform
