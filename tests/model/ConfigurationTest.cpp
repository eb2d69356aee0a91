#include "support/ConfigurationFixture.h"

#include <gmock/gmock.h>

#include <stdexcept>

using ConfigurationTest = ConfigurationFixture;

TEST_F(ConfigurationTest, TheScaleUnitReachesEveryScaledValueBeforeItsOneNotification) {
    struct UnitOwner : Notifiable { // the views refresh from what a notification finds
        const cParameter& scaled;
        std::vector<std::string> heard;
        explicit UnitOwner(const cParameter& parameter) : scaled(parameter) {}
        void Notify() override { heard.push_back(scaled.Unit()); }
    } owner(P("Linearisierung", "Y24"));
    config->setOwner(&owner);
    EXPECT_EQ(Configuration::Assigned::Changed, config->Assign("Eingang/Skaleneinheit", "2"));
    EXPECT_EQ(std::vector<std::string>{"m"}, owner.heard);
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

TEST_F(ConfigurationTest,
       UnknownPathsThrowRefusedTextsKeepTheValueAndAnUnmovedRangeEndTellsNobody) {
    CountingOwner owner;
    config->setOwner(&owner);
    const std::string end = "Ausgang/Stellbereich.Ende";
    EXPECT_EQ(Configuration::Assigned::Unchanged, config->Assign(end, config->Show(end)));
    EXPECT_EQ(0, owner.count);
    EXPECT_EQ(Configuration::Assigned::Changed, config->Assign(end, "19"));
    EXPECT_EQ(1, owner.count);
    EXPECT_THAT([&] { config->Assign("Eingang/Unbekannt", "1"); },
                testing::ThrowsMessage<std::out_of_range>(
                    testing::StrEq("unbekannter Parameter 'Eingang/Unbekannt'")));
    EXPECT_THROW(config->Show("Gerätebeschreibung/Zeile5"), std::out_of_range);
    config->Restore(config->CurrentState()); // as an undo does: the checks stay on
    ExpectMessage("Filter '300' ausserhalb 0..255", MsgIcon::Information, "Eingabefehler");
    EXPECT_EQ(Configuration::Assigned::Refused, config->Assign("Eingang/Filter", "300"));
    VerifyMessages();
    EXPECT_EQ("2", config->Show("Eingang/Filter"));
}

TEST_F(ConfigurationTest, BatchesNestPutBothSwitchesBackEvenAfterAnExceptionAndTellTheOwnerOnce) {
    CountingOwner owner;
    config->setOwner(&owner);
    using Batch = Configuration::Batch;
    {
        const Batch outer(*config);
        {
            const Batch inner(*config, Batch::Checks::Off);
            P("Eingang", "Filter").setValue(300.0); // taken unchecked, as from a file
            config->UpdateLimits();                 // a batch of its own inside the caller's
            EXPECT_FALSE(config->EnableNotify()) << "the limit update keeps the caller's switch";
        }
        EXPECT_FALSE(config->EnableNotify()) << "the outer batch still holds";
        EXPECT_TRUE(P("Linearisierung", "X1").EnableTestData());
        EXPECT_THROW(
            {
                const Batch failing(*config, Batch::Checks::Off);
                throw std::runtime_error("cut off");
            },
            std::runtime_error);
        EXPECT_TRUE(P("Linearisierung", "X1").EnableTestData());
        EXPECT_EQ(0, owner.count);
    }
    EXPECT_TRUE(config->EnableNotify());
    EXPECT_EQ(300.0f, P("Eingang", "Filter").Value());
    EXPECT_EQ(1, owner.count) << "one notification for all the batch changed";
    {
        const Batch idle(*config);
        config->Show("Eingang/Filter");
    }
    EXPECT_EQ(1, owner.count) << "nothing changed, nobody told";
}
