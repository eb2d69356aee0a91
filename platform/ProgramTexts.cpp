#include "platform/ProgramTexts.h"

#include "base/Platform.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

namespace {

/// The core's texts from the file the windows use.
class QtTextTranslator : public Translator {
public:
    explicit QtTextTranslator(const QTranslator& file) : m_file(file) {}

    std::optional<std::string> Translate(const char* context, const char* source) const override {
        const QString text = m_file.translate(context, source);
        return text.isEmpty() ? std::nullopt : std::optional<std::string>(text.toStdString());
    }

private:
    const QTranslator& m_file;
};

const char* Code(Language language) {
    return language == Language::German ? "de" : "en";
}

} // namespace

ProgramTexts::ProgramTexts(Language language, const QString& folder) {
    // Qt's own texts are English already.
    if (language != Language::English) {
        m_qt = std::make_unique<QTranslator>();
        if (!m_qt->load(QLocale(Code(language)), "qtbase", "_",
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qt.reset();
    }
    if (language != Language::German) {
        m_own = std::make_unique<QTranslator>();
        m_complete = m_own->load(QString("nivoconfig_") + Code(language), folder);
        if (m_complete)
            Platform::Install(std::make_unique<QtTextTranslator>(*m_own));
        else
            m_own.reset();
    }
    if (QCoreApplication::instance())
        InstallIntoApplication();
}

void ProgramTexts::InstallIntoApplication() {
    for (QTranslator* translator : {m_qt.get(), m_own.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    m_installed = true;
}

QString ProgramTexts::InstalledFolder() {
    const ProgramInfo& program = Platform::Program();
    const QString installed =
        QString::fromStdString(program.PathInFolder("../share/nivoconfig/translations"));
    return QFileInfo(installed).isDir()
               ? installed
               : QString::fromStdString(program.PathInFolder("translations"));
}

ProgramTexts::~ProgramTexts() {
    if (m_own)
        Platform::Install(std::unique_ptr<Translator>());
    // The window program's application object ends before its texts.
    if (!m_installed || !QCoreApplication::instance())
        return;
    for (QTranslator* translator : {m_own.get(), m_qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
}
