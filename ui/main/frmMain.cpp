#include "ui/main/frmMain.h"

#include "app/cNivolantis.h"
#include "base/IntegerConversion.h"
#include "platform/QtRegionalSettings.h"
#include "ui/QtText.h"
#include "ui/main/AltKeyGuard.h"
#include "ui/main/CompareMarks.h"
#include "ui/main/DefaultMarks.h"
#include "ui/main/EditHistory.h"
#include "ui/main/FieldBindings.h"
#include "ui/main/FieldRegistry.h"
#include "ui/main/PageFields.h"
#include "ui/main/PageForms.h"
#include "ui/main/PageScrollArea.h"
#include "ui/main/SupportPointEditor.h"
#include "ui/main/ToolbarCommands.h"
#include "ui/service/ServicePages.h"

#include "model/Catalogue.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "ui_frmMain.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLocale>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStyle>
#include <QTime>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kServiceTabs = 5; ///< tabs 6 to 8 follow the five working pages
constexpr int kNoteMs = 10000;  ///< how long a note stays in the status bar

/// A choice text of the catalogue as users read it.
QString Choice(const char* text) {
    return Q(CatalogueText::Choice(text));
}

/// The model's scale unit as the unit list shows it.
QString ScaleUnit(const cNivolantis& app) {
    const cParameter& unit = app.Data(Catalogue::kInputGroup).Parameters(Catalogue::kScaleUnit);
    return Choice(unit.Description(std::to_string(ToInt16(unit.Value()))).c_str());
}

void SetText(QLabel* label, const QString& text) {
    if (label->text() != text)
        label->setText(text);
}

template <typename Form> void AddPage(QTabWidget* tabs, Form& form) {
    auto* page = new QWidget;
    form.setupUi(page);
    tabs->addTab(new PageScrollArea(page), page->windowTitle());
}

} // namespace

