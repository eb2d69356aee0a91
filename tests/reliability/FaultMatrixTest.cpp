// Every device operation against every fault of the line, as one table: the user gets the
// operation's failure message (or its success where the fault stays inside the time-outs), the
// model, the device and the files hold only what the rules allow, no operation waits longer
// than its time-outs add up to, and the port can be opened again afterwards.
#include "device/EepromTransfer.h"
#include "firmware/cFirmwareRW.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

enum class Op {
    Search,
    Read,
    Write,
    EepromRead,
    EepromWrite,
    Measure,
    FirmwareWrite,
    FirmwareRead
};
enum class Expect { Success, Failure };
enum class Holder { None, Process, OtherUser };

const char* Name(Op op) {
    static const char* const names[] = {"Search",      "Read",    "Write",         "EepromRead",
                                        "EepromWrite", "Measure", "FirmwareWrite", "FirmwareRead"};
    return names[static_cast<int>(op)];
}

/// Seconds the fault-free operation may take at most here (a search tries 16 ports, 0.2 s
/// each, the others lead nowhere; EEPROM transfers make 512 exchanges).
double BaseSeconds(Op op) {
    switch (op) {
    case Op::Search:
        return 4.5;
    case Op::Read:
    case Op::Write:
        return 7.0;
    case Op::EepromRead:
    case Op::EepromWrite:
        return 6.0;
    case Op::Measure:
        return 1.0;
    default:
        return 4.0;
    }
}

struct Row {
    std::string name;
    Op op;
    K417Faults faults;
    Expect expect;
    double faultSeconds; ///< what the fault may add: the time-outs it can run into
    Holder holder = Holder::None;
};

/// The answer the typical fault hits: well inside the operation, after its first exchanges.
std::size_t MiddleAnswer(Op op) {
    switch (op) {
    case Op::Search:
        return 1; // the identification
    case Op::Measure:
        return 2; // "i"
    default:
        return 10;
    }
}

K417Faults At(std::size_t answer, K417Faults faults) {
    faults.faultyFrom = answer;
    faults.faultyUntil = answer;
    return faults;
}

/// The time-out of the exchange the middle answer belongs to.
double MiddleTimeout(Op op) {
    return op == Op::Search ? 2.0 : 1.0;
}

