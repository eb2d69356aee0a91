#include "ui/Screenshots.h"

#include "app/cNivolantis.h"
#include "base/Translation.h"
#include "ui/main/PageForms.h"
#include "ui/main/frmMain.h"
#include "ui/service/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTabWidget>

#include <iostream>

namespace {

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    if (window.grab().save(path))
        return true;
    std::cerr << "NivoConfig: "
              << TrArgs(Tr("Screenshots", "%1 konnte nicht geschrieben werden."),
                        {path.toStdString()})
              << '\n';
    return false;
}

/// The service pages as a technician sees them after reading the device.
void ReadServicePages(frmMain& main, const QTabWidget& tabs) {
    PageForms& pages = main.Pages();
    const std::pair<int, QPushButton*> reads[] = {
        {5, pages.service6.Command6}, {5, pages.service6.Command3}, {6, pages.service7.Command5}};
    for (const auto& [tab, button] : reads)
        if (tabs.isTabVisible(tab))
            button->click();
}

} // namespace

bool WriteScreenshots(frmMain& main, QWidget& options, const cNivolantis& app,
                      const QString& folder) {
    QDir().mkpath(folder);
    const QDir dir(folder);
    bool written = true;
    QTabWidget* tabs = main.PageTabs();
    main.resize(main.sizeHint()); // whole pages, whatever the screen
    ReadServicePages(main, *tabs);
    for (int i = 0; i < tabs->count(); ++i) {
        if (!tabs->isTabVisible(i))
            continue;
        tabs->setCurrentIndex(i);
        written &= Save(main, dir.filePath(QString("page-%1.png").arg(i + 1)));
    }
    tabs->setCurrentIndex(0);

    frmSplash info;
    info.Fill(app.SettingsSource());
    info.ShowDeviceVersion(app.FirmwareID());
    info.show();
    written &= Save(info, dir.filePath("info.png"));
    info.close();

    options.show();
    written &= Save(options, dir.filePath("options.png"));
    options.hide();
    return written;
}
