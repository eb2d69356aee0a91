#include "ui/Screenshots.h"

#include "app/cNivolantis.h"
#include "base/Translation.h"
#include "ui/main/PageForms.h"
#include "ui/main/ToolbarCommands.h"
#include "ui/main/frmMain.h"
#include "ui/service/frmSplash.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
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

/// Closes every notice a device operation ends with while it lives: a picture does not wait
/// for them, and without a device they would wait for a user forever.
class ClosingNotices {
public:
    ClosingNotices() {
        m_timer.callOnTimeout([] {
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        m_timer.start(100);
    }

private:
    QTimer m_timer;
};

/// The service pages as a technician sees them after reading the device.
void ReadServicePages(frmMain& main, const QTabWidget& tabs) {
    const ClosingNotices notices;
    PageForms& pages = main.Pages();
    const std::pair<int, QPushButton*> reads[] = {
        {5, pages.service6.Command6}, {5, pages.service6.Command3}, {6, pages.service7.Command5}};
    for (const auto& [tab, button] : reads)
        if (tabs.isTabVisible(tab))
            button->click();
}

/// The first page with the fields a comparison with the device framed, and the list of the
/// differences below it, as one picture.
bool SaveComparison(frmMain& main, const QString& path) {
    {
        const ClosingNotices notices;
        main.Commands().CompareWithDevice();
    }
    QWidget* list = main.Commands().CompareWindow();
    if (!list)
        return CannotWrite(path);
    QApplication::processEvents();
    const QPixmap top = main.grab(), bottom = list->grab();
    QPixmap both(std::max(top.width(), bottom.width()), top.height() + bottom.height());
    both.fill(main.palette().color(QPalette::Window));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, top);
    painter.drawPixmap(0, top.height(), bottom);
    painter.end();
    list->close();
    return both.save(path) || CannotWrite(path);
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
    if (!app.FileName().empty()) // the file's values against the device's
        written &= SaveComparison(main, dir.filePath("compare.png"));
    return written;
}
