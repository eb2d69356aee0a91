#include "ui/main/frmMain.h"

#include "app/basMain.h"
#include "base/IntegerConversion.h"
#include "base/NumberText.h"
#include "base/Platform.h"
#include "device/DeviceTransfer.h"
#include "platform/FileDialogs.h"
#include "platform/ReportPrinting.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/PageScrollArea.h"
#include "ui/main/XYPlot.h"
#include "ui/service/ServicePages.h"
#include "ui/service/frmSplash.h"

#include "ui_PageInOut.h"
#include "ui_PageLabelling.h"
#include "ui_PageLimits.h"
#include "ui_PageLinearisation.h"
#include "ui_PageMisc.h"
#include "ui_PageService6.h"
#include "ui_PageService7.h"
#include "ui_PageService8.h"
#include "ui_frmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyle>
#include <QTableWidget>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <iostream>
#include <stdexcept>

namespace {

constexpr int kServiceTabs = 5;  ///< tabs 6 to 8 follow the five working pages
constexpr int kTablePoints = 24; ///< rows a pasted support-point table fills
const char* const kLinearisation = "Linearisierung";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

void SetText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        edit->setText(text);
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

template <typename Form> void AddPage(QTabWidget* tabs) {
    auto* page = new QWidget;
    Form form;
    form.setupUi(page);
    tabs->addTab(new PageScrollArea(page), page->windowTitle());
}

/// Spaces only: a leading tab is an empty first cell.
QString WithoutBlanks(QString text) {
    while (text.startsWith(' '))
        text.remove(0, 1);
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

void ReportFailure(const char* where, const char* what) {
    std::cerr << "NivoConfig: " << where << ": " << what << '\n';
}

} // namespace

template <typename T> T* frmMain::Child(const QString& name) const {
    if (T* child = findChild<T*>(name))
        return child;
    throw std::logic_error("frmMain: no control " + name.toStdString());
}

frmMain::frmMain(const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::frmMain>()) {
    m_ui->setupUi(this);
    BuildPages();
    FillLists();
    SetUpStatusBar();
    BindFields();
    BindCommands();
    m_service = std::make_unique<ServicePages>(*this);
    ShowServiceTabs(commandLine);
    UpdateXYGrid();
    m_service->ReadContrast();
    m_ui->SSTab1->setCurrentIndex(0);
    setAcceptDrops(true);
    Update();
}

frmMain::~frmMain() = default;

void frmMain::BuildPages() {
    QTabWidget* tabs = m_ui->SSTab1;
    AddPage<Ui::PageInOut>(tabs);
    AddPage<Ui::PageLimits>(tabs);
    AddPage<Ui::PageLinearisation>(tabs);
    AddPage<Ui::PageMisc>(tabs);
    AddPage<Ui::PageLabelling>(tabs);
    AddPage<Ui::PageService6>(tabs);
    AddPage<Ui::PageService7>(tabs);
    AddPage<Ui::PageService8>(tabs);

    m_sComma = Child<QComboBox>("cmbSComma");
    m_sUnit = Child<QComboBox>("cmbSUnit");
    m_outMilliamps = Child<QRadioButton>("optOutSignal_0");
    m_outMilliamps->setChecked(true);
    m_grid = Child<QTableWidget>("grdXY");
    m_plot = Child<XYPlot>("plotXY");
    m_x = Child<QLineEdit>("txtX");
    m_y = Child<QLineEdit>("txtY");
    m_pointNr = Child<QLabel>("lblXYPointNr");
    m_scaleRange = Child<QLabel>("lblSkalenbereich");
    m_supportFrame = Child<QWidget>("frmStützpunkte");
    for (int i = 0; i < 4; ++i)
        m_linart[i] = Child<QRadioButton>("optLinart_" + QString::number(i));
    for (int i = 0; i < 3; ++i)
        m_outUnits[i] = Child<QLabel>("lblOutUnit_" + QString::number(i));
    for (const char* name : {"txtInBegin", "txtInEnd", "txtSBegin", "txtSEnd"})
        m_rangeFields.push_back(Child<QLineEdit>(name));
    for (int i = 0;; ++i) {
        auto* label = findChild<QLabel*>("lblUnit_" + QString::number(i));
        if (!label)
            break;
        m_unitLabels.push_back(label);
    }
    for (QWidget* widget : findChildren<QWidget*>())
        if (const QVariant tag = widget->property("tag"); tag.isValid())
            m_tagged.emplace_back(widget, tag.toString());

    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({"X", "Y"});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int cellWidth = m_grid->fontMetrics().horizontalAdvance("-00000,00") + 12;
    m_grid->setColumnWidth(0, cellWidth);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setMinimumWidth(3 * cellWidth + m_grid->verticalScrollBar()->sizeHint().width());
    m_grid->installEventFilter(this);
}

void frmMain::FillLists() {
    Child<QLabel>("lblDescriptionInfo")
        ->setText("Anmerkung:\nDie Daten zur Gerätekennzeichnung dienen nur zur Information.\n"
                  "Sie werden nicht im Gerät gespeichert, sondern nur in der Parameterdatei.");
    m_sComma->addItems({"00000", "0000.0", "000.00", "00.000", "0.0000"});
    Child<QComboBox>("cmbSimModus")->addItems({"Aus", "Ein", "Ständig Ein"});
    const cParameter& units = MyNivolantis->Data("Eingang").Parameters("Skaleneinheit");
    for (int i = 0; i < units.DescriptionCount(); ++i)
        m_sUnit->addItem(Q(units.Description(std::to_string(i))));
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i);
        Child<QComboBox>("cmbLimitFunction_" + n)
            ->addItems({"Keine Bearbeitung", "Grenzwert", "Pumpentausch*", "Trend steigend*",
                        "Trend fallend*"});
        Child<QComboBox>("cmbPumpSwap_" + n)->addItems({"Aus", "Ein*"});
        Child<QComboBox>("cmbOnError_" + n)->addItems({"Aus", "Ein"});
        Child<QComboBox>("cmbRelayFunction_" + n)->addItems({"Arbeitstrom", "Ruhestrom"});
    }
}

