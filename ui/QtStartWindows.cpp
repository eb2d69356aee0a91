#include "ui/QtStartWindows.h"

#include "ui/main/frmMain.h"
#include "ui/service/frmOptionen.h"
#include "ui/service/frmSplash.h"

QtStartWindows::QtStartWindows(StartArguments arguments) : m_arguments(std::move(arguments)) {}

QtStartWindows::~QtStartWindows() {
    if (m_splash)
        delete m_splash.data();
}

void QtStartWindows::ShowSplash() {
    m_splash = new frmSplash;
    m_splash->setAttribute(Qt::WA_DeleteOnClose);
    m_splash->Fill(m_arguments.Settings());
    m_splash->show();
}

void QtStartWindows::ShowSplashStatus(const std::string& text) {
    if (m_splash)
        m_splash->ShowStatus(QString::fromStdString(text));
}

void QtStartWindows::CloseSplash() {
    if (m_splash)
        m_splash->close();
}

void QtStartWindows::ShowMain(cNivolantis& app) {
    m_main = std::make_unique<frmMain>(app, m_arguments.pages);
    MakeOptions(app);
    m_main->Commands().setOptionsWindow(m_options.get());
    m_main->show();
}

void QtStartWindows::MakeOptions(cNivolantis& app) {
    if (!m_options)
        m_options = std::make_unique<frmOptionen>(app);
}

void QtStartWindows::ShowStartNote(const std::string& text) {
    if (m_main)
        m_main->ShowStatusText(QString::fromStdString(text).replace("\r\n", " "), 0);
}

void QtStartWindows::OpenFileArgument() {
    if (m_main && !m_arguments.file.isEmpty())
        m_main->Commands().OpenParameterFile(m_arguments.file);
}
