#include "ui/service/frmSplash.h"

#include "base/Platform.h"
#include "base/Translation.h"
#include "ui/QtText.h"

#include "ui_frmSplash.h"

#include <QPainter>
#include <QPainterPath>

namespace {

/// A tank with a level line and a wave: the product's picture.
QPixmap Logo() {
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tank(14, 8, 68, 80);
    QPainterPath water;
    water.moveTo(tank.left(), 44);
    water.cubicTo(34, 36, 50, 52, tank.right(), 42);
    water.lineTo(tank.bottomRight());
    water.lineTo(tank.bottomLeft());
    water.closeSubpath();
    painter.fillPath(water, QColor(38, 110, 190));
    painter.setPen(QPen(QColor(30, 50, 80), 3));
    painter.drawRoundedRect(tank, 8, 8);
    painter.setPen(QPen(QColor(220, 60, 40), 2, Qt::DashLine));
    painter.drawLine(QPointF(4, 30), QPointF(92, 30));
    return picture;
}

} // namespace

frmSplash::frmSplash(QWidget* owner)
    : QWidget(owner,
              owner ? Qt::WindowFlags(Qt::Dialog) : Qt::SplashScreen | Qt::FramelessWindowHint),
      m_ui(std::make_unique<Ui::frmSplash>()) {
    m_ui->setupUi(this);
    if (owner)
        setWindowTitle(Q(Tr("frmSplash", "Info")));
    for (QWidget* child : findChildren<QWidget*>()) // a click on a label closes it too
        child->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_ui->imgLogo->setPixmap(Logo());
    QFont title = m_ui->lblProductName->font();
    title.setPointSizeF(title.pointSizeF() * 1.3);
    title.setBold(true);
    m_ui->lblProductName->setFont(title);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
}

frmSplash::~frmSplash() = default;

void frmSplash::Fill(const SettingsFiles& settings) {
    const ProgramInfo& program = Platform::Program();
    QStringList company;
    for (const char* key : {"Name", "Strasse", "Ort", "Tel", "Fax", "EMail", "Internet"})
        company << Q(settings.getKey("Firma", key));
    m_ui->lblCompany->setText(company.join('\n'));
    m_ui->lblVersion->setText(Q(TrArgs(Tr("frmSplash", "Version %1"), {program.VersionText()})));
    m_ui->lblProgrammname->setText(Q(program.name));
    m_ui->lblProductName->setText(Q(Tr("frmSplash", "Konfigurationsprogramm für Nivolantis K417")));
    adjustSize();
}

void frmSplash::ShowDeviceVersion(const std::string& firmwareID) {
    ShowStatus(Q(TrArgs(Tr("frmSplash", "Geräteversion:\n'%1'"), {firmwareID})));
}

void frmSplash::ShowStatus(const QString& text) {
    m_ui->lblStatus->setText(text);
    adjustSize();
}

void frmSplash::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

bool frmSplash::event(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::event(event);
    close();
    return true;
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    close();
}
