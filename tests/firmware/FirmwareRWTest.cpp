#include "app/Platform.h"
#include "firmware/cFirmwareRW.h"
#include "sim/PseudoTerminal.h"
#include "sim/SimulatorTest.h"

#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

const std::string kStart = "Daten werden geschrieben 06.12.2026 14:05:09";
const std::string kDone = "Daten erfolgreich geschrieben 06.12.2026 14:05:09";
const std::string kReset = "Geräte-Reset durchführen.";
constexpr std::size_t kBlockBytesSent = 3 + 128; // "#" hi lo, then the data

std::uint8_t Pattern(std::int32_t adress) { return static_cast<std::uint8_t>(adress * 7 + 3); }

std::string HexLine(std::int32_t offset, const std::vector<std::uint8_t>& data,
                    std::uint8_t type = cHexRecord::kData) {
    cHexRecord record;
    record.setRecordLength(static_cast<std::uint8_t>(data.size()));
    record.setOffset(offset);
    record.setRecordTyp(type);
    for (std::size_t i = 0; i < data.size(); ++i)
        record.SetRecordData(static_cast<std::uint8_t>(i), data[i]);
    return record.RecordStr() + "\r\n";
}

/// Answers each request in turn with its reply on a pseudo-terminal: a bootloader whose texts
/// the simulator does not offer.
class ScriptedDevice {
public:
    explicit ScriptedDevice(std::vector<std::pair<std::string, std::string>> script)
        : m_script(std::move(script)), m_thread([this] { Serve(); }) {}
    ~ScriptedDevice() {
        m_stop = true;
        m_thread.join();
    }
    const std::string& Path() const { return m_pty.SlavePath(); }
    /// Everything received once the line stayed quiet for a moment.
    std::string Received() {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        std::lock_guard lock(m_mutex);
        return m_received;
    }

private:
    void Serve() {
        std::size_t step = 0, taken = 0;
        while (!m_stop) {
            pollfd entry{m_pty.MasterFd(), POLLIN, 0};
            char chunk[256];
            const ssize_t got = ::poll(&entry, 1, 10) > 0 ? ::read(entry.fd, chunk, sizeof chunk) : 0;
            std::lock_guard lock(m_mutex);
            m_received.append(chunk, std::max<ssize_t>(got, 0));
            for (; step < m_script.size() && m_received.compare(taken, std::string::npos, m_script[step].first) == 0;
                 ++step) {
                taken += m_script[step].first.size();
                const std::string& reply = m_script[step].second;
                EXPECT_EQ(static_cast<ssize_t>(reply.size()), ::write(entry.fd, reply.data(), reply.size()));
            }
        }
    }

    PseudoTerminal m_pty;
    std::vector<std::pair<std::string, std::string>> m_script;
    std::mutex m_mutex;
    std::string m_received;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

/// Lets one call run from inside the next wait of the serial channel.
class OneEventPump : public EventPump {
public:
    explicit OneEventPump(std::function<void()> call) : m_call(std::move(call)) {}
    void ProcessEvents() override {
        if (m_call)
            std::exchange(m_call, nullptr)();
    }

private:
    std::function<void()> m_call;
};

class FirmwareRWTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        OpenSim();
        expected.fill(0xFF);
        Listen(firmware);
    }

    void Listen(cFirmwareRW& transfer) {
        transfer.setSerCom(serCom);
        transfer.OnFirmwareRWMessage = [this](const std::string& text) { messages.push_back(text); };
        transfer.OnFirmwareRWProgress = [this](double percent) { progress.push_back(percent); };
    }

    /// Data records of up to 16 bytes for `count` pattern bytes from offset `from` on, which a
    /// preceding extended address record may move to `placedAt`.
    std::string Data(std::int32_t from, std::int32_t count, std::int32_t placedAt = -1) {
        placedAt = placedAt < 0 ? from : placedAt;
        std::string text;
        for (std::int32_t done = 0; done < count; done += 16) {
            std::vector<std::uint8_t> bytes;
            for (std::int32_t at = placedAt + done; at < placedAt + std::min(count, done + 16); ++at) {
                bytes.push_back(Pattern(at));
                if (at < cFirmwareRW::kFlashSize)
                    expected[at] = bytes.back();
            }
            text += HexLine(from + done, bytes);
        }
        return text;
    }

    std::string File(const std::string& records) {
        const std::string path = PathOf("fw.hex");
        WriteBytes(path, records + ":00000001FF\r\n");
        return path;
    }

    /// What the device received, made sure by one more exchange that it must have taken in last.
    std::string ReceivedBeforeAnIdentification() {
        EXPECT_GT(serCom.Command("I", -1, 2.0), 0);
        const std::string received = sim.Received();
        return received.substr(0, received.size() - 1);
    }

    std::size_t Count(const std::string& text) const {
        return std::count(messages.begin(), messages.end(), text);
    }

    cFirmwareRW firmware;
    std::vector<std::string> messages;
    std::vector<double> progress;
    K417Device::FlashImage expected{};
};

} // namespace

