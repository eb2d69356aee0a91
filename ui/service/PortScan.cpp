#include "ui/service/PortScan.h"

#include "app/basMain.h"
#include "ui/main/frmMain.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

PortScan::PortScan(frmMain& window)
    : m_window(window), m_grid(window.findChild<QTableWidget*>("grdPorts")) {
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({"", "Status"});
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QObject::connect(window.findChild<QPushButton*>("Command5"), &QPushButton::clicked, &window,
                     [this] { m_window.RunServiceCommand("Abtasten", [this] { Scan(); }); });
}

void PortScan::Scan() {
    m_grid->setRowCount(0);
    cSerCom scan; // not the application's channel: the port it holds shows as in use
    const cSerCom& held = MyNivolantis->SerCom();
    m_grid->setRowCount(scan.PortCount());
    for (std::int16_t n = 1; n <= scan.PortCount(); ++n) {
        scan.setPortPath(n, held.PortPath(n));
        m_grid->setItem(n - 1, 0, new QTableWidgetItem("COM" + QString::number(n)));
        m_grid->setItem(n - 1, 1, new QTableWidgetItem(QString::fromStdString(scan.GetStatus(n))));
    }
}
