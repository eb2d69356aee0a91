#include "ui/main/SupportPointEditor.h"

#include "app/cNivolantis.h"
#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "base/UnexpectedError.h"
#include "ui/QtText.h"

#include "model/Catalogue.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "ui/main/EditHistory.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/PageForms.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace {

constexpr int kTablePoints = Catalogue::kPointCount; ///< rows a pasted support-point table fills
constexpr const char* kLinearisation = Catalogue::kLinearisationGroup;

/// Spaces only: a leading tab is an empty first cell.
QString WithoutBlanks(QString text) {
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

} // namespace

SupportPointEditor::SupportPointEditor(cNivolantis& app, Ui::PageLinearisation& page,
                                       EditHistory& history)
    : m_app(app), m_page(page), m_history(history) {
    SetUpGrid();
    for (QLineEdit* point : {page.txtX, page.txtY}) {
        point->installEventFilter(this);
        history.Watch(*point);
        connect(point, &QLineEdit::returnPressed, this,
                [this, point] { Commit(point == m_page.txtX ? "X" : "Y", point); });
    }
    connect(page.grdXY, &QTableWidget::cellClicked, this,
            [this](int row, int) { ShowXYPoint(row + 1); });
    connect(page.grdXY, &QTableWidget::currentCellChanged, this, [this](int row, int) {
        if (!m_updating && row >= 0)
            ShowXYPoint(row + 1);
    });
    UpdateXYGrid();
    m_registration = app.AddView(*this);
}

void SupportPointEditor::SetUpGrid() {
    QTableWidget* grid = m_page.grdXY;
    grid->setColumnCount(2);
    grid->setHorizontalHeaderLabels({"X", "Y"});
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* numbers = grid->verticalHeader();
    numbers->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for the highest row number in bold (the current row's) whatever the count:
    // no number is clipped, and the columns stay where they are when the count changes.
    QFont bold = numbers->font();
    bold.setBold(true);
    const int margin = numbers->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, numbers);
    numbers->setMinimumWidth(QFontMetrics(bold).horizontalAdvance(QString::number(kTablePoints)) +
                             2 * margin + 2);
    const int cellWidth = grid->fontMetrics().horizontalAdvance("-00000,00") + 12;
    grid->setColumnWidth(0, cellWidth);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setMinimumWidth(3 * cellWidth + grid->verticalScrollBar()->sizeHint().width());
    grid->installEventFilter(this);
}

int SupportPointEditor::CurrentRow() const {
    return std::max(m_page.grdXY->currentRow(), 0) + 1;
}

void SupportPointEditor::UpdateXYGrid() {
    QTableWidget* grid = m_page.grdXY;
    const cDataGroup& points = m_app.Data(kLinearisation);
    const int remembered = CurrentRow();
    const int count = std::clamp<int>(ToInt16(points.Parameters(Catalogue::kSupportPoints).Value()),
                                      0, kTablePoints);
    QScopedValueRollback updating(m_updating, true);
    if (grid->rowCount() != count)
        grid->setRowCount(count);
    const std::string pattern = ScalePattern(DecimalPlaces(m_app));
    QVector<QPointF> plot;
    for (int n = 1; n <= count; ++n) {
        const double x = points.Parameters(Catalogue::PointName('X', n)).Value();
        const double y = points.Parameters(Catalogue::PointName('Y', n)).Value();
        plot.append({x, y});
        const QString texts[2] = {Q(CutToHundredths(x)), Q(FormatPattern(y, pattern))};
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* item = grid->item(n - 1, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                grid->setItem(n - 1, column, item);
            }
            if (item->text() != texts[column])
                item->setText(texts[column]);
        }
    }
    const int mode = ToInt16(points.Parameters(Catalogue::kLinearisationMode).Value());
    if (mode >= 0 && mode < 4)
        LinearisationModes(m_page)[mode]->setChecked(true);
    m_page.frmStützpunkte->setEnabled(mode == 1); // the table
    const int row = std::clamp(remembered, 1, std::max(count, 1));
    if (count > 0 && grid->currentRow() != row - 1)
        grid->setCurrentCell(row - 1, std::max(grid->currentColumn(), 0));
    m_page.plotXY->setPoints(
        plot, Q(CatalogueText::Choice(points.Parameters(Catalogue::PointName('Y', 1)).Unit())));
    ShowXYPoint(row);
}

void SupportPointEditor::ShowXYPoint(int row) {
    const cParameter& count = m_app.Data(kLinearisation).Parameters(Catalogue::kSupportPoints);
    SetText(m_page.lblXYPointNr, QCoreApplication::translate("SupportPointEditor", "%1 von %2")
                                     .arg(QString::number(row), Q(NumberToText(count.Value()))));
    auto cell = [this, row](int column) {
        const QTableWidgetItem* item = m_page.grdXY->item(row - 1, column);
        return item ? item->text() : QString();
    };
    for (auto [edit, column] : {std::pair{m_page.txtX, 0}, std::pair{m_page.txtY, 1}}) {
        SetText(edit, cell(column));
        EditHistory::NoteShown(*edit, cell(column));
    }
}

void SupportPointEditor::PasteXYTable() {
    QTableWidget* grid = m_page.grdXY;
    if (grid->rowCount() < kTablePoints) {
        ShowMessage(TrArgs(Tr("SupportPointEditor",
                              "Die Tabelle braucht %1 Stützpunkte; eingestellt sind %2."),
                           {std::to_string(kTablePoints), std::to_string(grid->rowCount())}),
                    MsgIcon::None);
        return;
    }
    QString text = QGuiApplication::clipboard()->text();
    text.replace("\r\n", "\r").replace('\n', '\r');
    text = WithoutBlanks(text);
    while (text.endsWith('\r'))
        text.chop(1);
    if (!text.isEmpty()) {
        const QStringList rows = text.split('\r');
        for (int row = 0; row < std::min<int>(rows.size(), kTablePoints); ++row) {
            const QStringList cells = rows[row].split('\t');
            for (int column = 0; column < std::min<int>(cells.size(), 2); ++column)
                grid->item(row, column)
                    ->setText(QString(cells[column]).replace(',', '.').trimmed());
        }
    }
    m_history.Record(QCoreApplication::translate("SupportPointEditor", "Tabelle einfügen"), [&] {
        try {
            const Configuration::Batch batch(m_app.Config()); // one refresh for the table
            for (int n = 1; n <= kTablePoints; ++n) {
                const std::string number = std::to_string(n);
                m_app.Assign(std::string(kLinearisation) + "/X" + number,
                             grid->item(n - 1, 0)->text().toStdString());
                m_app.Assign(std::string(kLinearisation) + "/Y" + number,
                             grid->item(n - 1, 1)->text().toStdString());
            }
        } catch (const std::exception& error) {
            ShowMessage(error.what(), MsgIcon::None);
        }
    });
}

bool SupportPointEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_page.grdXY && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            PasteXYTable();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut &&
               (watched == m_page.txtX || watched == m_page.txtY)) {
        Commit(watched == m_page.txtX ? "X" : "Y", static_cast<QLineEdit*>(watched));
    }
    return QObject::eventFilter(watched, event);
}

void SupportPointEditor::Commit(const char* name, QLineEdit* edit) {
    if (m_committing)
        return;
    QScopedValueRollback committing(m_committing, true);
    if (!EditHistory::Edited(*edit))
        return; // the grid's text, shortened, is no entry
    try {
        const std::string path =
            std::string(kLinearisation) + "/" + name + std::to_string(CurrentRow());
        auto assigned = Configuration::Assigned::Unchanged;
        m_history.RecordEntry([&] { assigned = m_app.Assign(path, edit->text().toStdString()); },
                              m_app.Config().ParameterAt(path));
        if (assigned == Configuration::Assigned::Unchanged) // nobody was told: reformat anyway
            m_app.Notify();
    } catch (const std::exception& error) {
        ReportUnexpected(name, error.what());
    }
}
