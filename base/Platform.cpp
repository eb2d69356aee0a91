#include "base/Platform.h"

#include "base/ConsoleMessageService.h"
#include "base/StandardRegionalSettings.h"
#include "base/SystemClock.h"

#include <stdexcept>

namespace {

class NoWindowEvents : public EventPump {
public:
    void ProcessEvents() override {}
};

class NoPrinter : public Printer {
public:
    void BeginDoc() override { Fail(); }
    void setFontSize(int) override { Fail(); }
    void PrintLine(const std::string&) override { Fail(); }
    void PrintEmptyLine() override { Fail(); }
    int CurrentX() const override { Fail(); }
    void setCurrentX(int) override { Fail(); }
    int CurrentY() const override { Fail(); }
    void setCurrentY(int) override { Fail(); }
    void DrawBox(int, int, int, int) override { Fail(); }
    void EndDoc() override { Fail(); }

private:
    [[noreturn]] static void Fail() {
        throw std::runtime_error(Tr("Platform", "Kein Drucker eingerichtet."));
    }
};

/// The texts are written in German.
class German : public Translator {
public:
    std::optional<std::string> Translate(const char*, const char*) const override { return {}; }
};

struct Services {
    std::unique_ptr<MessageService> messages = std::make_unique<ConsoleMessageService>();
    std::unique_ptr<EventPump> events = std::make_unique<NoWindowEvents>();
    std::unique_ptr<RegionalSettings> regional = std::make_unique<StandardRegionalSettings>();
    std::unique_ptr<Clock> clock = std::make_unique<SystemClock>();
    ProgramInfo program = ProgramInfo::OfRunningExecutable();
    std::unique_ptr<Printer> printer = std::make_unique<NoPrinter>();
    std::unique_ptr<Translator> translator = std::make_unique<German>();
};

Services& Current() {
    static Services services;
    return services;
}

} // namespace

MessageService& Platform::Messages() {
    return *Current().messages;
}
EventPump& Platform::Events() {
    return *Current().events;
}
RegionalSettings& Platform::Regional() {
    return *Current().regional;
}
Clock& Platform::Clocks() {
    return *Current().clock;
}
const ProgramInfo& Platform::Program() {
    return Current().program;
}
Printer& Platform::Printing() {
    return *Current().printer;
}
const Translator& Platform::Texts() {
    return *Current().translator;
}

void Platform::Install(std::unique_ptr<MessageService> service) {
    Current().messages = std::move(service);
}
void Platform::Install(std::unique_ptr<EventPump> pump) {
    Current().events = std::move(pump);
}
void Platform::Install(std::unique_ptr<RegionalSettings> settings) {
    Current().regional = std::move(settings);
}
void Platform::Install(std::unique_ptr<Clock> clock) {
    Current().clock = std::move(clock);
}
void Platform::Install(ProgramInfo info) {
    Current().program = std::move(info);
}
void Platform::Install(std::unique_ptr<Printer> printer) {
    Current().printer = printer ? std::move(printer) : std::make_unique<NoPrinter>();
}
void Platform::Install(std::unique_ptr<Translator> translator) {
    Current().translator = translator ? std::move(translator) : std::make_unique<German>();
}

void Platform::Reset() {
    Current() = Services();
}
