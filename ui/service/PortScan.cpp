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
        m_window.Commands().RunServiceCommand(
            "Abtasten", [this] { m_window.Commands().OfferCancel([this] { Scan(); }); });
    });
}

void PortScan::Scan() {
    const std::vector<cNivolantis::PortState> states = m_app.ScanPorts([this] {
        DoEvents(); // "Abbrechen" is seen between two ports
        return !m_app.UserCancel().Requested();
    });
    if (states.empty()) {
        ShowMessage(Tr("PortScan", "Abtasten abgebrochen.\r\nDie Liste ist unverändert."),
                    MsgIcon::Information, Tr("PortScan", "Schnittstellen"));
        return;
    }
    m_grid->setRowCount(0);
    m_grid->setRowCount(static_cast<int>(states.size()));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        auto* name = new QTableWidgetItem("COM" + QString::number(row + 1));
        name->setToolTip(QString::fromStdString(states[row].path));
        m_grid->setItem(row, 0, name);
        m_grid->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(states[row].text)));
    }
}