void frmMain::SetUpStatusBar() {
    auto panel = [this](int stretch) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Keine Verbindung") + 12);
        stretch ? m_ui->StatusBar1->addWidget(label, stretch)
                : m_ui->StatusBar1->addPermanentWidget(label);
        return label;
    };
    m_panelConnection = panel(0);
    m_ui->StatusBar1->removeWidget(m_panelConnection);
    m_ui->StatusBar1->addWidget(m_panelConnection);
    m_panelConnection->show();
    m_panelScale = panel(1);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName("ProgressBar1");
    m_progress->setRange(0, 100);
    m_progress->setMaximumWidth(200);
    m_progress->hide();
    m_ui->StatusBar1->addPermanentWidget(m_progress);
    m_cancel = new QPushButton("Abbrechen", this);
    m_cancel->setObjectName("cmdAbbrechen");
    m_cancel->setShortcut(Qt::Key_Escape);
    m_cancel->hide();
    m_ui->StatusBar1->addPermanentWidget(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, [] {
        if (MyNivolantis)
            MyNivolantis->UserCancel().Request();
    });
    m_panelDate = panel(0);
    m_panelTime = panel(0);
    m_panelConnection->setObjectName("StatusBar1_Panel1");
    m_panelScale->setObjectName("StatusBar1_Panel2");
    auto* clock = new QTimer(this);
    auto tick = [this] {
        const QLocale locale;
        SetText(m_panelDate, locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        SetText(m_panelTime, locale.toString(QTime::currentTime(), "HH:mm:ss"));
    };
    connect(clock, &QTimer::timeout, this, tick);
    tick();
    clock->start(1000);
}

