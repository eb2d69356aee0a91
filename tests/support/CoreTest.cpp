#include "support/CoreTest.h"

#include "base/Platform.h"
#include "base/StandardRegionalSettings.h"
#include "files/Cp1252.h"
#include "support/SkippingClock.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unistd.h>

void CoreTest::SetUp() {
    auto recorder = std::make_unique<RecordingMessageService>();
    m_recorder = recorder.get();
    Platform::Install(std::move(recorder));
    Platform::Install(std::make_unique<SkippingClock>()); // 6.12.2026 14:05:09
    UseGerman();
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    // One folder directly in the temporary folder: a parameterised test's name holds slashes,
    // and a parent left by another user's run would refuse us our folder.
    std::string name = std::string("nivo-") + info->test_suite_name() + "-" + info->name() + "-" +
                       std::to_string(::getpid());
    std::replace(name.begin(), name.end(), '/', '_');
    m_dir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(m_dir);
    std::filesystem::create_directories(m_dir);
    // No user settings; what programs keep of their runs stays in the test's folder.
    Platform::Install(ProgramInfo{.folder = m_dir.string(),
                                  .name = "NivoConfig",
                                  .configHome = "",
                                  .stateHome = (m_dir / "state").string(),
                                  .userLogin = "techniker"});
}

void CoreTest::TearDown() {
    VerifyMessages();
    Platform::Reset();
    std::filesystem::remove_all(m_dir);
}

void CoreTest::UseGerman() {
    Platform::Install(std::make_unique<StandardRegionalSettings>(
        ",", StandardRegionalSettings::DateOrder::DayMonthYear));
}

void CoreTest::UseEnglish() {
    Platform::Install(std::make_unique<StandardRegionalSettings>("."));
}

void CoreTest::ExpectMessage(const std::string& text, MsgIcon icon, const std::string& title) {
    m_expected.push_back({text, icon, title});
}

void CoreTest::ExpectQuestion(const std::string& text, MsgButtons buttons, const std::string& title,
                              MsgAnswer answer) {
    m_recorder->Script({text, buttons, title, answer});
}

void CoreTest::VerifyMessages() {
    const auto describe = [](const auto& messages, std::size_t i) -> std::string {
        return i < messages.size() ? RecordingMessageService::Describe(messages[i]) : "(none)";
    };
    const auto& shown = m_recorder->Messages();
    for (std::size_t i = 0; i < std::max(shown.size(), m_expected.size()); ++i)
        EXPECT_EQ(describe(m_expected, i), describe(shown, i))
            << "message box " << i + 1 << ": expected, shown";
    for (const auto& question : m_recorder->TakeUnasked())
        ADD_FAILURE() << "expected question never asked: "
                      << RecordingMessageService::Describe(question);
    m_recorder->Clear();
    m_expected.clear();
}

std::string CoreTest::WriteSettings(const std::vector<std::string>& units,
                                    const std::string& firmware) {
    std::string text = "[Einheiten]\r\nAnzahl=" + std::to_string(units.size()) + "\r\n";
    for (std::size_t i = 0; i < units.size(); ++i)
        text += "Einheit" + std::to_string(i) + "=" + units[i] + "\r\n";
    text += "[ID]\r\nFirmware=" + firmware + "\r\n";
    std::string path = PathOf("NivoConfig.ini");
    WriteBytes(path, Utf8ToCp1252(text)); // settings files are Windows-1252
    return path;
}

std::string CoreTest::ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void CoreTest::WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}
