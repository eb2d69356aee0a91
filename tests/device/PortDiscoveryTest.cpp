// Which device file each COMn stands for, read from a prepared /dev and /sys tree whose
// adapter links lead to pseudo-terminals, and what a user is told when a port is refused.
#include "device/PortDiscovery.h"
#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "device/PortAccess.h"
#include "sim/K417Simulator.h"
#include "sim/PseudoTerminal.h"
#include "support/FastClock.h"
#include "support/ModelTest.h"
#include "support/SkippingClock.h"

#include <filesystem>
#include <grp.h>
#include <linux/serial.h>
#include <map>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

class PortDiscoveryTest : public ModelTest {
protected:
    fs::path Root() const { return PathOf("root"); }

    void PlugAdapter(const std::string& name, const std::string& target) {
        fs::create_directories(Root() / "dev/serial/by-id");
        fs::create_symlink(target, Root() / "dev/serial/by-id" / name);
    }
    /// /dev/ttySn and its /sys device, which hangs on `bus` ("" for no device at all); newer
    /// kernels put a port of the "serial-base" bus between the tty and its controller.
    void AddUart(int n, const std::string& bus, int type = PORT_16550A, bool serialBase = false) {
        const std::string name = "ttyS" + std::to_string(n), path = (Root() / "dev" / name);
        fs::create_directories(Root() / "dev");
        WriteBytes(path, "");
        uartTypes[path] = type;
        if (bus.empty())
            return;
        const fs::path owner = Root() / "sys/devices" / name, port = owner / "ctrl/port";
        fs::create_directories(port);
        fs::create_symlink("../../bus/" + bus, owner / "subsystem");
        for (const fs::path& between : {owner / "ctrl", port})
            if (serialBase)
                fs::create_symlink("../../bus/serial-base", between / "subsystem");
        fs::create_directories(Root() / "sys/class/tty" / name);
        fs::create_symlink(serialBase ? port : owner, Root() / "sys/class/tty" / name / "device");
    }
    PortDiscovery Discovery() {
        return PortDiscovery(Root(), [this](const std::string& path) { return uartTypes[path]; });
    }

    std::map<std::string, int> uartTypes;
};

std::string UserName() {
    const passwd* user = ::getpwuid(::geteuid());
    return user ? user->pw_name : "";
}

} // namespace

TEST_F(PortDiscoveryTest, AdaptersComeFirstByNameThenTheUartsReallyThere) {
    PseudoTerminal second, first;
    PlugAdapter("usb-FTDI_FT232R_B-if00-port0", second.SlavePath());
    PlugAdapter("usb-FTDI_FT232R_A-if00-port0", first.SlavePath());
    AddUart(0, "pnp");
    AddUart(1, "platform");          // the 8250 driver's placeholder
    AddUart(2, "pnp", PORT_UNKNOWN); // no UART behind it
    AddUart(3, "");                  // no device in /sys
    AddUart(9, "pci");
    AddUart(10, "pnp");
    AddUart(11, "pnp", PORT_16550A, true);
    AddUart(12, "platform", PORT_16550A, true);
    const std::string dev = Root() / "dev/";
    Lines found;
    for (const SystemPort& port : Discovery().Ports())
        found.push_back(port.path + " " + port.kind);
    EXPECT_EQ(
        (Lines{first.SlavePath() + " usb-FTDI_FT232R_A-if00-port0",
               second.SlavePath() + " usb-FTDI_FT232R_B-if00-port0",
               dev + "ttyS0 eingebaute Schnittstelle", dev + "ttyS9 eingebaute Schnittstelle",
               dev + "ttyS10 eingebaute Schnittstelle", dev + "ttyS11 eingebaute Schnittstelle"}),
        found);
    EXPECT_TRUE(PortDiscovery(PathOf("leer")).Ports().empty());
}