std::vector<Row> Rows() {
    const std::vector<Op> all{Op::Search,      Op::Read,    Op::Write,         Op::EepromRead,
                              Op::EepromWrite, Op::Measure, Op::FirmwareWrite, Op::FirmwareRead};
    std::vector<Row> rows;
    auto add = [&](const std::string& fault, Op op, K417Faults faults, Expect expect,
                   double seconds, Holder holder = Holder::None) {
        rows.push_back({std::string(Name(op)) + "_" + fault, op, faults, expect, seconds, holder});
    };
    for (Op op : all) {
        const std::size_t k = MiddleAnswer(op);
        const double timeout = MiddleTimeout(op);
        // Silent: a whole search costs its 2 s, the EEPROM grid three cells of 1 s each.
        if (op == Op::EepromRead || op == Op::EepromWrite) {
            K417Faults silent{.silent = true};
            silent.faultyFrom = k;
            silent.faultyUntil = k + 2;
            add("Silent", op, silent, Expect::Failure, 3.0);
        } else {
            add("Silent", op, {.silent = true}, Expect::Failure, op == Op::Measure ? 3.0 : 5.0);
        }
        add("LateButInTime", op, At(k, {.answerDelayS = timeout - 0.1}), Expect::Success, timeout);
        add("TooLate", op, At(k, {.answerDelayS = timeout + 0.1}), Expect::Failure, timeout + 1.0);
        // A noise byte before the identification leaves the name in it: the device is found.
        add("StrayBefore", op, At(k, {.strayBefore = "\x55"}),
            op == Op::Search ? Expect::Success : Expect::Failure, 0.1);
        add("StrayAfter", op, At(k, {.strayAfter = "\x55"}), Expect::Failure, 0.1);
        add("Duplicated", op, At(k, {.duplicate = true}), Expect::Failure, 0.1);
        add("HeldByProcess", op, {}, Expect::Failure, 0, Holder::Process);
        add("HeldByOtherUser", op, {}, Expect::Failure, 0, Holder::OtherUser);
    }
    // Answers in pieces, 50 ms apart, stay inside every time-out: the identification (21 bytes
    // in 1.0 s of 2.0 s), the measured values, the bootloader's name (32 bytes in 1.55 s of 4 s).
    for (Op op : {Op::Search, Op::Read, Op::Write, Op::FirmwareRead})
        add("InPieces", op, At(1, {.pieceGapS = 0.05}), Expect::Success, 1.1);
    K417Faults pieces{.pieceGapS = 0.05};
    add("InPieces", Op::Measure, pieces, Expect::Success, 0.4);
    pieces.faultyUntil = 3;
    add("InPieces", Op::FirmwareWrite, pieces, Expect::Success, 1.8);

    add("WrongEcho", Op::Write, {.wrongEchoAt = 15}, Expect::Failure, 0);
    add("WrongEcho", Op::EepromWrite, {.wrongEchoAt = 100}, Expect::Failure, 0);
    add("WrongEcho", Op::FirmwareWrite, {.wrongFlashEchoAt = 5}, Expect::Failure, 0);

    // The search's device hangs up on the "I" without answering it.
    const std::map<Op, std::size_t> hangUps{
        {Op::Search, 1},        {Op::Read, 100},  {Op::Write, 200},        {Op::EepromRead, 300},
        {Op::EepromWrite, 400}, {Op::Measure, 2}, {Op::FirmwareWrite, 60}, {Op::FirmwareRead, 30}};
    for (const auto& [op, bytes] : hangUps)
        add("HangUpAtByte" + std::to_string(bytes), op,
            {.silent = op == Op::Search, .hangUpAfter = bytes}, Expect::Failure, 0);

    // A slow device is no fault: 10 ms per EEPROM write, 20 ms per flash block.
    add("SlowDevice", Op::Write, {.eepromWriteS = 0.01}, Expect::Success, 2.0);
    add("SlowDevice", Op::EepromWrite, {.eepromWriteS = 0.01}, Expect::Success, 5.5);
    add("SlowDevice", Op::FirmwareWrite, {.flashBlockS = 0.02}, Expect::Success, 0.1);
    return rows;
}

