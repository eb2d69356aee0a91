// Which device file each COMn stands for, read from a prepared /dev and /sys tree whose
// adapter links lead to pseudo-terminals, and what a user is told when a port is refused.
#include "device/PortDiscovery.h"
#include "app/cNivolantis.h"
#include "device/DeviceTransfer.h"
#include "device/PortAccess.h"
#include "sim/K417Simulator.h"
#include "sim/PseudoTerminal.h"
#include "support/ModelTest.h"

#include <filesystem>
#include <grp.h>
#include <linux/serial.h>
#include <map>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class PortDiscoveryTest : public ModelTest {
protected:
    std::string Root() const { return PathOf("root"); }

    void PlugAdapter(const std::string& name, const std::string& target) {
        const fs::path byId = fs::path(Root()) / "dev/serial/by-id";
        fs::create_directories(byId);
        fs::create_symlink(target, byId / name);
    }
    /// /dev/ttySn and its /sys entry, whose device hangs on `bus` ("" for no device at all).
    void AddUart(int n, const std::string& bus, int type) {
        const std::string name = "ttyS" + std::to_string(n);
        fs::create_directories(fs::path(Root()) / "dev");
        WriteBytes(Root() + "/dev/" + name, "");
        uartTypes[Root() + "/dev/" + name] = type;
        if (bus.empty())
            return;
        const fs::path device = fs::path(Root()) / "sys/class/tty" / name / "device";
        fs::create_directories(device);
        fs::create_symlink("../../../../bus/" + bus, device / "subsystem");
    }
    /// /dev/ttySn whose /sys device is a port of the "serial-base" bus below its controller,
    /// which belongs to `bus`, as newer kernels show it.
    void AddSerialBaseUart(int n, const std::string& bus) {
        const std::string name = "ttyS" + std::to_string(n);
        WriteBytes(Root() + "/dev/" + name, "");
        uartTypes[Root() + "/dev/" + name] = PORT_16550A;
        const fs::path owner = fs::path(Root()) / "sys/devices" / (bus + std::to_string(n));
        const fs::path port = owner / "ctrl" / "port";
        fs::create_directories(port);
        fs::create_symlink("../../../../bus/" + bus, owner / "subsystem");
        fs::create_symlink("../../../../../bus/serial-base", owner / "ctrl/subsystem");
        fs::create_symlink("../../../../../../bus/serial-base", port / "subsystem");
        const fs::path tty = fs::path(Root()) / "sys/class/tty" / name;
        fs::create_directories(tty);
        fs::create_symlink(port, tty / "device");
    }
    PortDiscovery Discovery() {
        return PortDiscovery(Root(), [this](const std::string& path) { return uartTypes[path]; });
    }
    static std::vector<std::string> Paths(const std::vector<SystemPort>& ports) {
        std::vector<std::string> paths;
        for (const SystemPort& port : ports)
            paths.push_back(port.path + " " + port.kind);
        return paths;
    }

    std::map<std::string, int> uartTypes;
};

std::string UserName() {
    const passwd* user = ::getpwuid(::geteuid());
    return user ? user->pw_name : "";
}

std::string GroupOf(const std::string& path) {
    struct stat info {};
    const group* owner = ::stat(path.c_str(), &info) == 0 ? ::getgrgid(info.st_gid) : nullptr;
    return owner ? owner->gr_name : "";
}

} // namespace

TEST_F(PortDiscoveryTest, AdaptersComeFirstByNameThenTheUartsReallyThere) {
    PseudoTerminal second, first;
    PlugAdapter("usb-FTDI_FT232R_B-if00-port0", second.SlavePath());
    PlugAdapter("usb-FTDI_FT232R_A-if00-port0", first.SlavePath());
    AddUart(0, "pnp", PORT_16550A);
    AddUart(1, "platform", PORT_16550A); // the 8250 driver's placeholder
    AddUart(2, "pnp", PORT_UNKNOWN);     // no UART behind it
    AddUart(3, "", PORT_16550A);         // no device in /sys
    AddUart(9, "pci", PORT_16550A);
    AddUart(10, "pnp", PORT_16550A);
    AddSerialBaseUart(11, "pnp");
    AddSerialBaseUart(12, "platform");
    const std::string dev = Root() + "/dev/";
    EXPECT_EQ((std::vector<std::string>{first.SlavePath() + " usb-FTDI_FT232R_A-if00-port0",
                                        second.SlavePath() + " usb-FTDI_FT232R_B-if00-port0",
                                        dev + "ttyS0 eingebaute Schnittstelle",
                                        dev + "ttyS9 eingebaute Schnittstelle",
                                        dev + "ttyS10 eingebaute Schnittstelle",
                                        dev + "ttyS11 eingebaute Schnittstelle"}),
              Paths(Discovery().Ports()));
    EXPECT_TRUE(PortDiscovery(PathOf("leer")).Ports().empty());
}