void frmMain::BindFields() {
    const cNivolantis& app = *MyNivolantis;
    for (const TextBinding& binding : TextBindings())
        m_texts.push_back(
            {Child<QLineEdit>(Q(binding.field)), &binding, ParameterAt(app, binding.path)});
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        m_texts[i].edit->installEventFilter(this);
        connect(m_texts[i].edit, &QLineEdit::returnPressed, this,
                [this, i] { CommitText(m_texts[i], true); });
    }
    for (QLineEdit* point : {m_x, m_y}) {
        point->installEventFilter(this);
        connect(point, &QLineEdit::returnPressed, this,
                [this, point] { CommitPoint(point == m_x ? "X" : "Y", point); });
    }

    for (const ChoiceBinding& binding : ChoiceBindings()) {
        const QString name = Q(binding.field);
        QWidget* widget =
            Child<QWidget>(binding.field == "optLinart" ? QString("fraLinart") : name);
        m_choices.push_back({widget, binding.path, ParameterAt(app, binding.path)});
        const ChoiceField field = m_choices.back();
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::currentIndexChanged, this,
                    [this, field](int position) { CommitChoice(field, position); });
        } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            connect(check, &QCheckBox::toggled, this,
                    [this, field](bool on) { CommitChoice(field, on ? 1 : 0); });
        } else {
            for (int i = 0; i < 4; ++i)
                connect(m_linart[i], &QRadioButton::toggled, this, [this, field, i](bool on) {
                    if (on)
                        CommitChoice(field, i);
                });
        }
    }
    for (const char* name : {"optOutSignal_0", "optOutSignal_1"})
        connect(Child<QRadioButton>(name), &QRadioButton::toggled, this, [this](bool on) {
            if (on && !m_updating)
                Update();
        });

    connect(m_grid, &QTableWidget::cellClicked, this,
            [this](int row, int) { ShowXYPoint(row + 1); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int) {
        if (!m_updating && row >= 0)
            ShowXYPoint(row + 1);
    });
}

void frmMain::BindCommands() {
    struct Command {
        const char* key;
        const char* themeIcon;
        QStyle::StandardPixmap fallback;
        bool usesDevice;
        std::function<void()> run;
    };
    const Command commands[] = {
        {"End", "application-exit", QStyle::SP_DialogCloseButton, false, {}},
        {"Standard", "document-new", QStyle::SP_FileIcon, false,
         [this] {
             if (MayDiscardChanges())
                 MyNivolantis->SetDefaults();
         }},
        {"Open", "document-open", QStyle::SP_DialogOpenButton, false, [this] { OpenFile(); }},
        {"Save", "document-save", QStyle::SP_DialogSaveButton, false, [this] { SaveFile(); }},
        {"Print", "document-print", QStyle::SP_FileDialogDetailedView, false,
         [] { PrintReport(*MyNivolantis); }},
        {"Download", "go-down", QStyle::SP_ArrowDown, true, [] { MyNivolantis->Download(); }},
        {"Upload", "go-up", QStyle::SP_ArrowUp, true,
         [this] {
             if (MayDiscardChanges()) // the values read replace the edits
                 OfferCancel([] { MyNivolantis->Upload(); });
         }},
        {"Connect", "network-wired", QStyle::SP_DriveNetIcon, true, [this] { ConnectDevice(); }},
        {"Info", "help-about", QStyle::SP_MessageBoxInformation, false, [this] { ShowInfo(); }},
        {"Options", "preferences-system", QStyle::SP_FileDialogListView, false,
         [this] { ShowOptions(); }},
    };
    for (const Command& command : commands) {
        QAction* action = Child<QAction>(command.key);
        action->setIcon(
            QIcon::fromTheme(command.themeIcon, style()->standardIcon(command.fallback)));
        // Qt leaves the "&" out of a toolbar button unless the icon text is set: Alt+letter
        // then presses the button, umlauts included.
        action->setIconText(action->text());
        if (!action->shortcut().isEmpty())
            action->setToolTip(action->iconText().remove('&') + " (" +
                               action->shortcut().toString(QKeySequence::NativeText) + ")");
        if (!command.run) { // "Ende" closes the window, which ends the program
            connect(action, &QAction::triggered, this, &QWidget::close);
            continue;
        }
        connect(action, &QAction::triggered, this,
                [this, key = command.key, device = command.usesDevice, run = command.run] {
                    RunCommand(key, device, run);
                });
    }
}

void frmMain::ShowServiceTabs(const QString& commandLine) {
    for (int digit = 1; digit <= 3; ++digit)
        m_ui->SSTab1->setTabVisible(kServiceTabs + digit - 1,
                                    commandLine.contains(QString::number(digit)));
}

// ---- refresh ---------------------------------------------------------------------------------

bool frmMain::OutputInVolts() const {
    return !m_outMilliamps->isChecked();
}

QString frmMain::ScalePattern() const {
    return m_sComma->currentText();
}

int frmMain::CurrentGridRow() const {
    return std::max(m_grid->currentRow(), 0) + 1;
}

QString frmMain::DisplayText(const TextField& field) const {
    const cNivolantis& app = *MyNivolantis;
    const std::string& path = field.binding->path;
    if (!field.parameter) {
        if (const int line = Configuration::DescriptionLineAt(path); line >= 0)
            return Q(app.GetDescription(line));
        if (path == std::string(kUserSection) + "/Benutzername")
            return Q(app.Benutzername());
        return Q(app.ParametrierdatumText());
    }
    return Format(field, field.parameter->Value());
}

QString frmMain::Format(const TextField& field, double value) const {
    switch (field.binding->form) {
    case DisplayForm::TwoDecimals:
        return Q(FormatPattern(value, "#0.00"));
    case DisplayForm::Output:
        return Q(FormatPattern(OutputInVolts() ? value / 2 : value, "#0.00"));
    case DisplayForm::Scale:
        return Q(FormatPattern(value, ScalePattern().toStdString()));
    default:
        return Q(NumberToText(value));
    }
}

QString frmMain::LimitsText(const TextField& field) const {
    const cParameter* parameter = field.parameter;
    if (!parameter)
        return {};
    const bool volts = field.binding->form == DisplayForm::Output && OutputInVolts();
    const QString unit = volts ? QString("V") : Q(parameter->Unit());
    QString text =
        Format(field, parameter->LowerLimit()) + " … " + Format(field, parameter->UpperLimit());
    return unit.isEmpty() ? text : text + " " + unit;
}

namespace {

/// Greys out the entries the parameter's limits exclude (the functions a reduced variant lacks),
/// so that they cannot be chosen only to be refused.
void OfferWithinLimits(QComboBox& combo, const cParameter& parameter) {
    auto* entries = qobject_cast<QStandardItemModel*>(combo.model());
    if (!entries)
        return;
    const float lowest = std::min(parameter.LowerLimit(), parameter.UpperLimit());
    const float highest = std::max(parameter.LowerLimit(), parameter.UpperLimit());
    for (int i = 0; i < entries->rowCount(); ++i) {
        QStandardItem* entry = entries->item(i);
        const bool offered = i >= lowest && i <= highest;
        if (entry && entry->isEnabled() != offered)
            entry->setEnabled(offered);
    }
}

} // namespace

void frmMain::ShowChoice(const ChoiceField& field) {
    const int position = ToInt16(field.parameter->Value());
    if (auto* combo = qobject_cast<QComboBox*>(field.widget)) {
        OfferWithinLimits(*combo, *field.parameter);
        if (combo->currentIndex() != position)
            combo->setCurrentIndex(position);
    } else if (auto* check = qobject_cast<QCheckBox*>(field.widget)) {
        check->setChecked(position == 1);
    } else if (position >= 0 && position < static_cast<int>(m_linart.size())) {
        m_linart[position]->setChecked(true);
    }
}

void frmMain::Update() {
    if (!MyNivolantis)
        return;
    ++m_updateCount;
    QScopedValueRollback updating(m_updating, true);
    for (const ChoiceField& field : m_choices) // list positions first: the comma applies below
        ShowChoice(field);
    for (const TextField& field : m_texts) {
        SetText(field.edit, DisplayText(field));
        if (const QString limits = LimitsText(field); field.edit->toolTip() != limits)
            field.edit->setToolTip(limits);
    }
    UpdateXYGrid();
    RefreshLabels();
    m_supportFrame->setEnabled(m_linart[1]->isChecked()); // table input only
    if (m_service)
        m_service->Update();
    RefreshEnabling();
}

void frmMain::RefreshLabels() {
    const cNivolantis& app = *MyNivolantis;
    const QString unit = m_sUnit->currentText();
    const QString scale = m_rangeFields[2]->text() + ".." + m_rangeFields[3]->text();
    SetText(m_scaleRange, "X: " + m_rangeFields[0]->text() + ".." + m_rangeFields[1]->text() +
                              " mA\nentspricht\nY: " + scale + " " + unit);
    SetText(m_panelScale, "Skalenbereich: " + scale + " " + unit);
    for (QLabel* label : m_unitLabels)
        SetText(label, unit);
    for (QLabel* label : m_outUnits)
        SetText(label, OutputInVolts() ? "V" : "mA");
    // A port being tried is no connection yet.
    SetText(m_panelConnection, app.Searching()    ? QString("Suche Gerät...")
                               : app.PortNr() < 1 ? QString("Keine Verbindung")
                                                  : "COM" + QString::number(app.PortNr()));
    const QString caption = "NivoConfig [" + Q(app.FileName()) + "]" + (app.Modified() ? "*" : "");
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void frmMain::RefreshEnabling() {
    const cNivolantis& app = *MyNivolantis;
    const cDataGroup& limits = app.Data("Grenzwerte");
    for (int i = 0; i < 4; ++i) {
        if (limits.Parameters("Grenzwertfunktion " + std::string(1, char('A' + i))).Value() == 0)
            continue;
        EnableByTag("GW" + QString::number(i + 1), true);
        switch (app.HardwareVariante()) {
        case 7:
            EnableByTag("V1", true);
            EnableByTag("V2", true);
            break;
        case 1:
            EnableByTag("V1", false);
            EnableByTag("V2", true);
            break;
        case 0:
            EnableByTag("V1", false);
            EnableByTag("V2", false);
            break;
        default:
            break;
        }
    }
}

void frmMain::EnableByTag(const QString& tag, bool enabled) {
    for (const auto& [widget, widgetTag] : m_tagged)
        if (widgetTag.contains(tag, Qt::CaseSensitive) && widget->isEnabled() != enabled)
            widget->setEnabled(enabled);
}

void frmMain::UpdateProgress(int percent) {
    if (percent <= 0) {
        m_progress->hide();
        return;
    }
    m_progress->show();
    if (percent <= 100)
        m_progress->setValue(percent);
}

void frmMain::UpdateProgress(double& NewPercent) {
    try {
        const std::int16_t percent = ToInt16(NewPercent);
        NewPercent = percent;
        UpdateProgress(static_cast<int>(percent));
    } catch (const OverflowError&) { // far beyond the bar's range: it stays as it was
    }
}

// ---- support points --------------------------------------------------------------------------

void frmMain::UpdateXYGrid() {
    const cDataGroup& points = MyNivolantis->Data(kLinearisation);
    const int remembered = CurrentGridRow();
    const int count =
        std::clamp<int>(ToInt16(points.Parameters("Stützpunkte").Value()), 0, kTablePoints);
    QScopedValueRollback updating(m_updating, true);
    if (m_grid->rowCount() != count)
        m_grid->setRowCount(count);
    QVector<QPointF> plot;
    for (int n = 1; n <= count; ++n) {
        const double x = points.Parameters("X" + std::to_string(n)).Value();
        const double y = points.Parameters("Y" + std::to_string(n)).Value();
        plot.append({x, y});
        const QString texts[2] = {Q(CutToHundredths(x)),
                                  Q(FormatPattern(y, ScalePattern().toStdString()))};
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* item = m_grid->item(n - 1, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                m_grid->setItem(n - 1, column, item);
            }
            if (item->text() != texts[column])
                item->setText(texts[column]);
        }
    }
    if (const int mode = ToInt16(points.Parameters("Modus").Value()); mode >= 0 && mode < 4)
        m_linart[mode]->setChecked(true);
    const int row = std::clamp(remembered, 1, std::max(count, 1));
    if (count > 0 && m_grid->currentRow() != row - 1)
        m_grid->setCurrentCell(row - 1, std::max(m_grid->currentColumn(), 0));
    m_plot->setPoints(plot, m_sUnit->currentText());
    ShowXYPoint(row);
}

