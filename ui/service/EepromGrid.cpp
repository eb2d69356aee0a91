#include "ui/service/EepromGrid.h"

#include "app/cNivolantis.h"
#include "base/FileContent.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "firmware/EepromHexFile.h"
#include "platform/FileDialogs.h"
#include "ui/RecentFolders.h"
#include "ui/service/EepromCellText.h"
#include "ui/service/ServiceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

constexpr int kColumns = 16;                            ///< bytes per grid row
constexpr int kRows = EepromTransfer::kSize / kColumns; ///< 32 rows for addresses 0 … 1FF
constexpr int kCellTwips = 300;                         ///< column width of the grid
constexpr int kTwipsPerPixel = 15;                      ///< at 96 dots per inch
const char* const kTitle = TrNoop("EepromGrid", "Internes EEPROM");
constexpr int kRefusalShownMs = 10000; ///< the status bar's panels return afterwards

QString Hex(int value) {
    return QString::number(value, 16).toUpper();
}

void ShowGridMessage(const std::string& text, MsgIcon icon) {
    ShowMessage(text, icon, Tr("EepromGrid", kTitle));
}

/// Shows how a write of the grid ended; returns the text shown.
std::string TellWritten(bool cancelled, const EepromTransfer::CellResults& results) {
    const std::string written = TrArgs(Tr("EepromGrid", "%1 von %2 Zellen ins Gerät geschrieben."),
                                       {std::to_string(EepromTransfer::Transferred(results)),
                                        std::to_string(EepromTransfer::kSize)});
    std::string text;
    MsgIcon icon = MsgIcon::Information;
    if (cancelled) {
        text = TrArgs(Tr("EepromGrid", "Gerät Schreiben abgebrochen.\r\n%1"), {written});
    } else if (const std::string failed = EepromTransfer::FailedCells(results); !failed.empty()) {
        text = TrArgs(
            Tr("EepromGrid", "%1\r\nDiese EEPROM-Adressen konnten nicht geschrieben werden: %2."),
            {written, failed});
        icon = MsgIcon::Critical;
    } else {
        text = TrArgs(Tr("EepromGrid", "Gerät Schreiben beendet.\r\n%1"), {written});
    }
    ShowGridMessage(text, icon);
    return text;
}

} // namespace

EepromGrid::EepromGrid(ServiceWindow& window, cNivolantis& app)
    : m_window(window), m_app(app), m_grid(window.Widgets().eeprom),
      m_value(window.Widgets().eepromCell), m_adress(window.Widgets().eepromAdress) {
    SetUpGrid();
    const ServiceWidgets& widgets = window.Widgets();
    auto run = [this](const char* name, void (EepromGrid::*operation)()) {
        return [this, name, operation] {
            m_window.Commands().RunServiceCommand(name,
                                                  [this, operation] { (this->*operation)(); });
        };
    };
    // The cell loops can stop between two cells.
    auto cancellable = [this](const char* name, void (EepromGrid::*operation)()) {
        return [this, name, operation] {
            m_window.Commands().RunServiceCommand(name, [this, operation] {
                m_window.Commands().OfferCancel([this, operation] { (this->*operation)(); });
            });
        };
    };
    connect(widgets.readEeprom, &QPushButton::clicked, this,
            cancellable("Gerät Lesen", &EepromGrid::ReadDevice));
    connect(widgets.writeEeprom, &QPushButton::clicked, this,
            cancellable("Gerät Schreiben", &EepromGrid::WriteDevice));
    connect(widgets.saveEepromFile, &QPushButton::clicked, this,
            run("Hexfile speichern", &EepromGrid::SaveHexFile));
    connect(m_grid, &QTableWidget::cellClicked, this, [this] { ShowCurrentCell(); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { ShowCurrentCell(); });
    connect(m_value, &QLineEdit::returnPressed, this, [this] { TakeEntry(); });
    m_grid->installEventFilter(this);
    ShowCurrentCell();
    m_registration = app.AddView(*this);
}

void EepromGrid::SetUpGrid() {
    m_grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_grid->setRowCount(kRows);
    m_grid->setColumnCount(kColumns);
    QStringList columns, rows;
    for (int c = 0; c < kColumns; ++c)
        columns << Hex(c);
    for (int r = 0; r < kRows; ++r)
        rows << Hex(r);
    m_grid->setHorizontalHeaderLabels(columns);
    m_grid->setVerticalHeaderLabels(rows);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // 300 twips, or wider where the font needs it: two digits and the cell's margins.
    const int cellWidth =
        std::max(kCellTwips / kTwipsPerPixel, m_grid->fontMetrics().horizontalAdvance("FF") + 18);
    m_grid->horizontalHeader()->setMinimumSectionSize(cellWidth);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch); // the frame's width
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMinimumWidth(kColumns * cellWidth + m_grid->verticalHeader()->sizeHint().width() +
                            m_grid->verticalScrollBar()->sizeHint().width() + 4);
    for (int adress = 0; adress < EepromTransfer::kSize; ++adress) {
        auto* item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(adress / kColumns, adress % kColumns, item);
    }
}

QString EepromGrid::CellText(int adress) const {
    return m_grid->item(adress / kColumns, adress % kColumns)->text();
}

void EepromGrid::SetCellText(int adress, const QString& text) {
    m_grid->item(adress / kColumns, adress % kColumns)->setText(text);
}

