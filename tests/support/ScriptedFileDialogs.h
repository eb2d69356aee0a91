#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <vector>

/// File dialogs answered from a script instead of a user: each request takes the next queued
/// answer (a path, or std::nullopt for "cancelled"). A request with no answer queued fails the
/// running test and is treated as cancelled, and so does an answer still queued at the end.
class ScriptedFileDialogs : public FileDialogs {
public:
    ~ScriptedFileDialogs() override;

    struct Request {
        bool save; ///< false: an open dialog
        FileDialogOptions options;
    };

    void Answer(std::optional<QString> path) { m_answers.push_back(std::move(path)); }
    const std::vector<Request>& Requests() const { return m_requests; }

    std::optional<QString> OpenFile(const FileDialogOptions& options) override {
        return Next(false, options);
    }
    std::optional<QString> SaveFile(const FileDialogOptions& options) override {
        return Next(true, options);
    }

private:
    std::optional<QString> Next(bool save, const FileDialogOptions& options);

    std::deque<std::optional<QString>> m_answers;
    std::vector<Request> m_requests;
};