frmMain::frmMain(cNivolantis& app, const QString& commandLine, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_ui(std::make_unique<Ui::frmMain>()),
      m_pages(std::make_unique<PageForms>()) {
    m_ui->setupUi(this);
    new AltKeyGuard(this);
    BuildPages();
    FillLists();
    SetUpStatusBar();
    m_history = std::make_unique<EditHistory>(
        app, [this](const QString& text) { ShowStatusText(text, kNoteMs); });
    // Each part is a view of its own, refreshed in the order made: the comparison's marks
    // after the fields, whose tool tips they extend.
    m_points = std::make_unique<SupportPointEditor>(app, m_pages->linearisation, *m_history);
    m_registry = std::make_unique<FieldRegistry>(app, *this, *m_pages);
    m_fields = std::make_unique<PageFields>(app, *m_registry, *m_pages, *m_points, *m_history);
    m_defaultMarks = std::make_unique<DefaultMarks>(app, *m_registry);
    m_compareMarks = std::make_unique<CompareMarks>(app, *m_registry);
    m_commands = std::make_unique<ToolbarCommands>(
        app, ToolbarCommands::Window{*this, *m_ui->Toolbar1, *m_panelConnection, *m_cancel,
                                     *m_compareMarks, *m_history,
                                     [this] { m_fields->CommitFocusedField(); }});
    // In the pages' context menu and by key; the toolbar stays as it is.
    m_ui->SSTab1->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_history->AddActions(
        *m_ui->SSTab1, [this] { m_fields->CommitFocusedField(); },
        [this] { return !m_commands->Running(); });
    m_service = std::make_unique<ServicePages>(*this, app);
    ShowServiceTabs(commandLine);
    m_service->ReadContrast();
    m_ui->SSTab1->setCurrentIndex(0);
    setAcceptDrops(true);
    Update();
    m_registration = app.AddView(*this);
}

frmMain::~frmMain() = default;

QTabWidget* frmMain::PageTabs() const {
    return m_ui->SSTab1;
}

void frmMain::BuildPages() {
    QTabWidget* tabs = m_ui->SSTab1;
    PageForms& pages = *m_pages;
    AddPage(tabs, pages.inOut);
    AddPage(tabs, pages.limits);
    AddPage(tabs, pages.linearisation);
    AddPage(tabs, pages.misc);
    AddPage(tabs, pages.labelling);
    AddPage(tabs, pages.service6);
    AddPage(tabs, pages.service7);
    AddPage(tabs, pages.service8);

    pages.inOut.optOutSignal_0->setChecked(true);
    m_outUnits = {pages.inOut.lblOutUnit_0, pages.inOut.lblOutUnit_1, pages.inOut.lblOutUnit_2};
    const Ui::PageLimits& limits = pages.limits;
    const Ui::PageMisc& misc = pages.misc;
    m_unitLabels = {misc.lblUnit_0,    misc.lblUnit_1,           misc.lblUnit_2,
                    misc.lblUnit_3,    misc.lblUnit_4,           limits.lblUnit_5,
                    limits.lblUnit_6,  limits.lblUnit_7,         limits.lblUnit_8,
                    limits.lblUnit_9,  limits.lblUnit_10,        limits.lblUnit_11,
                    limits.lblUnit_12, pages.service6.lblUnit_13};
    CollectServiceWidgets();
    for (QWidget* widget : findChildren<QWidget*>())
        if (const QVariant tag = widget->property("tag"); tag.isValid())
            m_tagged.emplace_back(widget, tag.toString());
}

void frmMain::CollectServiceWidgets() {
    const Ui::PageService6& eeprom = m_pages->service6;
    const Ui::PageService7& ports = m_pages->service7;
    const Ui::PageService8& firmware = m_pages->service8;
    m_serviceWidgets = {
        .contrast = m_pages->misc.scrollKontrast,
        .storeContrast = m_pages->misc.cmdKontrastSpeichern,
        .measuredValues = {eeprom.lblMesswert_0, eeprom.lblMesswert_1, eeprom.lblMesswert_2},
        .readMeasuredValues = eeprom.Command6,
        .eeprom = eeprom.grdEEPROM,
        .eepromCell = eeprom.txtEEPROM,
        .eepromAdress = eeprom.lblEEPROM,
        .readEeprom = eeprom.Command3,
        .writeEeprom = eeprom.Command4,
        .saveEepromFile = eeprom.Command7,
        .ports = ports.grdPorts,
        .scanPorts = ports.Command5,
        .firmwareLines = firmware.lstFirmwareActions,
        .writeFirmware = firmware.Command8,
        .saveFirmware = firmware.cmdFirmware1,
    };
}

void frmMain::FillLists() {
    m_pages->labelling.lblDescriptionInfo->setText(
        tr("Anmerkung:\nDie Daten zur Gerätekennzeichnung dienen nur zur Information.\n"
           "Sie werden nicht im Gerät gespeichert, sondern nur in der Parameterdatei."));
    for (int places = 0; places <= 4; ++places)
        m_pages->inOut.cmbSComma->addItem(Q(ScalePattern(places)));
    m_pages->misc.cmbSimModus->addItems({Choice("Aus"), Choice("Ein"), tr("Ständig Ein")});
    const cParameter& units = m_app.Data(Catalogue::kInputGroup).Parameters(Catalogue::kScaleUnit);
    for (int i = 0; i < units.DescriptionCount(); ++i)
        m_pages->inOut.cmbSUnit->addItem(Choice(units.Description(std::to_string(i)).c_str()));
    const Ui::PageLimits& limits = m_pages->limits;
    for (QComboBox* function : {limits.cmbLimitFunction_0, limits.cmbLimitFunction_1,
                                limits.cmbLimitFunction_2, limits.cmbLimitFunction_3})
        function->addItems({Choice("Keine Bearbeitung"), Choice("Grenzwert"),
                            Choice("Pumpentausch*"), Choice("Trend steigend") + "*",
                            Choice("Trend fallend") + "*"});
    for (QComboBox* swap :
         {limits.cmbPumpSwap_0, limits.cmbPumpSwap_1, limits.cmbPumpSwap_2, limits.cmbPumpSwap_3})
        swap->addItems({Choice("Aus"), Choice("Ein") + "*"});
    for (QComboBox* onError :
         {limits.cmbOnError_0, limits.cmbOnError_1, limits.cmbOnError_2, limits.cmbOnError_3})
        onError->addItems({Choice("Aus"), Choice("Ein")});
    for (QComboBox* relay : {limits.cmbRelayFunction_0, limits.cmbRelayFunction_1,
                             limits.cmbRelayFunction_2, limits.cmbRelayFunction_3})
        relay->addItems({tr("Arbeitstrom"), Choice("Ruhestrom")});
}

void frmMain::SetUpStatusBar() {
    auto panel = [this](int stretch) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(tr("Keine Verbindung")) + 12);
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
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    m_cancel->setObjectName("cmdAbbrechen");
    m_cancel->setShortcut(Qt::Key_Escape);
    m_cancel->hide();
    m_ui->StatusBar1->addPermanentWidget(m_cancel);
    m_panelDate = panel(0);
    m_panelTime = panel(0);
    m_panelConnection->setObjectName("StatusBar1_Panel1");
    m_panelScale->setObjectName("StatusBar1_Panel2");
    m_panelDate->setObjectName("StatusBar1_Panel3");
    m_panelTime->setObjectName("StatusBar1_Panel4");
    auto* clock = new QTimer(this);
    auto tick = [this, timeFormat = QtRegionalSettings::TimeFormatWithSeconds(QLocale())] {
        m_app.CheckConnection(); // an adapter pulled out, a server gone: no connection shown
        const QLocale locale;
        SetText(m_panelDate, locale.toString(QDate::currentDate(), QLocale::ShortFormat));
        SetText(m_panelTime, locale.toString(QTime::currentTime(), timeFormat));
    };
    connect(clock, &QTimer::timeout, this, tick);
    tick();
    clock->start(1000);
}