void EepromGrid::ShowCurrentCell() {
    const int row = std::max(m_grid->currentRow(), 0);
    const int column = std::max(m_grid->currentColumn(), 0);
    const QString text = CellText(row * kColumns + column);
    if (m_value->text() != text)
        m_value->setText(text);
    const QString adress = "0x" + Hex(row * kColumns + column) + " =";
    if (m_adress->text() != adress)
        m_adress->setText(adress);
}

void EepromGrid::ReadDevice() {
    m_grid->hide(); // not redrawn cell by cell
    EepromTransfer::Image bytes{};
    EepromTransfer transfer = m_app.NewEepromTransfer(&m_window, &m_app.UserCancel());
    const EepromTransfer::CellResults results = transfer.Read(bytes);
    m_grid->show();
    if (transfer.Cancelled()) {
        ShowGridMessage(Tr("EepromGrid",
                           "Gerät lesen abgebrochen.\r\nDie Zellen zeigen weiter den alten Text."),
                        MsgIcon::Information);
        return;
    }
    for (int adress = 0; adress < EepromTransfer::kSize; ++adress)
        if (results[adress])
            SetCellText(adress, QString::fromStdString(EepromCellText::Of(bytes[adress])));
    if (const std::string failed = EepromTransfer::FailedCells(results); !failed.empty())
        ShowGridMessage(TrArgs(Tr("EepromGrid", "Diese EEPROM-Adressen hat das Gerät nicht "
                                                "beantwortet: %1.\r\nIhre Zellen zeigen weiter "
                                                "den alten Text."),
                               {failed}),
                        MsgIcon::Exclamation);
}

std::optional<EepromTransfer::Image> EepromGrid::Bytes(const std::string& outcome) const {
    EepromTransfer::Image bytes{};
    for (int adress = 0; adress < EepromTransfer::kSize; ++adress) {
        const std::optional<std::uint8_t> byte =
            EepromCellText::Value(CellText(adress).toStdString());
        if (!byte) {
            ShowGridMessage(TrArgs(Tr("EepromGrid", "Die Zelle 0x%1 enthält keinen "
                                                    "Hexadezimalwert von 0 bis FF.\r\n%2"),
                                   {Hex(adress).toStdString(), outcome}),
                            MsgIcon::Exclamation);
            return std::nullopt;
        }
        bytes[adress] = *byte;
    }
    return bytes;
}

void EepromGrid::WriteDevice() {
    const auto bytes = Bytes(Tr("EepromGrid", "Es wurde nichts ins Gerät geschrieben."));
    if (!bytes)
        return;
    m_grid->hide();
    EepromTransfer transfer = m_app.NewEepromTransfer(&m_window, &m_app.UserCancel());
    m_app.WriteEeprom(transfer, *bytes, "",
                      [this, &transfer](const EepromTransfer::CellResults& results) {
                          m_grid->show();
                          return TellWritten(transfer.Cancelled(), results);
                      });
}

void EepromGrid::SaveHexFile() {
    FileDialogOptions options; // dlgHexDump
    options.title = QString::fromStdString(Tr("EepromGrid", "Intel Hex-File speichern."));
    options.defaultSuffix = "eep";
    options.filter = QString::fromStdString(Tr("EepromGrid", "EEPROM-Dateien (*.eep)"));
    const std::optional<QString> path =
        RecentFolders(m_app.SettingsSource()).SaveFile(RecentFolders::kEeprom, options);
    if (!path)
        return;
    const auto bytes = Bytes(Tr("EepromGrid", "Es wurde keine Datei geschrieben."));
    if (!bytes)
        return;
    if (const FileResult<> saved =
            ReplaceFileContent(path->toStdString(), EepromHexFile::Write(*bytes));
        !saved)
        ShowGridMessage(
            TrArgs(Tr("EepromGrid", "Die Datei '%1' konnte nicht geschrieben werden.\r\n%2"),
                   {path->toStdString(), saved.Failure()}),
            MsgIcon::Critical);
}

void EepromGrid::TakeEntry() {
    const QString text = m_value->text();
    if (!EepromCellText::Value(text.toStdString())) { // the field keeps the text
        m_window.ShowStatusText(QString::fromStdString(TrArgs(
                                    Tr("EepromGrid", "'%1' nicht übernommen: eine Zelle "
                                                     "nimmt nur Hexadezimalwerte von 0 bis FF."),
                                    {text.toStdString()})),
                                kRefusalShownMs);
        return;
    }
    m_window.ClearStatusText();
    SetCellText(std::max(m_grid->currentRow(), 0) * kColumns + std::max(m_grid->currentColumn(), 0),
                text);
}

void EepromGrid::CopySelection() {
    const QList<QTableWidgetSelectionRange> ranges = m_grid->selectedRanges();
    if (ranges.isEmpty())
        return;
    const QTableWidgetSelectionRange& range = ranges.front();
    QStringList lines;
    for (int r = range.topRow(); r <= range.bottomRow(); ++r) {
        QStringList cells;
        for (int c = range.leftColumn(); c <= range.rightColumn(); ++c)
            cells << m_grid->item(r, c)->text();
        lines << cells.join('\t');
    }
    QApplication::clipboard()->clear();
    QApplication::clipboard()->setText(lines.join("\r\n"));
}

bool EepromGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        CopySelection();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
