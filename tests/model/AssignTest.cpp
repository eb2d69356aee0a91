#include "support/ConfigurationTest.h"

#include <gmock/gmock.h>

#include <stdexcept>

using AssignTest = ConfigurationTest;

TEST_F(AssignTest, TheScaleUnitReachesEveryScaledValueWithOneNotification) {
    CountingOwner owner;
    config->setOwner(&owner);
    EXPECT_TRUE(config->Assign("Eingang/Skaleneinheit", "2"));
    EXPECT_EQ(1, owner.count);
    const auto units = [this] {
        return std::vector<std::string>{R("Grenzwerte", "Grenzwert4").RangeBegin().Unit(),
                                        P("Linearisierung", "Y24").Unit(),
                                        P("Sonstiges", "Simulationsschrittweite").Unit()};
    };
    EXPECT_EQ(std::vector<std::string>(3, "m"), units());
    EXPECT_EQ("mA", P("Linearisierung", "X1").Unit()) << "the input keeps its own unit";
    config->SetDefaults();
    EXPECT_EQ(std::vector<std::string>(3, "bar"), units());
}

TEST_F(AssignTest, UnknownPathsThrowAndRefusedTextsKeepTheValue) {
    EXPECT_THAT([&] { config->Assign("Eingang/Unbekannt", "1"); },
                testing::ThrowsMessage<std::out_of_range>(
                    testing::StrEq("unbekannter Parameter 'Eingang/Unbekannt'")));
    EXPECT_THROW(config->Show("Gerätebeschreibung/Zeile5"), std::out_of_range);
    ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
    EXPECT_FALSE(config->Assign("Eingang/Filter", "300"));
    VerifyMessages();
    EXPECT_EQ("2", config->Show("Eingang/Filter"));
}