/// Another process holding the port with an advisory lock, as terminal programs do: one of the
/// same user, or one of the unprivileged user "nobody" (which the channel must respect even
/// when it runs as root). An ordinary user can start no program as another user; what reaches
/// it of one is the exclusive mode such programs set, which makes the system refuse the open
/// itself, whoever set it.
class PortHolder {
public:
    PortHolder(const std::string& path, Holder who) {
        if (who == Holder::OtherUser && ::geteuid() != 0) {
            m_exclusive = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
            if (m_exclusive >= 0)
                ::ioctl(m_exclusive, TIOCEXCL);
            return;
        }
        std::vector<std::string> args;
        if (who == Holder::OtherUser) {
            ::chmod(path.c_str(), 0666);
            args = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        }
        for (const char* word : {"flock", "--nonblock", "--close", path.c_str(), "sleep", "60"})
            args.push_back(word);
        std::vector<char*> argv;
        for (auto& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        // A group of its own, so that the end takes the command flock runs as well.
        posix_spawnattr_t attributes;
        ::posix_spawnattr_init(&attributes);
        ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        ::posix_spawnattr_setpgroup(&attributes, 0);
        if (::posix_spawnp(&m_pid, argv[0], nullptr, &attributes, argv.data(), environ) != 0)
            m_pid = -1;
        ::posix_spawnattr_destroy(&attributes);
        // Held once a lock of our own is refused.
        for (int i = 0; i < 200 && m_pid > 0 && !Held(path); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~PortHolder() {
        if (m_exclusive >= 0) {
            ::ioctl(m_exclusive, TIOCNXCL); // the simulator keeps the tty alive
            ::close(m_exclusive);
        }
        if (m_pid > 0) {
            ::kill(-m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    PortHolder(const PortHolder&) = delete;
    PortHolder& operator=(const PortHolder&) = delete;

    static bool Held(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0)
            return errno == EBUSY; // in exclusive mode
        const bool refused = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        return refused;
    }

private:
    pid_t m_pid = -1;
    int m_exclusive = -1;
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

class FaultMatrixTest : public ModelTest, public ::testing::WithParamInterface<Row> {
protected:
    static constexpr char kSettings[] = "19200,n,8,1";
    static constexpr std::int32_t kFirmwareBytes = 256;

    void SetUp() override {
        ModelTest::SetUp();
        for (std::int16_t n = 1; n <= cSerCom::kPortCount; ++n)
            app->SerCom().setPortPath(n, n == 1 ? sim.SlavePath() : PathOf("kein-tty"));
        PrepareDevice();
        sim.Start();
    }

    void TearDown() override {
        Recorder().Clear(); // each row judges its messages itself
        ModelTest::TearDown();
    }

    cSerCom& Channel() { return app->SerCom(); }

    /// A value in device steps.
    static std::int64_t Raw(const cParameter& p) {
        return std::llround(double(p.Value()) * p.Factor());
    }

    /// The device holds other values than the model, so that every value read or written can
    /// be told apart from the one it replaces.
    void PrepareDevice() {
        modelImage = FactoryEeprom();
        for (cParameter* p : WalkOrder())
            modelRaw[p->ParName()] = Raw(*p);
        ASSERT_TRUE(P("Eingang", "Filter").setValue(7.0));
        ASSERT_TRUE(P("Sonstiges", "Passwort").setValue(4711.0));
        ASSERT_TRUE(P("Linearisierung", "Y3").setValue(0.25));
        otherImage = modelImage;
        otherImage[182] = 0x07;                            // Filter
        std::copy_n("\x67\x12\0\0\0", 5, &otherImage[15]); // Passwort 4711
        std::copy_n("\xC4\x09\0\0", 4, &otherImage[46]);   // Y3 0.25 × 10000
        for (cParameter* p : WalkOrder())
            otherRaw[p->ParName()] = Raw(*p);
        const Op op = GetParam().op;
        if (op != Op::Write)
            app->SetDefaults();

        for (std::size_t i = 0; i < cellImage.size(); ++i)
            cellImage[i] = static_cast<std::uint8_t>(i * 7 + 3);
        cellImage[K417Device::kVariantAddress] = 7;
        sim.SetEeprom(op == Op::Read ? otherImage : op == Op::Write ? modelImage : cellImage);
        deviceBefore = sim.Eeprom();
        for (std::int32_t i = 0; i < kFirmwareBytes; ++i)
            firmwareBytes.push_back(static_cast<std::uint8_t>(i * 13 + 1));
        for (std::size_t i = 0; i < flashBefore.size(); ++i)
            flashBefore[i] = static_cast<std::uint8_t>(i * 5 + 2);
        sim.SetFlash(flashBefore);
    }

    /// Runs the operation; true when it reports success. `failures` gets what it told the user
    /// about a failure.
    bool Run(Op op, std::vector<std::string>& failures) {
        switch (op) {
        case Op::Search:
            return Search(failures);
        case Op::Read:
        case Op::Write:
            return Transfer(op, failures);
        case Op::EepromRead:
        case Op::EepromWrite:
            return Cells(op, failures);
        case Op::Measure:
            return Measure(failures);
        case Op::FirmwareWrite:
            return WriteFirmware(failures);
        case Op::FirmwareRead:
            return ReadFirmware(failures);
        }
        return false;
    }

    bool Search(std::vector<std::string>& failures) {
        const std::int16_t port = app->Connect();
        EXPECT_EQ(port, app->PortNr());
        if (port == 0) {
            EXPECT_EQ("", app->FirmwareID());
            failures.push_back("no device");
            return false;
        }
        EXPECT_EQ(1, port);
        EXPECT_NE(std::string::npos, app->FirmwareID().find("NIVOLANTIS K417 V2.1"));
        return true;
    }

    bool Transfer(Op op, std::vector<std::string>& failures) {
        const bool reading = op == Op::Read;
        const bool done = reading ? app->Upload() : app->Download();
        const std::string title = reading ? "Gerät lesen" : "Gerät schreiben";
        const auto& shown = Recorder().Messages();
        EXPECT_EQ(1u, shown.size());
        for (const auto& message : shown) {
            if (done) {
                EXPECT_EQ(title + " beendet.", message.text);
                EXPECT_EQ(MsgIcon::Information, message.icon);
            } else {
                EXPECT_EQ(title, message.title);
                EXPECT_EQ(MsgIcon::Critical, message.icon);
                failures.push_back(message.text);
            }
        }
        for (cParameter* p : WalkOrder()) {
            const std::int64_t raw = Raw(*p);
            const std::int64_t device = otherRaw.at(p->ParName());
            const std::int64_t before = reading ? modelRaw.at(p->ParName()) : device;
            if (reading && done) {
                EXPECT_EQ(device, raw) << p->ParName();
            } else {
                EXPECT_TRUE(raw == device || raw == before)
                    << p->ParName() << " holds a value that is neither the old nor the device's";
            }
        }
        const auto image = sim.Eeprom();
        for (std::size_t i = 0; i < image.size() && !reading; ++i) {
            if (done) {
                EXPECT_EQ(otherImage[i], image[i]) << "EEPROM byte " << i;
            } else {
                EXPECT_TRUE(image[i] == deviceBefore[i] || image[i] == otherImage[i])
                    << "EEPROM byte " << i << " is neither the old nor the model's";
            }
        }
        return done;
    }

    bool Cells(Op op, std::vector<std::string>& failures) {
        Channel().OpenCom(1, kSettings);
        EepromTransfer transfer(Channel());
        EepromTransfer::Image bytes;
        bytes.fill(0x5A);
        EepromTransfer::Image written;
        for (std::size_t i = 0; i < written.size(); ++i)
            written[i] = static_cast<std::uint8_t>(~cellImage[i]);
        const auto results = op == Op::EepromRead ? transfer.Read(bytes) : transfer.Write(written);
        const auto image = sim.Eeprom();
        for (std::size_t i = 0; i < results.size(); ++i) {
            if (op == Op::EepromRead) {
                EXPECT_EQ(results[i] ? cellImage[i] : 0x5A, bytes[i]) << "cell " << i;
            } else if (results[i]) {
                EXPECT_EQ(written[i], image[i]) << "cell " << i;
            } else {
                EXPECT_TRUE(image[i] == cellImage[i] || image[i] == written[i]) << "cell " << i;
            }
        }
        const std::string failed = EepromTransfer::FailedCells(results);
        if (!failed.empty())
            failures.push_back(failed);
        return failed.empty();
    }

    /// The three live values as the service page shows them: the value or "Fehler".
    bool Measure(std::vector<std::string>& failures) {
        Channel().OpenCom(1, kSettings);
        const K417Device::MeasuredValues truth;
        const struct {
            const char* command;
            std::int16_t length;
            std::int32_t value;
        } values[] = {{"Q", 2, truth.current}, {"i", 4, truth.scaled}, {"q", 2, truth.converter}};
        for (const auto& v : values) {
            if (Channel().Command(v.command, v.length, 1.0) == v.length) {
                EXPECT_EQ(v.value, Channel().getBufferLong())
                    << v.command << " took another answer";
            } else {
                failures.push_back(std::string(v.command) + ": Fehler");
            }
        }
        return failures.empty();
    }

    bool WriteFirmware(std::vector<std::string>& failures) {
        Channel().OpenCom(1, kSettings);
        std::string text;
        for (std::int32_t at = 0; at < kFirmwareBytes; at += 16) {
            cHexRecord record;
            record.setOffset(at);
            for (std::uint8_t i = 0; i < 16; ++i)
                record.SetRecordData(i, firmwareBytes[at + i]);
            text += record.RecordStr() + "\r\n";
        }
        WriteBytes(PathOf("fw.hex"), text + ":00000001FF\r\n");
        cFirmwareRW firmware(Channel());
        firmware.OnFirmwareRWFault = [&](const std::string& line) { failures.push_back(line); };
        const bool done = firmware.WriteHexFile(PathOf("fw.hex"));
        const auto flash = sim.Flash();
        for (std::int32_t i = 0; i < kFirmwareBytes; ++i)
            EXPECT_TRUE(flash[i] == firmwareBytes[i] || flash[i] == flashBefore[i])
                << "flash byte " << i << " is neither the old nor the file's";
        return done;
    }

    bool ReadFirmware(std::vector<std::string>& failures) {
        Channel().OpenCom(1, kSettings);
        cFirmwareRW firmware(Channel());
        firmware.OnFirmwareRWFault = [&](const std::string& line) { failures.push_back(line); };
        const std::string file = PathOf("read.hex");
        const bool done = firmware.ReadHexFile(kFirmwareBytes, file);
        EXPECT_EQ(done, std::filesystem::exists(file)) << "a failed read saves no file";
        if (done) {
            cHexFile saved;
            EXPECT_TRUE(saved.OpenHexFile(file));
            for (std::int32_t i = 0; i < kFirmwareBytes; ++i) {
                std::uint8_t byte = 0;
                EXPECT_TRUE(saved.GetByte(i, byte));
                EXPECT_EQ(flashBefore[i], byte) << "flash byte " << i;
            }
        }
        return done;
    }

    /// After the row: the port opens again and the device answers as before. Other programs
    /// on this machine may hold a pseudo-terminal for a moment, so a refusal is tried again.
    void ExpectPortUsable(bool hungUp) {
        sim.SetFaults({});
        Channel().CloseCom(1);
        if (hungUp)
            return; // the line is gone, and another program may get its number soon
        std::string why;
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (Channel().OpenCom(1, kSettings) == 1)
                break;
            why = Channel().GetStatus(1);
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        ASSERT_EQ(1, Channel().CurrentPort()) << why;
        // Also a device left in its bootloader names itself.
        EXPECT_GT(Channel().Command("I", -1, 2.0), 0);
        EXPECT_NE(std::string::npos, Channel().getBufferStr().find("NIVOLANTIS"))
            << Channel().getBufferStr();
        Channel().CloseCom(1);
    }

    K417Simulator sim;
    std::map<std::string, std::int64_t> modelRaw, otherRaw;
    K417Device::EepromImage otherImage{}, modelImage{}, cellImage{}, deviceBefore{};
    K417Device::FlashImage flashBefore{};
    std::vector<std::uint8_t> firmwareBytes;
};

TEST_P(FaultMatrixTest, OperationEndsAsTheRulesSay) {
    const Row& row = GetParam();
    std::unique_ptr<PortHolder> holder;
    if (row.holder != Holder::None) {
        holder = std::make_unique<PortHolder>(sim.SlavePath(), row.holder);
        ASSERT_TRUE(PortHolder::Held(sim.SlavePath())) << "no other process holds the port";
    }
    sim.SetFaults(row.faults);

    std::vector<std::string> failures;
    const auto start = std::chrono::steady_clock::now();
    const bool done = Run(row.op, failures);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    if (row.expect == Expect::Success) {
        EXPECT_TRUE(done);
        EXPECT_TRUE(failures.empty()) << failures.front();
    } else {
        EXPECT_FALSE(done);
        EXPECT_FALSE(failures.empty()) << "the user learns nothing of the failure";
    }
    EXPECT_LE(seconds, BaseSeconds(row.op) + row.faultSeconds);
    holder.reset();
    ExpectPortUsable(row.faults.hangUpAfter.has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrixTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace
