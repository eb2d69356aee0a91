#include "base/InterfaceLanguage.h"
#include "base/Platform.h"
#include "base/UnexpectedError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

class English : public Translator {
public:
    std::optional<std::string> Translate(const char* context, const char* source) const override {
        const auto found = m_texts.find({context, source});
        return found == m_texts.end() ? std::nullopt : std::optional<std::string>(found->second);
    }

private:
    std::map<std::pair<std::string, std::string>, const char*> m_texts{
        {{"Transfer", "Gerät lesen beendet."}, "Reading the device finished."},
        {{"HexFile", "Zeile %1: %2"}, "%2 in line %1"},
        {{"UnexpectedError", "unbekannter Fehler"}, "unknown error"}};
};

/// Sets the language variables for one check and puts them back afterwards.
class Environment {
public:
    explicit Environment(const std::map<std::string, const char*>& values) {
        for (const char* name : kNames) {
            const char* before = std::getenv(name);
            m_saved[name] = before ? std::optional<std::string>(before) : std::nullopt;
            const auto value = values.find(name);
            value != values.end() ? ::setenv(name, value->second, 1) : ::unsetenv(name);
        }
    }
    ~Environment() {
        for (const auto& [name, value] : m_saved)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    }

private:
    static constexpr const char* kNames[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, std::optional<std::string>> m_saved;
};

template <typename Thrown> std::string TextOfCaught(const Thrown& thrown) {
    try {
        throw thrown;
    } catch (...) {
        return CurrentErrorText();
    }
}

} // namespace

TEST(TranslationTest, TextsStayGermanUntilATranslatorIsInstalledAndKeepTheirArguments) {
    EXPECT_EQ("Gerät lesen beendet.", Tr("Transfer", "Gerät lesen beendet."));
    Platform::Install(std::make_unique<English>());
    EXPECT_EQ("Reading the device finished.", Tr("Transfer", "Gerät lesen beendet."));
    EXPECT_EQ("Gerät lesen beendet.", Tr("HexFile", "Gerät lesen beendet.")) << "another context";
    EXPECT_EQ("Prüfsumme falsch in line 3",
              TrArgs(Tr("HexFile", "Zeile %1: %2"), {"3", "Prüfsumme falsch"}));
    EXPECT_EQ("unknown error", TextOfCaught(42)) << "a catch-all names a foreign exception";
    EXPECT_EQ("kaputt", TextOfCaught(std::runtime_error("kaputt")));
    Platform::Install(std::unique_ptr<Translator>());
    EXPECT_EQ("unbekannter Fehler", TextOfCaught(42));
    EXPECT_EQ("Zeile 3: Prüfsumme falsch",
              TrArgs(Tr("HexFile", "Zeile %1: %2"), {"3", "Prüfsumme falsch"}));

    EXPECT_EQ("%2 und 100 %", TrArgs("%1 und 100 %", {"%2"})) << "inserted once, never again";
    EXPECT_EQ("a %3 b%", TrArgs("%1 %3 %2", {"a", "b%"})) << "a missing argument stays";
}

TEST(TranslationTest, GermanForGermanNamesEnglishForAnyOther) {
    for (const char* name : {"de", "de_DE.UTF-8", "de_AT", "de_CH.utf8", "de@euro"})
        EXPECT_EQ(Language::German, LanguageOfName(name)) << name;
    for (const char* name : {"", "C", "POSIX", "C.UTF-8", "en_US.UTF-8", "fr_FR", "dex", "DE"})
        EXPECT_EQ(Language::English, LanguageOfName(name)) << name;

    struct Case {
        std::map<std::string, const char*> variables;
        Language expected;
    };
    const Case cases[] = {
        {{{"LANGUAGE", "fr:de:en"}, {"LANG", "en_US.UTF-8"}}, Language::German},
        {{{"LANGUAGE", "en_GB:de"}, {"LC_ALL", "de_DE.UTF-8"}}, Language::English},
        {{{"LANGUAGE", "fr"}, {"LANG", "de_DE.UTF-8"}}, Language::English},
        {{{"LANGUAGE", ""}, {"LC_ALL", "C"}, {"LANG", "de_DE.UTF-8"}}, Language::English},
        {{{"LC_ALL", ""}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LANG", "C"}}, Language::German},
        {{{"LANG", "de_DE.UTF-8"}}, Language::German},
        {{}, Language::English},
    };
    for (const Case& c : cases) {
        const Environment environment(c.variables);
        EXPECT_EQ(c.expected, InterfaceLanguage()) << ::testing::PrintToString(c.variables);
    }
}
