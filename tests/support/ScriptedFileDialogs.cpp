#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

ScriptedFileDialogs::~ScriptedFileDialogs() {
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " file dialog answer(s) never asked for";
}

std::optional<QString> ScriptedFileDialogs::OpenFile(const FileDialogOptions& options) {
    return Next(false, options);
}

std::optional<QString> ScriptedFileDialogs::SaveFile(const FileDialogOptions& options) {
    return Next(true, options);
}

std::optional<QString> ScriptedFileDialogs::Next(bool save, const FileDialogOptions& options) {
    m_requests.push_back({save, options});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected " << (save ? "save" : "open") << " dialog '"
                      << options.title.toStdString() << "'";
        return std::nullopt;
    }
    const bool cancelled = !m_answers.front();
    const QString path = m_answers.front().value_or(QString());
    m_answers.pop_front();
    if (cancelled)
        return std::nullopt;
    return path;
}
