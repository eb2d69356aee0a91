#include "support/SimulatorTest.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/wait.h>
#include <thread>

namespace {

using K417SimulatorTest = SimulatorTest;

// The commands themselves are exercised by the serial channel, transfer, firmware, measurement
// and service window tests; here what only the simulator and its program decide.
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

TEST_F(K417SimulatorTest, KeepsOnlyTheLastMebibyteItReceived) {
    OpenSim();
    // 'x' and 'y' are no commands: the device takes them as noise and answers nothing.
    constexpr std::size_t kMebibyte = 1 << 20;
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(0, serCom.Command(std::string(kMebibyte, 'x'), 0, 1.0));
    ASSERT_EQ(0, serCom.Command(std::string(kMebibyte, 'y'), 0, 1.0));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (sim.Received().find('x') != std::string::npos &&
           std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(std::string(kMebibyte, 'y'), sim.Received());
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
    serCom.Names().setPortPath(2, std::string(line, std::strcspn(line, "\n")));
    EXPECT_EQ(2, serCom.Connect(2, "I", "NIVOLANTIS", kSettings, 2.0).port);
    EXPECT_EQ(1, serCom.ReadEEPROM(7, 1));
    EXPECT_EQ(10, serCom.getBufferByte());
    serCom.CloseCom(2);

    ::kill(pid, SIGTERM);
    const int status = ::pclose(output);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

} // namespace