void frmMain::ShowXYPoint(int row) {
    const cParameter& count = MyNivolantis->Data(kLinearisation).Parameters("Stützpunkte");
    SetText(m_pointNr, QString::number(row) + " von " + Q(NumberToText(count.Value())));
    auto cell = [this, row](int column) {
        const QTableWidgetItem* item = m_grid->item(row - 1, column);
        return item ? item->text() : QString();
    };
    SetText(m_x, cell(0));
    SetText(m_y, cell(1));
}

void frmMain::PasteXYTable() {
    cNivolantis& app = *MyNivolantis;
    if (m_grid->rowCount() < kTablePoints) {
        ShowMessage("Die Tabelle braucht " + std::to_string(kTablePoints) +
                        " Stützpunkte; eingestellt sind " + std::to_string(m_grid->rowCount()) +
                        ".",
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
                m_grid->item(row, column)
                    ->setText(QString(cells[column]).replace(',', '.').trimmed());
        }
    }
    app.setEnableNotify(false);
    try {
        for (int n = 1; n <= kTablePoints; ++n) {
            const std::string number = std::to_string(n);
            app.Assign(std::string(kLinearisation) + "/X" + number,
                       m_grid->item(n - 1, 0)->text().toStdString());
            app.Assign(std::string(kLinearisation) + "/Y" + number,
                       m_grid->item(n - 1, 1)->text().toStdString());
        }
    } catch (const std::exception& error) {
        app.setEnableNotify(true);
        ShowMessage(error.what(), MsgIcon::None);
    }
    app.setEnableNotify(true);
    Update();
}

// ---- editing ---------------------------------------------------------------------------------

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
            PasteXYTable();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == m_x || watched == m_y)
            CommitPoint(watched == m_x ? "X" : "Y", static_cast<QLineEdit*>(watched));
        for (TextField& field : m_texts)
            if (field.edit == watched)
                CommitText(field, false);
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::CommitText(TextField& field, bool byEnter) {
    if (m_committing || !MyNivolantis)
        return;
    QScopedValueRollback committing(m_committing, true);
    cNivolantis& app = *MyNivolantis;
    const int updates = m_updateCount;
    const std::string& path = field.binding->path;
    std::string text = field.edit->text().toStdString();
    try {
        if (field.binding->form == DisplayForm::Output && OutputInVolts()) {
            const std::optional<double> volts = TextToNumber(text);
            if (!volts)
                return; // not taken, no message; the text stays until the next refresh
            text = NumberToText(*volts * 2);
        }
        if (path == std::string(kUserSection) + "/Benutzername")
            app.setBenutzername(text);
        else if (path == std::string(kUserSection) + "/Parametrierdatum")
            app.setParametrierdatum(text);
        else
            app.Assign(path, text);
        if (byEnter && path == std::string(kLinearisation) + "/Stützpunkte") {
            UpdateXYGrid();
            DoEvents();
        }
        if (m_updateCount == updates) // an unchanged range end notifies nobody: reformat anyway
            Update();
    } catch (const std::exception& error) {
        ReportFailure(field.binding->field.c_str(), error.what());
    }
}

