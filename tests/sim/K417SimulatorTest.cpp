#include "sim/FactoryImage.h"
#include "sim/SimulatorTest.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>

namespace {

using K417SimulatorTest = SimulatorTest;

// "I", "c", "L", "Q", "i", "q", "s" and "a" are exercised by the serial channel, device
// transfer and measurement tests.
TEST_F(K417SimulatorTest, OtherCommandsAnswerWithTheirLength) {
    OpenSim();
    EXPECT_EQ(0, serCom.Command("x", 1, 0.05)) << "unknown bytes are ignored";
    EXPECT_EQ(1, serCom.Command(Bytes({'B', 255}), 1, 1.0));
    EXPECT_EQ(1, serCom.Command(Bytes({'S', 92, 0x33}), 1, 1.0));
    EXPECT_EQ(0x33, sim.Eeprom()[20]);
}

TEST_F(K417SimulatorTest, BootloaderProgramsBlocksAndResetsIntoTheFirmware) {
    OpenSim();
    sim.SetFaults({.wrongFlashEchoAt = 256 + 5});
    EXPECT_EQ(1, serCom.Command(Bytes({'R', 0}), 1, 1.0));
    EXPECT_TRUE(sim.InBootloader());
    EXPECT_GT(serCom.Command("I", -1, 1.0), 0);
    EXPECT_NE(std::string::npos, serCom.getBufferStr().find("Bootloader"));

    EXPECT_EQ(3, serCom.Command(Bytes({'#', 1, 0}), 3, 1.0)) << "opens the block at 256";
    std::string block;
    for (int i = 0; i < 128; ++i)
        block += static_cast<char>(i * 7);
    std::string echo = block.substr(0, 127);
    echo[5] = static_cast<char>(~echo[5]);
    ASSERT_EQ(127, serCom.Command(block.substr(0, 127), 127, 1.0)) << "every byte echoed";
    EXPECT_EQ(echo, serCom.getBufferStr());
    ASSERT_EQ(2, serCom.Command(block.substr(127), 2, 1.0)) << "the last answered with the sum";
    EXPECT_EQ(15168, serCom.getBufferInt()) << "(0 + 7 + … + 889) with each byte mod 256";
    const auto flash = sim.Flash();
    EXPECT_EQ(block, std::string(flash.begin() + 256, flash.begin() + 384));

    EXPECT_EQ(3, serCom.Command(Bytes({'3', 0, 0}), 3, 1.0));
    EXPECT_FALSE(sim.InBootloader());
}

TEST_F(K417SimulatorTest, WireTimingCostsTenBitsPerByte) {
    OpenSim();
    constexpr double kWireSeconds = 50 * 4 * 10.0 / 19200; // 50 × (3 bytes out, 1 back)
    const auto fiftyReads = [&] {
        return SecondsOf([&] {
            for (int i = 0; i < 50; ++i)
                ASSERT_EQ(1, serCom.ReadEEPROM(i, 1));
        });
    };
    sim.SetBaudRate(19200);
    const double timed = fiftyReads();
    EXPECT_GE(timed, kWireSeconds);
    sim.SetBaudRate(0);
    EXPECT_LT(fiftyReads(), timed) << "how close to the wire time it gets is nivobench's figure";
}

// A short excerpt of the factory settings, least significant byte first: mA × 1000, scale
// units × 10000, the rest as they are.
TEST(FactoryEepromTest, HoldsTheDefaultsAtTheirAddresses) {
    const K417Device::EepromImage image = FactoryEeprom(5);
    const auto bytes = [&](int adress, int count) {
        return std::vector<int>(image.begin() + adress, image.begin() + adress + count);
    };
    EXPECT_EQ(5, image[7]) << "variant";
    EXPECT_EQ((std::vector<int>{0x44, 0x6B, 0, 0, 0}), bytes(15, 5)) << "Passwort 27460";
    EXPECT_EQ((std::vector<int>{0xB3, 0x01, 0, 0}), bytes(40, 4)) << "Y2 1/23 → 435";
    EXPECT_EQ((std::vector<int>{0xA0, 0x0F, 0x20, 0x4E, 0x02, 0xD0, 0x07, 0xF0, 0x55}),
              bytes(178, 9))
        << "Messbereich 4 to 20, Filter 2, Sondenstörung 2 to 22";
    EXPECT_EQ((std::vector<int>{0x10, 0x27, 0, 0, 0, 4}), bytes(191, 6))
        << "Skalierung up to 1, unit 0, four decimal places";
    EXPECT_EQ((std::vector<int>{0, 1, 0, 0x28, 0x23, 0, 0, 0xE8, 0x03, 0, 0, 0, 0, 0xFF}),
              bytes(246, 14))
        << "channel D: limit 0.9 above 0.1, a free last byte";
}

/// The stand-alone program, started as a user would.
TEST_F(K417SimulatorTest, ProgramPrintsItsPortAndServesUntilTerminated) {
    const char* program = std::getenv("NIVOSIM");
    ASSERT_NE(nullptr, program);
    FILE* output =
        ::popen(("echo $$; exec '" + std::string(program) + "' --variant 10").c_str(), "r");
    ASSERT_NE(nullptr, output);
    char line[256] = {};
    ASSERT_NE(nullptr, std::fgets(line, sizeof line, output));
    const pid_t pid = std::atoi(line); // the shell's, which the program took over
    EXPECT_NE(nullptr, std::fgets(line, sizeof line, output)) << "the port's path";
    serCom.setPortPath(2, std::string(line, std::strcspn(line, "\n")));
    EXPECT_EQ(2, serCom.Connect(2, "I", "NIVOLANTIS", kSettings, 2.0).port);
    EXPECT_EQ(1, serCom.ReadEEPROM(7, 1));
    EXPECT_EQ(10, serCom.getBufferByte());
    serCom.CloseCom(2);

    ::kill(pid, SIGTERM);
    const int status = ::pclose(output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
