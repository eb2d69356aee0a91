#include "ui/service/PortPathList.h"

#include "app/cNivolantis.h"
#include "base/Platform.h"
#include "base/Text.h"
#include "base/Translation.h"
#include "device/NetworkAddress.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kMaxPathLength = 256;        ///< characters of a typed path or address
constexpr std::size_t kMaxPathShown = 160; ///< bytes of a path from outside in a message

} // namespace

PortPathList::PortPathList(cNivolantis& app, QTableWidget& grid, QPushButton& save, QLabel& note)
    : QObject(&grid), m_app(app), m_grid(grid), m_note(note) {
    const int count = PortNames::kPortCount;
    m_grid.setColumnCount(3);
    m_grid.setRowCount(count);
    m_grid.setHorizontalHeaderLabels({Q(Tr("PortPathList", "Schnittstelle")),
                                      Q(Tr("PortPathList", "Gerätedatei oder Adresse")),
                                      Q(Tr("PortPathList", "Art"))});
    m_grid.verticalHeader()->hide();
    m_grid.horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < count; ++row) {
        m_grid.setItem(row, 0, new QTableWidgetItem("COM" + QString::number(row + 1)));
        m_grid.setItem(row, 2, new QTableWidgetItem);
        auto* path = new QComboBox(&m_grid);
        path->setObjectName("cmbPortPath_" + QString::number(row));
        path->setEditable(true);
        path->setInsertPolicy(QComboBox::NoInsert);
        path->lineEdit()->setMaxLength(kMaxPathLength);
        m_grid.setCellWidget(row, 1, path);
        m_paths.push_back(path);
    }
    m_shown.resize(m_paths.size());
    connect(&save, &QPushButton::clicked, this, &PortPathList::Save);
}

void PortPathList::Refresh() {
    PortNames& ports = m_app.Ports();
    if (!m_app.DeviceBusy())
        ports.FindPorts(); // an adapter plugged in since the last search
    QStringList found;
    for (const SystemPort& port : ports.FoundPorts())
        found << Q(port.path);
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        const auto n = static_cast<std::int16_t>(i + 1);
        QComboBox* path = m_paths[i];
        path->clear();
        path->addItems(found);
        m_shown[i] = Q(ports.PortPath(n));
        path->setEditText(m_shown[i]);
        const std::string kind = NetworkAddress::IsNetworkName(ports.PortPath(n))
                                     ? Tr("PortPathList", "Geräteserver")
                                     : ports.PortKind(n);
        m_grid.item(static_cast<int>(i), 2)->setText(Q(EscapedText(kind, kMaxPathShown)));
    }
    m_grid.resizeColumnToContents(0);
}

bool PortPathList::Valid() {
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        const std::string path = m_paths[i]->currentText().trimmed().toStdString();
        if (m_paths[i]->currentText() == m_shown[i] || !NetworkAddress::IsNetworkName(path) ||
            NetworkAddress::Parse(path))
            continue;
        ShowMessage(TrArgs(Tr("PortPathList", "COM%1: '%2' ist keine gültige Adresse.\r\n"
                                              "Erwartet: tcp://RECHNER:PORT oder "
                                              "rfc2217://RECHNER:PORT."),
                           {std::to_string(i + 1), EscapedText(path, kMaxPathShown)}),
                    MsgIcon::Exclamation, Tr("PortPathList", "Schnittstellen"));
        return false;
    }
    return true;
}

void PortPathList::Save() {
    if (!Valid())
        return;
    const SettingsFiles& settings = m_app.SettingsSource();
    QStringList saved;
    for (std::size_t i = 0; i < m_paths.size(); ++i) {
        if (m_paths[i]->currentText() == m_shown[i])
            continue;
        const std::string path = m_paths[i]->currentText().trimmed().toStdString();
        const int n = static_cast<int>(i + 1);
        if (const std::string failure = settings.SavePortPath(n, path); !failure.empty()) {
            ShowMessage(TrArgs(Tr("PortPathList", "Fehler beim Speichern der Datei '%1': %2"),
                               {settings.ChoicesFile(), failure}),
                        MsgIcon::Critical, Tr("PortPathList", "Schnittstellen"));
            break;
        }
        m_app.Ports().setPortPath(static_cast<std::int16_t>(n), path);
        saved << "COM" + QString::number(n);
    }
    Refresh();
    if (!saved.isEmpty())
        m_note.setText(Q(TrArgs(Tr("PortPathList", "%1 gespeichert in %2."),
                                {saved.join(", ").toStdString(), settings.ChoicesFile()})));
}
