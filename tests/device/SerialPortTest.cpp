#include "device/SerialPort.h"
#include "sim/PseudoTerminal.h"
#include "support/CoreTest.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <numeric>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

class SerialPortTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        // A real port may still be in a terminal's cooked mode; the pseudo-terminal starts raw.
        const int fd = ::open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY);
        termios cooked{};
        ASSERT_EQ(0, ::tcgetattr(fd, &cooked));
        cooked.c_iflag |= ICRNL | IXON;
        cooked.c_oflag |= OPOST | ONLCR;
        cooked.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
        ASSERT_EQ(0, ::tcsetattr(fd, TCSANOW, &cooked));
        ::close(fd);
        ASSERT_TRUE(port->Open(pty.SlavePath(), "19200,n,8,1")) << port->ErrorDescription();
    }

    /// Reads from the master side until `count` bytes came or a second passed.
    std::string ReadMaster(std::size_t count) {
        std::string bytes(count, '\0');
        std::size_t got = 0;
        pollfd entry{pty.MasterFd(), POLLIN, 0};
        while (got<count&& ::poll(&entry, 1, 1000)> 0)
            got += std::max<ssize_t>(0, ::read(pty.MasterFd(), bytes.data() + got, count - got));
        return bytes.substr(0, got);
    }

    PseudoTerminal pty;
    std::unique_ptr<SerialPort> port = MakeSerialPort();
};

TEST_F(SerialPortTest, EveryByteValueTravelsUnchangedBothWaysUntilTheOtherSideCloses) {
    std::string bytes(256, '\0');
    std::iota(bytes.begin(), bytes.end(), '\0');
    // Then the bytes a terminal in cooked mode would swallow, translate or act upon, in a row.
    bytes += std::string("\r\n\x11\x13\x03\x04\x7F\xFF\x00\x1A\x1C", 11);
    ASSERT_TRUE(port->Write(bytes));
    EXPECT_EQ(SerialWait::Done, port->WaitTransmitted(1.0));
    EXPECT_EQ(bytes, ReadMaster(bytes.size()));

    ASSERT_EQ(static_cast<ssize_t>(bytes.size()),
              ::write(pty.MasterFd(), bytes.data(), bytes.size()));
    while (port->BytesWaiting() < bytes.size())
        ASSERT_EQ(SerialWait::Done, port->WaitReadable(1.0));
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SerialWait::Timeout, port->WaitReadable(0.05)) << "nothing more to come";
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    EXPECT_EQ(bytes, port->ReadAll());

    // More than the buffer holds: the rest waits in the driver, and a full buffer waits no more.
    const std::string flood(SerialPort::kReceiveLimit + 100, 'x');
    ASSERT_EQ(static_cast<ssize_t>(flood.size()),
              ::write(pty.MasterFd(), flood.data(), flood.size()));
    while (port->BytesWaiting() < SerialPort::kReceiveLimit)
        ASSERT_EQ(SerialWait::Done, port->WaitReadable(1.0));
    EXPECT_EQ(SerialPort::kReceiveLimit, port->BytesWaiting());
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(SerialWait::Done, port->WaitReadable(5.0));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(SerialPort::kReceiveLimit, port->ReadAll().size());
    EXPECT_EQ(100u, port->BytesWaiting());
    port->ReadAll();

    pty.HangUp();
    start = std::chrono::steady_clock::now();
    EXPECT_EQ(SerialWait::Failed, port->WaitReadable(5.0)) << "at once instead of hanging";
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(port->Write("c"));
    EXPECT_EQ("Verbindung zur Schnittstelle unterbrochen.", port->ErrorDescription());
}

TEST_F(SerialPortTest, OpeningTellsWhyItFails) {
    auto other = MakeSerialPort();
    EXPECT_FALSE(other->Open(pty.SlavePath(), "19200,n,8,1")) << "held by `port`, also for root";
    EXPECT_EQ("Schnittstelle wird bereits verwendet (von diesem Programm).",
              other->ErrorDescription());
    port->Close();
    {
        // Another program holds it: named by its process. The child tells when it holds it.
        int ready[2];
        ASSERT_EQ(0, ::pipe(ready));
        const pid_t child = ::fork();
        if (child == 0) {
            ::prctl(PR_SET_NAME, "minicom\x1B[2J");
            auto held = MakeSerialPort();
            const char result = held->Open(pty.SlavePath(), "19200,n,8,1") ? 'y' : 'n';
            [[maybe_unused]] const auto told = ::write(ready[1], &result, 1);
            ::pause();
            ::_exit(0);
        }
        char result = 0;
        EXPECT_EQ(1, ::read(ready[0], &result, 1));
        EXPECT_EQ('y', result);
        EXPECT_FALSE(other->Open(pty.SlavePath(), "19200,n,8,1"));
        EXPECT_EQ("Schnittstelle wird bereits verwendet (von 'minicom\\x1B[2J', Prozess " +
                      std::to_string(child) + ").",
                  other->ErrorDescription());
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        ::close(ready[0]);
        ::close(ready[1]);
    }
    // The child's exclusive hold outlives it while the master side stays open, and only root
    // may pass it: the rest on a terminal of its own.
    PseudoTerminal fresh;
    for (const char* bad : {"", "19200,n,8", "19200,n,8,1,0", "0,n,8,1", "19200,n,9,1",
                            "19200,nn,8,1", "19200,x,8,1", "19200,n,8,3", "fast,n,8,1"}) {
        EXPECT_FALSE(other->Open(fresh.SlavePath(), bad)) << bad;
        EXPECT_EQ("Ungültige Schnittstellenparameter.", other->ErrorDescription()) << bad;
    }
    // A pseudo-terminal keeps 8 data bits without parity whatever it is asked for.
    EXPECT_FALSE(other->Open(fresh.SlavePath(), " 19200 , E , 7 , 2 "));
    EXPECT_EQ("Schnittstellenparameter werden nicht unterstützt.", other->ErrorDescription());
    WriteBytes(PathOf("not-a-port"), "x");
    EXPECT_FALSE(other->Open(PathOf("not-a-port"), "19200,n,8,1"));
    EXPECT_EQ("Schnittstelle kann nicht geöffnet werden: keine serielle Schnittstelle.",
              other->ErrorDescription());
}

} // namespace