TEST_F(FirmwareRWTest, FileWithoutGapsGoesOutBlockByBlockAndTheDeviceIsReset) {
    const std::string file = File(Data(0, 1000));
    EXPECT_TRUE(firmware.WriteHexFile(file));
    EXPECT_EQ((std::vector<std::string>{"Datei '" + file + "' geöffnet (1000 Bytes).", "Bootloader aufgerufen.",
                                        "Bootloader identifiziert: 'NIVOLANTIS K417 Bootloader V1.0'", kStart,
                                        kDone, kReset}),
              messages);
    const std::vector<double> steps{0, 12.8, 25.6, 38.4, 51.2, 64, 76.8, 89.6, 0};
    ASSERT_EQ(steps.size(), progress.size());
    for (std::size_t i = 0; i < steps.size(); ++i)
        EXPECT_DOUBLE_EQ(steps[i], progress[i]) << i;
    EXPECT_TRUE(expected == sim.Flash()) << "bytes 0 to 999, then 0xFF";
    EXPECT_FALSE(sim.InBootloader());

    const std::string sent = sim.Received();
    ASSERT_EQ(3 + 8 * kBlockBytesSent + 3, sent.size());
    EXPECT_EQ(Bytes({'R', 0, 'I'}), sent.substr(0, 3));
    const std::string lastBlock = sent.substr(3 + 7 * kBlockBytesSent, kBlockBytesSent);
    EXPECT_EQ(Bytes({'#', 0x03, 0x80}), lastBlock.substr(0, 3));
    EXPECT_EQ(std::string(24, '\xFF'), lastBlock.substr(3 + 104));
    EXPECT_EQ(Bytes({'3', 0, 0}), sent.substr(sent.size() - 3));
}

TEST_F(FirmwareRWTest, GapsAreErasedBytesAndExtendedAddressesPlaceTheData) {
    // A gap inside block 0, data across into block 128, then 32 bytes moved to 1000h by a
    // segment base of 100h.
    const std::string file =
        File(Data(0, 100) + Data(120, 16) + HexLine(0, {0x01, 0x00}, cHexRecord::kExtendedSegment) +
             Data(0, 32, 0x1000));
    EXPECT_TRUE(firmware.WriteHexFile(file));
    EXPECT_EQ("Datei '" + file + "' geöffnet (148 Bytes).", messages.at(0));
    EXPECT_EQ(kDone, messages.at(4));
    EXPECT_EQ(33, sim.CommandCount('#'));
    EXPECT_TRUE(expected == sim.Flash());
    ASSERT_EQ(34u, progress.size());
    EXPECT_DOUBLE_EQ(4096.0 / 4128 * 100, progress[32]);
}

TEST_F(FirmwareRWTest, FilesWithoutDataOrBeyondTheFlashAreRefusedBeforeAnythingIsSent) {
    const auto lastMessage = [this](const std::string& records) {
        cFirmwareRW fresh;
        Listen(fresh);
        EXPECT_FALSE(fresh.WriteHexFile(File(records)));
        return messages.back();
    };
    const std::string file = PathOf("fw.hex");
    EXPECT_EQ("Die Datei '" + file + "' enthält keine Daten.", lastMessage(""));
    EXPECT_EQ("Datei '" + file + "' geöffnet (0 Bytes).", messages.end()[-2]);
    const std::string outside = "Die Datei '" + file + "' enthält Daten außerhalb des Flash-Speichers (0 bis 7FFF).";
    EXPECT_EQ(outside, lastMessage(Data(0x7FF0, 32)));
    EXPECT_EQ(outside, lastMessage(HexLine(0, {0x00, 0x01}, cHexRecord::kExtendedLinear) + Data(0, 16)));
    EXPECT_EQ(outside, lastMessage(HexLine(0, {0x00, 0x02}, cHexRecord::kExtendedLinear) + Data(0, 16)))
        << "beyond the image as well";
    EXPECT_FALSE(firmware.WriteHexFile(PathOf("fehlt.hex")));
    EXPECT_EQ("Fehler beim Öffnen der Datei '" + PathOf("fehlt.hex") +
                  "'. Datei nicht vorhanden oder keine Hex-Datei.",
              messages.back());
    EXPECT_EQ("", ReceivedBeforeAnIdentification());
    EXPECT_TRUE(progress.empty());
}

TEST_F(FirmwareRWTest, EchoErrorsAreReportedByteByByteAndTheTransferGoesOn) {
    K417Faults faults;
    faults.wrongFlashEchoAt = 130;
    sim.SetFaults(faults);
    EXPECT_TRUE(firmware.WriteHexFile(File(Data(0, 256))));
    EXPECT_EQ(1u, Count("Fehler beim Flash schreiben auf Blockadresse 80. Daten <> Echo"));
    EXPECT_EQ(kReset, messages.back());
    EXPECT_EQ(2, sim.CommandCount('#'));
}

