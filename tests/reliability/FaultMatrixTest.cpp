// Every device operation against every fault of the line, as one table: the user gets the
// operation's failure message (or its success where the fault stays inside the time-outs), the
// model, the device and the files hold only what the rules allow, no operation waits longer
// than its time-outs add up to, and the port can be opened again afterwards. The EEPROM grid
// makes the same byte exchanges as reading and writing the device, the measured values the same
// commands as the firmware transfers; their own tests cover them.
#include "firmware/cFirmwareRW.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"

#include <chrono>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace {

enum Op { Search, Read, Write, FirmwareWrite, FirmwareRead };

/// Per operation: the seconds it may take here without a fault (a search tries 16 ports, 0.2 s
/// each), the answer the typical fault hits (well inside the operation, after its first
/// exchanges), the time-out of that answer's exchange and the byte after which the line drops
/// (the search's device hangs up on the "I" without answering it).
struct OpTraits {
    const char* name;
    double seconds;
    std::size_t middle;
    double timeout;
    std::size_t hangUp;
};
const OpTraits kOps[] = {{"Search", 4.5, 1, 2.0, 1},
                         {"Read", 7.0, 10, 1.0, 100},
                         {"Write", 7.0, 10, 1.0, 200},
                         {"FirmwareWrite", 4.0, 10, 1.0, 60},
                         {"FirmwareRead", 4.0, 10, 1.0, 30}};

struct Row {
    std::string name;
    Op op;
    K417Faults faults;
    bool succeeds;
    double faultSeconds; ///< what the fault may add: the time-outs it can run into
    bool held = false;   ///< another program holds the port
};

K417Faults At(std::size_t answer, K417Faults faults) {
    faults.faultyFrom = answer;
    faults.faultyUntil = answer;
    return faults;
}

std::vector<Row> Rows() {
    std::vector<Row> rows;
    auto add = [&](const std::string& fault, Op op, K417Faults faults, bool succeeds,
                   double seconds, bool held = false) {
        rows.push_back(
            {std::string(kOps[op].name) + "_" + fault, op, faults, succeeds, seconds, held});
    };
    for (Op op = Search; op <= FirmwareRead; op = Op(op + 1)) {
        const std::size_t k = kOps[op].middle;
        const double timeout = kOps[op].timeout;
        add("Silent", op, {.silent = true}, false, 5.0); // a search costs its 2 s
        add("LateButInTime", op, At(k, {.answerDelayS = timeout - 0.1}), true, timeout);
        add("TooLate", op, At(k, {.answerDelayS = timeout + 0.1}), false, timeout + 1.0);
        // A noise byte before the identification leaves the name in it: the device is found.
        add("StrayBefore", op, At(k, {.strayBefore = "\x55"}), op == Search, 0.1);
        add("StrayAfter", op, At(k, {.strayAfter = "\x55"}), false, 0.1);
        add("Duplicated", op, At(k, {.duplicate = true}), false, 0.1);
        add("HeldByAnotherProgram", op, {}, false, 0, true);
        add("HangUpAtByte" + std::to_string(kOps[op].hangUp), op,
            {.silent = op == Search, .hangUpAfter = kOps[op].hangUp}, false, 0);
    }
    // Answers in pieces, 50 ms apart, stay inside every time-out: the identification (21 bytes
    // in 1.0 s of 2.0 s), the bootloader's name (32 bytes in 1.55 s of 4 s).
    for (Op op : {Search, Read, Write, FirmwareRead})
        add("InPieces", op, At(1, {.pieceGapS = 0.05}), true, 1.1);
    K417Faults pieces{.pieceGapS = 0.05};
    pieces.faultyUntil = 3;
    add("InPieces", FirmwareWrite, pieces, true, 1.8);

    add("WrongEcho", Write, {.wrongEchoAt = 15}, false, 0);
    add("WrongEcho", FirmwareWrite, {.wrongFlashEchoAt = 5}, false, 0);

    // A slow device is no fault: 10 ms per EEPROM write, 20 ms per flash block.
    add("SlowDevice", Write, {.eepromWriteS = 0.01}, true, 2.0);
    add("SlowDevice", FirmwareWrite, {.flashBlockS = 0.02}, true, 0.1);
    return rows;
}

class FaultMatrixTest : public ModelTest, public ::testing::WithParamInterface<Row> {
protected:
    static constexpr char kSettings[] = "19200,n,8,1";
    static constexpr std::int32_t kFirmwareBytes = 256;

    /// The device holds other values than the model, so that every value read or written can be
    /// told apart from the one it replaces: before a write the factory settings, before a read
    /// the model's Filter 7 and Y3 0.25; flash bytes i × 5 + 2. A firmware file holds bytes 0 to
    /// 15, which go out as one block of 128 with the rest erased.
    void SetUp() override {
        ModelTest::SetUp();
        MapPorts(Channel(), {{1, sim.SlavePath()}}, Dir());
        const Op op = GetParam().op;
        ASSERT_TRUE(P("Eingang", "Filter").setValue(7.0));
        ASSERT_TRUE(P("Linearisierung", "Y3").setValue(0.25));
        const std::vector<std::int64_t> others = Values();
        if (op != Write)
            app->SetDefaults();
        valuesBefore = Values();
        intendedValues = op == Read ? others : valuesBefore;

        K417Device::EepromImage other = FactoryEeprom();
        other[182] = 0x07;                          // Filter
        std::copy_n("\xC4\x09\0\0", 4, &other[46]); // Y3 0.25 × 10000
        imageBefore = op == Read ? other : FactoryEeprom();
        intendedImage = op == Write ? other : imageBefore;
        sim.SetEeprom(imageBefore);
        for (std::size_t i = 0; i < flashBefore.size(); ++i)
            flashBefore[i] = static_cast<std::uint8_t>(i * 5 + 2);
        sim.SetFlash(intendedFlash = flashBefore);
        for (std::uint8_t i = 0; op == FirmwareWrite && i < 128; ++i)
            intendedFlash[i] = i < 16 ? i : 0xFF;
        sim.Start();
    }

