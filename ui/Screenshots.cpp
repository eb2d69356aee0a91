#include "ui/Screenshots.h"

#include "app/cNivolantis.h"
#include "base/Translation.h"
#include "ui/main/PageForms.h"
#include "ui/main/frmMain.h"
#include "ui/service/frmSplash.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>

#include <iostream>

namespace {

/// Says that `path` could not be written; false.
bool CannotWrite(const QString& path) {
    std::cerr << "NivoConfig: "
              << TrArgs(Tr("Screenshots", "%1 konnte nicht geschrieben werden."),
                        {path.toStdString()})
              << '\n';
    return false;
}

bool Save(QWidget& window, const QString& path) {
    QApplication::processEvents();
    return window.grab().save(path) || CannotWrite(path);
}

/// The text a control shows of its own, in quotes, with every number as "#": what was read or
/// measured does not count as layout. Empty for controls without a caption.
QString CaptionOf(const QWidget& widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        text = button->text();
    else if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
        text = frame->title();
    static const QRegularExpression number("\\d+");
    return text.isEmpty() ? text : " \"" + text.replace(number, "#").replace('\n', "\\n") + "\"";
}

/// One line per control shown, indented by how deep it lies: "  QLabel lblFilter "Filter:"".
/// Controls of Qt's own making (no name, or "qt_…") stand for nothing of the layout.
void Describe(const QWidget& parent, const QWidget& root, int depth, QString& out) {
    for (const QObject* child : parent.children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget->isWindow() || !widget->isVisibleTo(&root))
            continue;
        const QString name = widget->objectName();
        const bool shown = !name.isEmpty() && !name.startsWith("qt_");
        if (shown)
            out += QString(depth * 2, ' ') + widget->metaObject()->className() + " " + name +
                   CaptionOf(*widget) + "\n";
        Describe(*widget, root, depth + (shown ? 1 : 0), out);
    }
}

/// The toolbar's captions, then each page's controls under its tab's caption.
QString LayoutOf(frmMain& main, QTabWidget& tabs) {
    QString out = "Toolbar1:";
    for (const QAction* action : main.findChild<QToolBar*>("Toolbar1")->actions())
        out += " \"" + action->iconText() + "\"";
    out += "\n";
    for (int i = 0; i < tabs.count(); ++i) {
        if (!tabs.isTabVisible(i))
            continue;
        tabs.setCurrentIndex(i);
        out += "page " + QString::number(i + 1) + " \"" + tabs.tabText(i) + "\"\n";
        Describe(*tabs.widget(i), main, 1, out);
    }
    return out;
}

bool WriteText(const QString& text, const QString& path) {
    QFile file(path);
    return (file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
            file.write(text.toUtf8()) == text.toUtf8().size()) ||
           CannotWrite(path);
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
    written &= WriteText(LayoutOf(main, *tabs), dir.filePath("layout.txt"));
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