TEST_F(PortDiscoveryTest, AnAdapterPluggedInAfterStartIsFoundByTheNextSearch) {
    PseudoTerminal silent;
    K417Simulator sim;
    sim.Start();
    PlugAdapter("usb-Prolific_PL2303-if00-port0", silent.SlavePath());
    AddUart(0, "pnp");
    const std::string settingsPort = PathOf("aus-den-einstellungen"), uart = Root() / "dev/ttyS0";
    cSerCom& serCom = app->SerCom();
    serCom.Names().setPortPath(3, settingsPort);
    serCom.Names().setPortDiscovery(Discovery());
    const auto com = [&](int n) {
        return serCom.Names().PortPath(n) + " " + serCom.Names().PortKind(n);
    };
    Platform::Install(std::make_unique<FastClock>()); // the search's pauses and time-out
    EXPECT_EQ(0, app->Connect());
    Platform::Install(std::make_unique<SkippingClock>());
    // A maker's cable with a long product name, which the connection panel's tip shows whole.
    const std::string cable =
        "usb-FTDI_Nivolantis_K417_USB_Service_Interface_Cable_NV4170012345-if00-port0";
    PlugAdapter(cable, sim.SlavePath());
    EXPECT_EQ(1, app->Connect());
    EXPECT_EQ("COM1: " + sim.SlavePath() + " (" + cable + ")", app->ConnectionText());
    EXPECT_EQ((Lines{sim.SlavePath() + " " + cable,
                     silent.SlavePath() + " usb-Prolific_PL2303-if00-port0", settingsPort + " ",
                     uart + " eingebaute Schnittstelle"}),
              (Lines{com(1), com(2), com(3), com(4)}))
        << "the settings' port stays";

    serCom.Names().setPortPath(6, silent.SlavePath());
    EXPECT_EQ((Lines{uart + " eingebaute Schnittstelle", " "}), (Lines{com(2), com(4)}))
        << "a port the settings name moves there";
}

TEST_F(PortDiscoveryTest, PermissionMessageNamesFileGroupAndRemedy) {
    EXPECT_EQ("Keine Berechtigung für /dev/ttyUSB0 (Gruppe 'dialout'). anna muss Mitglied der "
              "Gruppe 'dialout' werden: sudo usermod -aG dialout anna, dann neu anmelden.",
              PortAccess::PermissionDeniedText("/dev/ttyUSB0", "dialout", "anna"));
    EXPECT_EQ("Keine Berechtigung für /dev/ttyS0 (Gruppe 'root' ohne Lese- und Schreibrecht). "
              "Der Verwalter des Rechners muss den Zugriff freigeben.",
              PortAccess::PermissionDeniedText("/dev/ttyS0", "root", "anna", false));
    PseudoTerminal pty;
    const std::string path = pty.SlavePath();
    if (::geteuid() == 0) { // root's pseudo-terminals belong to root's group, which none joins
        const group* tty = ::getgrnam("tty");
        ASSERT_NE(nullptr, tty);
        ASSERT_EQ(0, ::chown(path.c_str(), 0, tty->gr_gid));
    }
    struct stat info {};
    ASSERT_EQ(0, ::stat(path.c_str(), &info));
    const std::string owners = ::getgrgid(info.st_gid)->gr_name; // an ordinary user's own group
    ASSERT_EQ(0, ::chmod(path.c_str(), 0620)); // joining the group would not help: it only writes
    EXPECT_EQ(PortAccess::PermissionDeniedText(path, owners, "", false),
              PortAccess::PermissionDenied(path));
    ASSERT_EQ(0, ::chmod(path.c_str(), 0660));
    EXPECT_EQ(PortAccess::PermissionDeniedText(path, owners, UserName()),
              PortAccess::PermissionDenied(path));
    EXPECT_EQ("Zugriff erlaubt.", PortAccess::Access(path));
    EXPECT_EQ("Gerätedatei nicht vorhanden.", PortAccess::Access(PathOf("kein-tty")));
}
