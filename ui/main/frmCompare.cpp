#include "ui/main/frmCompare.h"

#include "model/CatalogueText.h"

#include "ui_frmCompare.h"

namespace {

/// "Input/Scale unit" for "Eingang/Skaleneinheit": the group's and the value's captions.
QString CaptionOf(const ConfigurationDifference& difference) {
    const std::string group = difference.path.substr(0, difference.path.find('/'));
    return QString::fromStdString(CatalogueText::Caption(group) + "/" + difference.caption);
}

} // namespace

frmCompare::frmCompare(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::frmCompare>()) {
    m_ui->setupUi(this);
    // Long values (description lines) wrap inside the window instead of running past it.
    m_ui->lstDifferences->setWordWrap(true);
    m_ui->lstDifferences->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_ui->lstDifferences->setResizeMode(QListView::Adjust);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::close);
}

frmCompare::~frmCompare() = default;

void frmCompare::Fill(const QString& heading,
                      const std::vector<ConfigurationDifference>& differences) {
    m_ui->lblCompare->setText(heading);
    m_ui->lstDifferences->clear();
    for (const ConfigurationDifference& difference : differences) {
        // In the user's language; the tool tip gives the path that the command line takes.
        auto* item = new QListWidgetItem(CaptionOf(difference) + ": " +
                                         QString::fromStdString(difference.mine) + " → " +
                                         QString::fromStdString(difference.other));
        item->setToolTip(QString::fromStdString(difference.path));
        m_ui->lstDifferences->addItem(item);
    }
}