void frmMain::ShowServiceTabs(const QString& commandLine) {
    for (int digit = 1; digit <= 3; ++digit)
        m_ui->SSTab1->setTabVisible(kServiceTabs + digit - 1,
                                    commandLine.contains(QString::number(digit)));
}

// ---- refresh ---------------------------------------------------------------------------------

void frmMain::Update() {
    RefreshLabels();
    RefreshEnabling();
}

void frmMain::RefreshLabels() {
    const cNivolantis& app = m_app;
    const PageFields& fields = *m_fields;
    const QString unit = ScaleUnit(app);
    const QString scale =
        fields.Shown("Eingang/Skalierung.Anfang") + ".." + fields.Shown("Eingang/Skalierung.Ende");
    SetText(m_pages->linearisation.lblSkalenbereich,
            tr("X: %1..%2 mA\nentspricht\nY: %3 %4")
                .arg(fields.Shown("Eingang/Messbereich.Anfang"),
                     fields.Shown("Eingang/Messbereich.Ende"), scale, unit));
    SetText(m_panelScale, tr("Skalenbereich: %1 %2").arg(scale, unit));
    for (QLabel* label : m_unitLabels)
        SetText(label, unit);
    for (QLabel* label : m_outUnits)
        SetText(label, m_fields->OutputInVolts() ? "V" : "mA");
    // A port being tried is no connection yet.
    SetText(m_panelConnection, app.Searching()    ? tr("Suche Gerät...")
                               : app.PortNr() < 1 ? tr("Keine Verbindung")
                                                  : "COM" + QString::number(app.PortNr()));
    if (const QString where = Q(m_app.ConnectionText()); m_panelConnection->toolTip() != where)
        m_panelConnection->setToolTip(where);
    const QString caption = "NivoConfig [" + Q(app.FileName()) + "]" + (app.Modified() ? "*" : "");
    if (windowTitle() != caption)
        setWindowTitle(caption);
}

void frmMain::RefreshEnabling() {
    const cNivolantis& app = m_app;
    const cDataGroup& limits = app.Data(Catalogue::kLimitsGroup);
    for (int i = 0; i < 4; ++i) {
        if (limits.Parameters(Catalogue::LimitFunctionName(i)).Value() == 0)
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

void frmMain::ShowStatusText(const QString& text, int shownMs) {
    statusBar()->showMessage(text, shownMs);
}

void frmMain::ClearStatusText() {
    statusBar()->clearMessage();
}

// ---- dropped files ---------------------------------------------------------------------------

namespace {

/// The one local file a drag carries; empty for anything else.
QString DroppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    return QDir::toNativeSeparators(data->urls().front().toLocalFile());
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!m_commands->Running() && !DroppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_commands->OpenParameterFile(path);
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
    if (m_service->RefusesClose()) {
        event->ignore();
        return;
    }
    if (m_commands->Running()) { // a device exchange is on the stack: end once it returns
        m_commands->CloseWhenDone();
        event->ignore();
        return;
    }
    if (!m_commands->MayDiscardChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    m_commands->CloseOwnedWindows();
    QCoreApplication::quit();
}
