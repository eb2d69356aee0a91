#include "sim/SimulatorTest.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class K417SimulatorTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        OpenSim();
    }
};

TEST_F(K417SimulatorTest, EveryCommandAnswersWithItsLength) {
    EXPECT_EQ(20, serCom.Command("I", -1, 1.0));
    EXPECT_EQ("NIVOLANTIS K417 V2.1", serCom.getBufferStr());
    EXPECT_EQ(1, serCom.Command(Bytes({'c', 0, 7}), 1, 1.0));
    EXPECT_EQ(7, serCom.getBufferByte());
    EXPECT_EQ(1, serCom.Command(Bytes({'L', 0, 30, 0x42}), 1, 1.0));
    EXPECT_EQ(0x42, serCom.getBufferByte());
    EXPECT_EQ(1, serCom.Command(Bytes({'s', 0x7F, 0xFF}), 1, 1.0));
    EXPECT_EQ(0xFF, serCom.getBufferByte()) << "erased flash";
    EXPECT_EQ(1, serCom.Command(Bytes({'B', 0}), 1, 1.0));
    EXPECT_EQ(1, serCom.Command(Bytes({'B', 255}), 1, 1.0));
    EXPECT_EQ(0, serCom.Command("a", 0, 1.0));
    EXPECT_EQ(1, serCom.Command(Bytes({'S', 92, 0x33}), 1, 1.0));
    EXPECT_EQ(0, serCom.Command("x", 1, 0.05)) << "unknown bytes are ignored";

    sim.SetMeasuredValues({.current = 4000, .scaled = -5, .converter = 1023});
    EXPECT_EQ(2, serCom.Command("Q", 2, 1.0));
    EXPECT_EQ(4000, serCom.getBufferLong());
    EXPECT_EQ(4, serCom.Command("i", 4, 1.0));
    EXPECT_EQ(-5, serCom.getBufferLong());
    EXPECT_EQ(2, serCom.Command("q", 2, 1.0));
    EXPECT_EQ(1023, serCom.getBufferLong());

    const auto eeprom = sim.Eeprom();
    EXPECT_EQ(0x42, eeprom[30]);
    EXPECT_EQ(0x33, eeprom[K417Device::kContrastAddress]);
    EXPECT_EQ(1, sim.CommandCount('a'));
    EXPECT_EQ(2, sim.CommandCount('B'));
}

TEST_F(K417SimulatorTest, BootloaderProgramsBlocksAndResetsIntoTheFirmware) {
    sim.SetFaults({.wrongFlashEchoAt = 256 + 5});
    EXPECT_EQ(1, serCom.Command(Bytes({'R', 0}), 1, 1.0));
    EXPECT_TRUE(sim.InBootloader());
    EXPECT_GT(serCom.Command("I", -1, 1.0), 0);
    EXPECT_NE(std::string::npos, serCom.getBufferStr().find("Bootloader"));

    EXPECT_EQ(3, serCom.Command(Bytes({'#', 1, 0}), 3, 1.0));
    std::string block;
    int sum = 0;
    for (int i = 0; i < 128; ++i) {
        block += static_cast<char>(i * 7);
        sum += static_cast<std::uint8_t>(block.back());
        const int length = i < 127 ? 1 : 2;
        ASSERT_EQ(length, serCom.Command(block.substr(i), length, 1.0)) << i;
        if (i < 127) {
            EXPECT_EQ(i == 5 ? ~block[i] : block[i], serCom.getBufferStr()[0]) << i;
        }
    }
    EXPECT_EQ(sum, serCom.getBufferInt());
    const auto flash = sim.Flash();
    EXPECT_EQ(block, std::string(flash.begin() + 256, flash.begin() + 384));

    EXPECT_EQ(3, serCom.Command(Bytes({'3', 0, 0}), 3, 1.0));
    EXPECT_FALSE(sim.InBootloader());
    EXPECT_EQ(20, serCom.Command("I", -1, 1.0));
}

TEST_F(K417SimulatorTest, GarbageAndDelayedAnswers) {
    sim.SetFaults({.garbage = Bytes({0x00, 0x13, 0x11})});
    EXPECT_EQ(3, serCom.Command(Bytes({'c', 0, 7}), 3, 1.0));
    EXPECT_EQ(Bytes({0x00, 0x13, 0x11}), serCom.getBufferStr());

    sim.SetFaults({.answerDelayS = 0.3});
    EXPECT_EQ(0, serCom.Command(Bytes({'c', 0, 7}), 1, 0.1)) << "the answer comes too late";
    EXPECT_EQ(1, serCom.Command(Bytes({'c', 0, 7}), 1, 1.0));
}

TEST_F(K417SimulatorTest, WireTimingCostsTenBitsPerByte) {
    constexpr int kExchanges = 50;
    constexpr double kWireSeconds = kExchanges * 4 * 10.0 / 19200; // 3 bytes out, 1 back
    sim.SetBaudRate(19200);
    double seconds = SecondsOf([&] {
        for (int i = 0; i < kExchanges; ++i)
            ASSERT_EQ(1, serCom.ReadEEPROM(i, 1));
    });
    EXPECT_GE(seconds, kWireSeconds);
    EXPECT_LT(seconds, 2 * kWireSeconds);

    sim.SetBaudRate(0);
    seconds = SecondsOf([&] {
        for (int i = 0; i < kExchanges; ++i)
            ASSERT_EQ(1, serCom.ReadEEPROM(i, 1));
    });
    EXPECT_LT(seconds, kWireSeconds / 2);
}

/// The stand-alone program, started as a user would.
TEST_F(K417SimulatorTest, ProgramPrintsItsPortAndServesUntilTerminated) {
    const char* program = std::getenv("NIVOSIM");
    ASSERT_NE(nullptr, program);
    int out[2];
    ASSERT_EQ(0, ::pipe(out));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char* const argv[] = {const_cast<char*>(program), const_cast<char*>("--variant"),
                          const_cast<char*>("10"), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(0, ::posix_spawn(&pid, program, &actions, nullptr, argv, environ));
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    FILE* output = ::fdopen(out[0], "r");
    char line[256] = {};
    const bool printed = std::fgets(line, sizeof line, output) != nullptr;
    std::string path(line);
    if (!path.empty())
        path.pop_back();
    cSerCom::setPortPath(2, path);

    EXPECT_TRUE(printed);
    EXPECT_EQ(std::optional<std::int16_t>(2), serCom.Connect(2, "I", "NIVOLANTIS", kSettings, 2.0));
    EXPECT_EQ(1, serCom.ReadEEPROM(K417Device::kVariantAddress, 1));
    EXPECT_EQ(10, serCom.getBufferByte());
    serCom.CloseCom(2);

    ::kill(pid, SIGTERM);
    int status = 0;
    ASSERT_EQ(pid, ::waitpid(pid, &status, 0));
    std::fclose(output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
