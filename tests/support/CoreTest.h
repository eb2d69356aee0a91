#pragma once

#include "base/DateTime.h"
#include "base/MessageService.h"
#include "support/RecordingMessageService.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

/// Base fixture for core tests: installs a message recorder, German or English regional
/// settings, a fixed clock and a program named "NivoConfig" in a fresh temporary folder.
/// Every message box a test does not announce with ExpectMessage fails it, and so does an
/// announced one that never appeared; questions likewise with ExpectQuestion.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void UseGerman();
    void UseEnglish();

    /// Announces the next message box: exact text, icon and title.
    void ExpectMessage(const std::string& text, MsgIcon icon, const std::string& title = "");
    /// Announces the next question (exact text, buttons and title) and the user's answer to it.
    void ExpectQuestion(const std::string& text, MsgButtons buttons, const std::string& title,
                        MsgAnswer answer);
    /// Checks the announced messages and questions against the shown ones now, and forgets both.
    void VerifyMessages();

    RecordingMessageService& Recorder() { return *m_recorder; }

    /// The test's own temporary folder (removed afterwards).
    const std::filesystem::path& Dir() const { return m_dir; }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    /// Writes a settings file with the given units and returns its path.
    std::string WriteSettings(const std::vector<std::string>& units = {"bar", "mbar", "m"},
                              const std::string& firmware = "K417 V2.1");

    static std::string ReadBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::string& bytes);

private:
    RecordingMessageService* m_recorder = nullptr;
    std::vector<RecordingMessageService::Message> m_expected;
    std::filesystem::path m_dir;
};