TEST_F(PortDiscoveryTest, AnAdapterPluggedInAfterStartIsFoundByTheNextSearch) {
    PseudoTerminal silent;
    K417Simulator sim;
    sim.Start();
    PlugAdapter("usb-Prolific_PL2303-if00-port0", silent.SlavePath());
    AddUart(0, "pnp", PORT_16550A);
    cSerCom& serCom = app->SerCom();
    serCom.setPortPath(3, PathOf("aus-den-einstellungen"));
    serCom.setPortDiscovery(Discovery());
    EXPECT_EQ(silent.SlavePath(), serCom.PortPath(1));
    EXPECT_EQ(Root() + "/dev/ttyS0", serCom.PortPath(2));
    EXPECT_EQ("", serCom.PortPath(4)) << "no port left for COM4";
    EXPECT_EQ(0, app->Connect());

    PlugAdapter("usb-FTDI_FT232R-if00-port0", sim.SlavePath());
    EXPECT_EQ(1, app->Connect());
    EXPECT_EQ(sim.SlavePath(), serCom.PortPath(1));
    EXPECT_EQ("usb-FTDI_FT232R-if00-port0", serCom.PortKind(1));
    EXPECT_EQ(silent.SlavePath(), serCom.PortPath(2));
    EXPECT_EQ(PathOf("aus-den-einstellungen"), serCom.PortPath(3)) << "the settings' port stays";
    EXPECT_EQ("", serCom.PortKind(3));
    EXPECT_EQ(Root() + "/dev/ttyS0", serCom.PortPath(4));
    EXPECT_EQ("eingebaute Schnittstelle", serCom.PortKind(4));

    serCom.setPortPath(6, silent.SlavePath());
    EXPECT_EQ(Root() + "/dev/ttyS0", serCom.PortPath(2)) << "a port the settings name moves there";
    EXPECT_EQ("", serCom.PortPath(4));
}

TEST_F(PortDiscoveryTest, PermissionMessageNamesFileGroupAndRemedy) {
    EXPECT_EQ("Keine Berechtigung für /dev/ttyUSB0 (Gruppe 'dialout'). anna muss Mitglied der "
              "Gruppe 'dialout' werden: sudo usermod -aG dialout anna, dann neu anmelden.",
              PortAccess::PermissionDeniedText("/dev/ttyUSB0", "dialout", "anna"));
    EXPECT_EQ("Keine Berechtigung für /dev/ttyS0 (Gruppe 'root' ohne Lese- und Schreibrecht). "
              "Der Verwalter des Rechners muss den Zugriff freigeben.",
              PortAccess::PermissionDeniedText("/dev/ttyS0", "root", "anna", false));
    PseudoTerminal pty; // group "tty" with write right only: joining it would not help
    EXPECT_EQ(PortAccess::PermissionDeniedText(pty.SlavePath(), GroupOf(pty.SlavePath()),
                                               UserName(), false),
              PortAccess::PermissionDenied(pty.SlavePath()));
    const group* tty = ::getgrnam("tty");
    ASSERT_NE(nullptr, tty) << "a group other than root's is needed";
    if (::geteuid() == 0) { // root's pseudo-terminals may belong to root's group
        ASSERT_EQ(0, ::chown(pty.SlavePath().c_str(), 0, tty->gr_gid));
    }
    ASSERT_EQ(0, ::chmod(pty.SlavePath().c_str(), 0660));
    EXPECT_EQ(
        PortAccess::PermissionDeniedText(pty.SlavePath(), GroupOf(pty.SlavePath()), UserName()),
        PortAccess::PermissionDenied(pty.SlavePath()));
    EXPECT_EQ("Zugriff erlaubt.", PortAccess::Access(pty.SlavePath()));
    EXPECT_EQ("Gerätedatei nicht vorhanden.", PortAccess::Access(PathOf("kein-tty")));
}

TEST_F(PortDiscoveryTest, PortWithoutPermissionSaysWhichGroupToJoin) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "Only meaningful as an ordinary user: root may open every device file.";
    PseudoTerminal pty;
    ASSERT_EQ(0, ::chmod(pty.SlavePath().c_str(), 060)); // the group may, its owner not
    const std::string expected =
        PortAccess::PermissionDeniedText(pty.SlavePath(), GroupOf(pty.SlavePath()), UserName());
    EXPECT_EQ(expected, PortAccess::Access(pty.SlavePath()));
    cSerCom& serCom = app->SerCom();
    serCom.setPortDiscovery(PortDiscovery(PathOf("leer")));
    serCom.setPortPath(1, pty.SlavePath());
    EXPECT_EQ(expected, serCom.GetStatus(1));
    EXPECT_EQ(0, app->Connect());
    ASSERT_FALSE(app->LastSearch().empty());
    EXPECT_EQ("COM1 (" + pty.SlavePath() + "): " + expected,
              DeviceTransfer::DescribeProbe(app->LastSearch().front()));
}
