#include "model/CatalogueText.h"
#include "support/ConfigurationFixture.h"
#include "support/EnglishTexts.h"

#include <string>

using ModelTextsTest = ConfigurationFixture;

// Catalogue names are keys: users read them in their language, files and paths keep German.
TEST_F(ModelTextsTest, RefusalsAndCaptionsFollowTheInterfaceLanguage) {
    struct Case {
        const char* name;
        const char* english;
    };
    const Case captions[] = {{"Relaisfunktion C", "Relay function C"},
                             {"Messbereich.Anfang", "Measuring range start"},
                             {"Grenzwert3", "Limit 3"},
                             {"X7", "X7"},
                             {"Zeile2", "Line 2"},
                             {"Eingang", "Input"}};

    for (const Case& c : captions)
        EXPECT_EQ(c.name, CatalogueText::Caption(c.name)) << "German";
    ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
    EXPECT_EQ(Configuration::Assigned::Refused, config->Assign("Eingang/Filter", "300"));
    VerifyMessages();

    const EnglishTexts english;
    for (const Case& c : captions)
        EXPECT_EQ(c.english, CatalogueText::Caption(c.name));
    ExpectMessage("Filter '300' outside 0..255", MsgIcon::Information, "Input error");
    EXPECT_EQ(Configuration::Assigned::Refused, config->Assign("Eingang/Filter", "300"));
    VerifyMessages();
    EXPECT_EQ("Zeile2", Configuration::DescriptionKey(1)) << "the file's key stays German";
    EXPECT_EQ("2", config->Show("Eingang/Filter"));
}
