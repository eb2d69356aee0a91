// A device answering arbitrary bytes to every exchange of a full read and write, through the
// real serial channel on a pseudo-terminal. The input is a list of answers, each a length byte
// (its low five bits) and that many bytes; the device sends the next answer whenever bytes
// arrive, and stays silent once the list is used up. The transfers must end without a crash
// and leave only finite values in the model.
#include "FuzzPlatform.h"
#include "app/cNivolantis.h"
#include "base/EventPump.h"
#include "base/Platform.h"
#include "sim/PseudoTerminal.h"

#include <cmath>
#include <fstream>
#include <memory>
#include <unistd.h>

namespace {

/// Serves the device side of the line between two checks of the channel's waits.
class AnsweringDevice : public EventPump {
public:
    explicit AnsweringDevice(int master) : m_master(master) {}

    void Script(const std::uint8_t* data, std::size_t size) {
        m_data = data;
        m_size = size;
        m_pos = 0;
        Drain();
    }

    void ProcessEvents() override {
        if (!Drain() || m_pos >= m_size)
            return;
        const std::size_t wanted = m_data[m_pos++] & 0x1F;
        const std::size_t length = std::min(wanted, m_size - m_pos);
        if (length > 0 && ::write(m_master, m_data + m_pos, length) < 0)
            return;
        m_pos += length;
    }

private:
    /// Takes what the program sent; true when something came.
    bool Drain() {
        char buffer[256];
        bool any = false;
        while (::read(m_master, buffer, sizeof buffer) > 0)
            any = true;
        return any;
    }

    int m_master;
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
};

/// The line and its device live as long as the process.
struct Line {
    Line() {
        FuzzPlatform::Install();
        settings = FuzzPlatform::PathOf("NivoConfig.ini");
        std::ofstream(settings, std::ios::binary)
            << "[Einheiten]\r\nAnzahl=1\r\nEinheit0=bar\r\n[ID]\r\nFirmware=K417\r\n";
        auto made = std::make_unique<AnsweringDevice>(pty.MasterFd());
        device = made.get();
        Platform::Install(std::move(made));
    }

    PseudoTerminal pty;
    AnsweringDevice* device = nullptr;
    std::string settings;
};

Line& TheLine() {
    static Line line;
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Line& line = TheLine();
    cNivolantis app(line.settings);
    app.Ports().setPortPath(1, line.pty.SlavePath());
    for (std::int16_t port = 2; port <= cSerCom::kPortCount; ++port)
        app.Ports().setPortPath(port, "/nonexistent/tty" + std::to_string(port));

    line.device->Script(data, size);
    app.Upload();
    app.ForEachParameter([](const cDataGroup&, const cParameter& parameter) {
        FuzzPlatform::Check(std::isfinite(parameter.Value()), "a value read is not finite");
    });
    app.Download();
    return 0;
}
