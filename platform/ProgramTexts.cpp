#include "platform/ProgramTexts.h"

#include "base/Platform.h"

#include <QCoreApplication>
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
        if (m_qt->load(QLocale(Code(language)), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(m_qt.get());
        else
            m_qt.reset();
    }
    if (language == Language::German)
        return;
    m_own = std::make_unique<QTranslator>();
    m_complete = m_own->load(QString("nivoconfig_") + Code(language), folder);
    if (!m_complete) {
        m_own.reset();
        return;
    }
    QCoreApplication::installTranslator(m_own.get());
    Platform::Install(std::make_unique<QtTextTranslator>(*m_own));
}

ProgramTexts::~ProgramTexts() {
    if (m_own) {
        Platform::Install(std::unique_ptr<Translator>());
        QCoreApplication::removeTranslator(m_own.get());
    }
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
}