TEST_F(FirmwareRWTest, NoAnswerToTheBootloaderCallStopsWithNothingElseSent) {
    K417Faults faults;
    faults.silent = true;
    sim.SetFaults(faults);
    const std::string file = File(Data(0, 1000));
    EXPECT_FALSE(firmware.WriteHexFile(file));
    EXPECT_EQ((std::vector<std::string>{"Datei '" + file + "' geöffnet (1000 Bytes).",
                                        "Fehler beim Aufrufen des Bootloaders."}),
              messages);
    EXPECT_EQ(Bytes({'R', 0}), sim.Received());
}

TEST_F(FirmwareRWTest, ABootloaderNamedOnlyBootloadIsRefused) {
    ScriptedDevice device({{Bytes({'R', 0}), "R"}, {"I", std::string("BOOTLOAD\0", 9)}});
    cSerCom::setPortPath(2, device.Path());
    ASSERT_EQ(2, serCom.OpenCom(2, kSettings));
    EXPECT_FALSE(firmware.WriteHexFile(File(Data(0, 16))));
    EXPECT_EQ("Kann Bootloader nicht identifizieren: 'BOOTLOAD'", messages.back());
    EXPECT_EQ(Bytes({'R', 0, 'I'}), device.Received());
}

TEST_F(FirmwareRWTest, ReadingSavesAllFlashRecordsWithUnreadBytesErased) {
    K417Device::FlashImage flash;
    for (std::size_t a = 0; a < flash.size(); ++a)
        flash[a] = Pattern(static_cast<std::int32_t>(a));
    sim.SetFlash(flash);
    const std::string file = PathOf("aus.hex");
    EXPECT_TRUE(firmware.ReadHexFile(300, file));
    EXPECT_EQ((std::vector<std::string>{
                  "Verbindung zum Gerät hergestellt: 'NIVOLANTIS K417 V2.1'.",
                  "Die Firmware wird aus dem Gerät ausgelesen. Dieser Vorgang kann einige Zeit dauern.",
                  "Hex-Daten aufbereitet.", "Hex-Daten in Datei '" + file + "' gespeichert."}),
              messages);
    ASSERT_EQ(301u, progress.size());
    EXPECT_DOUBLE_EQ(299.0 / 300 * 100, progress[299]);
    EXPECT_EQ(0, progress.back());
    EXPECT_EQ(300, sim.CommandCount('s'));

    cHexFile saved;
    ASSERT_TRUE(saved.OpenHexFile(file));
    ASSERT_EQ(2048u, saved.HexRecords().size());
    EXPECT_EQ(0x7FF0, saved.HexRecords().back().Offset());
    EXPECT_EQ(std::string::npos, ReadBytes(file).find(":00000001FF"));
    for (std::int32_t a = 0; a < 32768; ++a) {
        std::uint8_t value = 0;
        saved.GetByte(a, value);
        ASSERT_EQ(a < 300 ? flash[a] : 0xFF, value) << a;
    }
}

TEST_F(FirmwareRWTest, ReadingStopsAtAnUnknownDeviceAndReportsAFailedSave) {
    sim.SetIdentification("K418 V1.0");
    EXPECT_FALSE(firmware.ReadHexFile(16, PathOf("a.hex")));
    EXPECT_EQ((std::vector<std::string>{"Unbekannter Gerätename 'K418 V1.0'."}), messages);
    EXPECT_EQ(0, sim.CommandCount('s'));

    sim.SetIdentification("Nivolantis K417");
    const std::string unwritable = PathOf("fehlt/a.hex");
    EXPECT_FALSE(firmware.ReadHexFile(16, unwritable));
    EXPECT_EQ("Fehler in Funktion 'ReadHexFile()'.\r\nDie Datei '" + unwritable +
                  "' konnte nicht gespeichert werden.",
              messages.back());
    EXPECT_EQ("Hex-Daten aufbereitet.", messages.end()[-2]);
}

TEST_F(FirmwareRWTest, TransfersStartedWhileTheChannelWaitsAreRefused) {
    const std::string file = File(Data(0, 16));
    bool wrote = true, read = true;
    Platform::Install(std::make_unique<OneEventPump>([&] {
        wrote = firmware.WriteHexFile(file);
        read = firmware.ReadHexFile(16, PathOf("a.hex"));
    }));
    EXPECT_GT(serCom.Command("I", -1, 2.0), 0);
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(read);
    EXPECT_EQ(2u, Count("Die Schnittstelle ist belegt: eine andere Übertragung läuft."));
    EXPECT_EQ(2u, messages.size());
    EXPECT_EQ("I", sim.Received());
}