void frmMain::CommitPoint(const char* name, QLineEdit* edit) {
    if (m_committing || !MyNivolantis)
        return;
    QScopedValueRollback committing(m_committing, true);
    const int updates = m_updateCount;
    try {
        MyNivolantis->Assign(std::string(kLinearisation) + "/" + name +
                                 std::to_string(CurrentGridRow()),
                             edit->text().toStdString());
        if (m_updateCount == updates)
            Update();
    } catch (const std::exception& error) {
        ReportFailure(name, error.what());
    }
}

void frmMain::CommitChoice(const ChoiceField& field, int position) {
    if (m_updating || !MyNivolantis || position < 0)
        return;
    try {
        MyNivolantis->Assign(field.path, std::to_string(position));
    } catch (const std::exception& error) {
        ReportFailure(field.path.c_str(), error.what());
    }
}

// ---- commands --------------------------------------------------------------------------------

void frmMain::RunCommand(const char* name, bool usesDevice, const std::function<void()>& command) {
    if (m_commandRunning || !MyNivolantis)
        return;
    CommitFocusedField();
    m_commandRunning = true;
    if (usesDevice) {
        m_ui->Toolbar1->setEnabled(false);
        centralWidget()->setEnabled(false);
        if (m_options)
            m_options->setEnabled(false);
    }
    try {
        command();
    } catch (const std::exception& error) {
        ReportFailure(name, error.what());
    } catch (...) {
        ReportFailure(name, "unbekannter Fehler");
    }
    m_ui->Toolbar1->setEnabled(true);
    centralWidget()->setEnabled(true);
    if (m_options)
        m_options->setEnabled(true);
    m_commandRunning = false;
    try {
        Update();
    } catch (const std::exception& error) {
        ReportFailure(name, error.what());
    }
    if (m_closePending)
        close();
}

void frmMain::CommitFocusedField() {
    for (TextField& field : m_texts)
        if (field.edit->hasFocus())
            CommitText(field, false);
}

void frmMain::RunServiceCommand(const char* name, const std::function<void()>& command) {
    RunCommand(name, true, [&command] {
        struct Busy { // other windows keep off the device meanwhile
            Busy() { MyNivolantis->setTransferRunning(true); }
            ~Busy() { MyNivolantis->setTransferRunning(false); }
        } busy;
        command();
    });
}

void frmMain::OfferCancel(const std::function<void()>& operation) {
    MyNivolantis->UserCancel().Clear();
    m_cancel->show();
    const auto hide = qScopeGuard([this] { m_cancel->hide(); });
    operation();
}

namespace {

FileDialogOptions ParameterFileDialog(const char* title) {
    FileDialogOptions options;
    options.title = title;
    options.folder = Q(Platform::Program().folder);
    options.fileName = Q(MyNivolantis->FileName());
    options.defaultSuffix = "par";
    options.filter = "Parameterdateien (*.par)";
    return options;
}

} // namespace

void frmMain::OpenFile() {
    if (!MayDiscardChanges())
        return;
    if (const auto path =
            FileDialogs::Current().OpenFile(ParameterFileDialog("Parameterdatei öffnen")))
        MyNivolantis->ReadIni(path->toStdString());
}

void frmMain::OpenParameterFile(const QString& path) {
    RunCommand("Open", false, [this, path] {
        if (MayDiscardChanges())
            MyNivolantis->ReadIni(path.toStdString());
    });
}

namespace {

/// The one local file a drag carries; empty for anything else.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_commandRunning && !DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenParameterFile(path);
}

