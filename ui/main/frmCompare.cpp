#include "ui/main/frmCompare.h"

#include "ui_frmCompare.h"

frmCompare::frmCompare(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::frmCompare>()) {
    m_ui->setupUi(this);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

frmCompare::~frmCompare() = default;

void frmCompare::Fill(const QString& heading,
                      const std::vector<ConfigurationDifference>& differences) {
    m_ui->lblCompare->setText(heading);
    m_ui->lstDifferences->clear();
    for (const ConfigurationDifference& difference : differences) {
        auto* item = new QListWidgetItem(QString::fromStdString(
            difference.path + ": " + difference.mine + " → " + difference.other));
        item->setToolTip(QString::fromStdString(difference.caption));
        m_ui->lstDifferences->addItem(item);
    }
}
