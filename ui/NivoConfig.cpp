// NivoConfig: the configuration program with its windows.
//   NivoConfig [--demo] [--screenshots FOLDER] [1] [2] [3]
// The digits 1, 2 and 3 anywhere on the command line show the service pages 6, 7 and 8.
// --demo serves COM1 with the built-in simulated device; --screenshots writes a picture of every
// page and of the two small windows into FOLDER and ends.
#include "app/basMain.h"
#include "device/cSerCom.h"
#include "platform/QtPlatform.h"
#include "sim/DemoDevice.h"
#include "ui/QtStartWindows.h"
#include "ui/Screenshots.h"
#include "ui/main/frmMain.h"
#include "ui/service/frmOptionen.h"

#include <QApplication>

#include <iostream>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    InstallQtPlatform();

    QStringList arguments = QApplication::arguments().mid(1);
    const bool demo = arguments.removeAll("--demo") > 0;
    QString screenshots;
    if (const int at = arguments.indexOf("--screenshots"); at >= 0 && at + 1 < arguments.size()) {
        screenshots = arguments.takeAt(at + 1);
        arguments.removeAt(at);
        arguments << "123"; // every page
    }

    std::unique_ptr<DemoDevice> device;
    auto configure = [&device, demo](cNivolantis& app) {
        if (demo && (device = StartDemoDevice(app)))
            app.SerCom().setPortPath(1, device->PortPath());
    };
    QtStartWindows windows(arguments.join(' '));
    if (!StartProgram(windows, cNivolantis::DefaultSettingsFile(), configure))
        return 1;

    int result = 0;
    if (screenshots.isEmpty())
        result = application.exec();
    else if (!WriteScreenshots(*windows.Main(), windows.Options(), screenshots))
        result = 1;
    MyNivolantis.reset(); // the application object ends before the windows go
    return result;
}