bool frmMain::SaveFile() {
    if (MyNivolantis->TestData()) {
        ShowMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gespeichert werden.",
                    MsgIcon::Information);
        return false;
    }
    const auto path =
        FileDialogs::Current().SaveFile(ParameterFileDialog("Parameterdatei speichern"));
    return path && MyNivolantis->WriteIni(path->toStdString());
}

bool frmMain::MayDiscardChanges() {
    CommitFocusedField();
    if (!MyNivolantis->Modified())
        return true;
    switch (AskQuestion("Änderungen speichern?", MsgButtons::YesNoCancel)) {
    case MsgAnswer::Yes:
        return SaveFile();
    case MsgAnswer::No:
        return true;
    default:
        return false;
    }
}

void frmMain::ConnectDevice() {
    m_panelConnection->setText("Suche Gerät...");
    m_panelConnection->repaint();
    std::int16_t port = 0;
    try {
        port = MyNivolantis->Connect();
    } catch (...) {
        m_panelConnection->clear();
        throw;
    }
    m_panelConnection->clear();
    if (port == 0)
        ShowRefusedPorts();
}

void frmMain::ShowRefusedPorts() {
    // Without this the user would only see that nothing was found, not that rights are missing
    // or that another program holds a port.
    std::string refused;
    for (const PortProbe& probe : MyNivolantis->LastSearch())
        if (probe.outcome == PortProbe::kNoPermission || probe.outcome == PortProbe::kInUse)
            refused += (refused.empty() ? "" : "\r\n") + (probe.outcome == PortProbe::kInUse
                                                              ? DeviceTransfer::DescribeProbe(probe)
                                                              : probe.detail);
    if (!refused.empty())
        ShowMessage(refused, MsgIcon::Exclamation, "Verbinden");
}

void frmMain::ShowInfo() {
    if (m_info)
        m_info->close();
    m_info = new frmSplash(this);
    m_info->setAttribute(Qt::WA_DeleteOnClose);
    m_info->Fill(MyNivolantis->SettingsSource());
    m_info->show();
}

void frmMain::setOptionsWindow(QWidget* options) {
    m_options = options;
    if (options)
        options->setParent(this, options->windowFlags());
}

void frmMain::ShowOptions() {
    if (!m_options)
        return;
    if (!m_options->testAttribute(Qt::WA_Resized))
        m_options->adjustSize(); // its size before the first showing, so that it centres right
    QRect placed = m_options->frameGeometry(); // centred over this window
    placed.moveCenter(frameGeometry().center());
    m_options->move(placed.topLeft());
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}

// ---- window ----------------------------------------------------------------------------------

void frmMain::showEvent(QShowEvent* event) {
    if (!m_fitted) {
        m_fitted = true;
        FitToScreen();
    }
    QMainWindow::showEvent(event);
}

void frmMain::FitToScreen() {
    const QRect available = screen()->availableGeometry();
    // The window manager's frame is not known before the first show: leave room for a title bar.
    const int frame = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QSize room = available.size() - QSize(frame, 2 * frame);
    // Every command of the toolbar stays visible, and so does the status bar below a few rows.
    const QSize least(m_ui->Toolbar1->sizeHint().width(),
                      m_ui->Toolbar1->sizeHint().height() + m_ui->StatusBar1->sizeHint().height() +
                          12 * fontMetrics().height());
    setMinimumSize(least.boundedTo(room));
    resize(sizeHint().boundedTo(room));
    move(available.topLeft() + QPoint((available.width() - width()) / 2,
                                      std::max(0, (available.height() - height() - frame) / 2)));
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (m_service && m_service->RefusesClose()) {
        event->ignore();
        return;
    }
    if (m_commandRunning) { // a device exchange is on the stack: end once it returns
        m_closePending = true;
        event->ignore();
        return;
    }
    if (MyNivolantis && !MayDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_info)
        m_info->close();
    if (m_options)
        m_options->close();
    QCoreApplication::quit();
}
