#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

ScriptedFileDialogs::~ScriptedFileDialogs() {
    if (!m_answers.empty())
        ADD_FAILURE() << m_answers.size() << " file dialog answer(s) never asked for";
}

std::optional<QString> ScriptedFileDialogs::Next(bool save, const FileDialogOptions& options) {
    m_requests.push_back({save, options});
    if (m_answers.empty()) {
        ADD_FAILURE() << "unexpected " << (save ? "save" : "open") << " dialog '"
                      << options.title.toStdString() << "'";
        return std::nullopt;
    }
    std::optional<QString> answer;
    answer.swap(m_answers.front());
    m_answers.pop_front();
    return answer;
}
