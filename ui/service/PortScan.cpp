#include "ui/service/PortScan.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "ui/service/ServiceWindow.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

PortScan::PortScan(ServiceWindow& window, cNivolantis& app)
    : m_window(window), m_app(app), m_grid(window.Widgets().ports) {
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({"", QString::fromStdString(Tr("PortScan", "Status"))});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPushButton* scan = window.Widgets().scanPorts;
    QObject::connect(scan, &QPushButton::clicked, scan, [this] {
        m_window.RunServiceCommand("Abtasten",
                                   [this] { m_window.OfferCancel([this] { Scan(); }); });
    });
}

void PortScan::Scan() {
    cSerCom scan; // not the application's channel: the port it holds shows as in use
    cSerCom& held = m_app.SerCom();
    held.FindPorts(); // an adapter plugged in since the last search is listed too
    QStringList states;
    for (std::int16_t n = 1; n <= scan.PortCount(); ++n) {
        DoEvents(); // "Abbrechen" is seen between two ports
        if (m_app.UserCancel().Requested()) {
            ShowMessage(Tr("PortScan", "Abtasten abgebrochen.\r\nDie Liste ist unverändert."),
                        MsgIcon::Information, Tr("PortScan", "Schnittstellen"));
            return;
        }
        scan.setPortPath(n, held.PortPath(n));
        states << QString::fromStdString(scan.GetStatus(n));
    }
    m_grid->setRowCount(0);
    m_grid->setRowCount(scan.PortCount());
    for (int row = 0; row < states.size(); ++row) {
        auto* name = new QTableWidgetItem("COM" + QString::number(row + 1));
        name->setToolTip(QString::fromStdString(scan.PortPath(static_cast<std::int16_t>(row + 1))));
        m_grid->setItem(row, 0, name);
        m_grid->setItem(row, 1, new QTableWidgetItem(states[row]));
    }
}