    void TearDown() override {
        Recorder().Clear(); // each row judges its messages itself
        ModelTest::TearDown();
    }

    cSerCom& Channel() { return app->SerCom(); }

    /// The model's values in device steps.
    std::vector<std::int64_t> Values() {
        std::vector<std::int64_t> values;
        for (const cParameter* p : WalkOrder())
            values.push_back(std::llround(double(p->Value()) * p->Factor()));
        return values;
    }

    /// Runs the operation: whether it reports success, and what it told the user of a failure.
    std::pair<bool, std::string> Run(Op op) {
        if (op == Search) { // the device is on port 1
            const std::int16_t port = app->Connect();
            EXPECT_EQ(port != 0,
                      app->FirmwareID().find("NIVOLANTIS K417 V2.1") != std::string::npos);
            return {port == 1, port == 1 ? "" : "no device on port 1"};
        }
        std::string told;
        if (op == Read || op == Write) {
            // One message either way; its texts are the device transfer tests' business.
            const bool done = op == Read ? app->Upload() : app->Download();
            EXPECT_EQ(1u, Recorder().Messages().size());
            for (const auto& message : Recorder().Messages())
                told += message.icon == MsgIcon::Critical ? message.text : "";
            return {done, told};
        }
        Channel().OpenCom(1, kSettings);
        cFirmwareRW firmware(Channel());
        firmware.OnFirmwareRWFault = [&](const std::string& line) { told += line; };
        if (op == FirmwareWrite) {
            WriteBytes(PathOf("fw.hex"), ":10000000000102030405060708090A0B0C0D0E0F78\r\n"
                                         ":00000001FF\r\n");
            return {firmware.WriteHexFile(PathOf("fw.hex")), told};
        }
        const bool done = firmware.ReadHexFile(kFirmwareBytes, PathOf("read.hex"));
        EXPECT_EQ(done, std::filesystem::exists(PathOf("read.hex")))
            << "a failed read saves no file";
        return {done, told};
    }

    /// Whatever the fault, each value, EEPROM and flash byte is the old one or the one meant for
    /// it; after a success, every one is the one meant for it.
    void ExpectOnlyIntendedChanges(bool done) {
        const auto expect = [done](const auto& now, const auto& meant, const auto& before,
                                   const std::string& what) {
            for (std::size_t i = 0; i < now.size(); ++i)
                EXPECT_TRUE(now[i] == meant[i] || (!done && now[i] == before[i])) << what << i;
        };
        expect(Values(), intendedValues, valuesBefore, "value ");
        expect(sim.Eeprom(), intendedImage, imageBefore, "EEPROM byte ");
        expect(sim.Flash(), intendedFlash, flashBefore, "flash byte ");
    }

    /// After the row: the port opens again and the device answers as before. Other programs
    /// on this machine may hold a pseudo-terminal for a moment, so a refusal is tried again.
    void ExpectPortUsable(bool hungUp) {
        sim.SetFaults({});
        Channel().CloseCom(1);
        if (hungUp)
            return; // the line is gone, and another program may get its number soon
        for (int attempt = 0; attempt < 5 && Channel().OpenCom(1, kSettings) != 1; ++attempt)
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ASSERT_EQ(1, Channel().CurrentPort()) << Channel().GetStatus(1);
        // Also a device left in its bootloader names itself.
        EXPECT_GT(Channel().Command("I", -1, 2.0), 0);
        EXPECT_NE(std::string::npos, Channel().getBufferStr().find("NIVOLANTIS"))
            << Channel().getBufferStr();
        Channel().CloseCom(1);
    }

    K417Simulator sim;
    std::vector<std::int64_t> valuesBefore, intendedValues;
    K417Device::EepromImage imageBefore{}, intendedImage{};
    K417Device::FlashImage flashBefore{}, intendedFlash{};
};

TEST_P(FaultMatrixTest, OperationEndsAsTheRulesSay) {
    const Row& row = GetParam();
    // The lock terminal programs take, which the channel must respect even when it runs as root,
    // and the exclusive mode, which makes the system refuse an ordinary user's open. Both belong
    // to the open, so an open of our own holds the port as another program would.
    const int holder =
        row.held ? ::open(sim.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
    if (holder >= 0) {
        ::flock(holder, LOCK_EX | LOCK_NB);
        ::ioctl(holder, TIOCEXCL);
    }
    sim.SetFaults(row.faults);

    const auto start = std::chrono::steady_clock::now();
    const auto [done, told] = Run(row.op);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_EQ(row.succeeds, done);
    EXPECT_EQ(row.succeeds, told.empty())
        << (told.empty() ? "the user learns nothing of the failure" : told);
    EXPECT_LE(seconds, kOps[row.op].seconds + row.faultSeconds);
    ExpectOnlyIntendedChanges(done);
    if (holder >= 0) {
        ::ioctl(holder, TIOCNXCL); // the simulator keeps the tty alive
        ::close(holder);
    }
    ExpectPortUsable(row.faults.hangUpAfter.has_value());
}

INSTANTIATE_TEST_SUITE_P(Rows, FaultMatrixTest, ::testing::ValuesIn(Rows()),
                         [](const ::testing::TestParamInfo<Row>& info) { return info.param.name; });

} // namespace
