#include "support/ConfigurationTest.h"

#include <cmath>

using LimitRulesTest = ConfigurationTest;

TEST_F(LimitRulesTest, AfterConstructionTheTablesHold) {
    const cRange& scale = R("Eingang", "Skalierung");
    EXPECT_EQ(10000.0f, scale.RangeBegin().Factor());
    EXPECT_FLOAT_EQ(-9.9999f, scale.RangeBegin().LowerLimit());
    const cParameter& step = P("Sonstiges", "Simulationsschrittweite");
    EXPECT_EQ(0.0f, step.LowerLimit());
    EXPECT_EQ(1.0f, step.UpperLimit());
    EXPECT_FLOAT_EQ(0.01f, step.Value());
    EXPECT_EQ(20.0f, P("Linearisierung", "X5").UpperLimit());
}

TEST_F(LimitRulesTest, DecimalPlacesSetFactorAndLimitsOfEveryScaledValue) {
    P("Eingang", "Skalenkomma").setValue(2.0);
    config->UpdateLimits();
    EXPECT_TRUE(config->EnableNotify());
    // The scaling's own ±999.99 is checked with every dependent value below.
    for (cParameter* p :
         {&P("Linearisierung", "Y7"), &R("Grenzwerte", "Grenzwert4").RangeBegin(),
          &P("Sonstiges", "TrendFallend"), &R("Sonstiges", "Simulationsbereich").RangeEnd(),
          &P("Sonstiges", "Simulationsschrittweite")}) {
        EXPECT_EQ(100.0f, p->Factor()) << p->ParName();
        EXPECT_EQ(0.0f, p->LowerLimit()) << p->ParName();
        EXPECT_EQ(1.0f, p->UpperLimit()) << p->ParName();
    }

    P("Eingang", "Skalenkomma").setValue(0.0);
    config->UpdateLimits();
    const cRange& scale = R("Eingang", "Skalierung");
    EXPECT_EQ(0.0f, scale.GetRangeBegin());
    EXPECT_EQ(1.0f, scale.GetRangeEnd());
    EXPECT_EQ(99999.0f, scale.RangeEnd().UpperLimit());
    EXPECT_EQ(1.0f, P("Linearisierung", "Y1").UpperLimit());
}

TEST_F(LimitRulesTest, EveryDependentValueFollowsTheScalingAndTheMeasuringRange) {
    P("Eingang", "Skalenkomma").setValue(2.0);
    config->UpdateLimits();
    R("Eingang", "Skalierung").SetRangeBegin(-50.0);
    R("Eingang", "Skalierung").SetRangeEnd(750.0);
    R("Eingang", "Messbereich").SetRangeBegin(6.0);
    R("Eingang", "Messbereich").SetRangeEnd(18.0);
    config->UpdateLimits();

    struct Expected {
        cParameter* p;
        float lower, upper, factor;
    };
    std::vector<Expected> expected;
    for (cParameter* p :
         {&R("Eingang", "Skalierung").RangeBegin(), &R("Eingang", "Skalierung").RangeEnd()})
        expected.push_back({p, -999.99f, 999.99f, 100});
    const auto scaled = [&](cParameter& p) { expected.push_back({&p, -50, 750, 100}); };
    for (const char* relay : {"Grenzwert1", "Grenzwert2", "Grenzwert3", "Grenzwert4"}) {
        scaled(R("Grenzwerte", relay).RangeBegin());
        scaled(R("Grenzwerte", relay).RangeEnd());
    }
    for (int n = 1; n <= 24; ++n) {
        expected.push_back({&P("Linearisierung", "X" + std::to_string(n)), 6, 18, 1000});
        scaled(P("Linearisierung", "Y" + std::to_string(n)));
    }
    scaled(P("Sonstiges", "TrendSteigend"));
    scaled(P("Sonstiges", "TrendFallend"));
    scaled(R("Sonstiges", "Simulationsbereich").RangeBegin());
    scaled(R("Sonstiges", "Simulationsbereich").RangeEnd());
    scaled(P("Sonstiges", "Simulationsschrittweite"));
    ASSERT_EQ(63u, expected.size());
    for (const Expected& e : expected) {
        EXPECT_FLOAT_EQ(e.lower, e.p->LowerLimit()) << e.p->ParName();
        EXPECT_FLOAT_EQ(e.upper, e.p->UpperLimit()) << e.p->ParName();
        EXPECT_EQ(e.factor, e.p->Factor()) << e.p->ParName();
    }
    EXPECT_EQ(-50.0f, R("Eingang", "Skalierung").GetRangeBegin());
    EXPECT_EQ(750.0f, R("Eingang", "Skalierung").GetRangeEnd());
}

TEST_F(LimitRulesTest, DecimalPlacesOutsideTheirChoicesNeverMakeAnInfiniteFactor) {
    config->setEnableTestData(false); // as while a damaged file or device is read
    // The device keeps the places as a whole byte, so 2.6 counts as 3.
    for (const auto& [places, factor] : std::vector<std::pair<double, float>>{
             {255, 10000}, {39, 10000}, {-3, 1}, {2.6, 1000}, {1e30, 10000}}) {
        P("Eingang", "Skalenkomma").setValue(places);
        config->UpdateLimits();
        const cRange& scale = R("Eingang", "Skalierung");
        EXPECT_EQ(factor, scale.RangeEnd().Factor()) << places;
        EXPECT_EQ(factor, P("Linearisierung", "Y1").Factor()) << places;
        EXPECT_FLOAT_EQ(99999 / factor, scale.RangeEnd().UpperLimit()) << places;
        EXPECT_TRUE(std::isfinite(scale.RangeBegin().LowerLimit())) << places;
    }
}

TEST_F(LimitRulesTest, ReducedVariantsNarrowEveryRelayChannelWithOneRefresh) {
    CountingOwner owner;
    config->setOwner(&owner);
    for (std::uint8_t variant : {0, 1}) {
        config->setHardwareVariante(7);
        for (const char* c : {"A", "B", "C", "D"}) {
            P("Grenzwerte", std::string("Grenzwertfunktion ") + c).setValue(4.0);
            P("Grenzwerte", std::string("Pumpentausch ") + c).setValue(1.0);
        }
        owner.count = 0;
        config->setHardwareVariante(variant);
        EXPECT_EQ(variant, config->HardwareVariante());
        EXPECT_EQ(1, owner.count);
        for (const char* c : {"A", "B", "C", "D"}) {
            const cParameter& function = P("Grenzwerte", std::string("Grenzwertfunktion ") + c);
            const cParameter& swap = P("Grenzwerte", std::string("Pumpentausch ") + c);
            EXPECT_EQ(1.0f, function.UpperLimit()) << c << int(variant);
            EXPECT_EQ(1.0f, function.Value()) << c << int(variant);
            EXPECT_EQ(0.0f, swap.UpperLimit()) << c << int(variant);
            EXPECT_EQ(0.0f, swap.Value()) << c << int(variant);
        }
    }
    // The refusal names the choice by its text.
    ExpectMessage("Grenzwertfunktion D 'Pumpentausch*' ausserhalb 0..1", MsgIcon::Information,
                  "Eingabefehler");
    P("Grenzwerte", "Grenzwertfunktion D").setValue(2.0);
    ExpectMessage("Grenzwertfunktion A 'Trend fallend' ausserhalb 0..1", MsgIcon::Information,
                  "Eingabefehler");
    EXPECT_FALSE(config->Assign("Grenzwerte/Grenzwertfunktion A", "4"));
    ExpectMessage("Pumpentausch C 'Ja' ausserhalb 0..0", MsgIcon::Information, "Eingabefehler");
    P("Grenzwerte", "Pumpentausch C").setValue(1.0);
    ExpectMessage("Grenzwertfunktion C '5' ausserhalb 0..1", MsgIcon::Information, "Eingabefehler");
    P("Grenzwerte", "Grenzwertfunktion C").setValue(5.0);
    VerifyMessages();

    config->setHardwareVariante(5);
    EXPECT_EQ(5, config->HardwareVariante());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());

    config->setHardwareVariante(7);
    EXPECT_EQ(4.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion B").Value()) << "widening changes no value";
}

TEST_F(LimitRulesTest, ValuesOutsideNewLimitsMoveOntoThem) {
    R("Eingang", "Skalierung").SetRangeEnd(0.5);
    config->UpdateLimits();
    EXPECT_EQ(0.5f, R("Grenzwerte", "Grenzwert1").GetRangeEnd()) << "0.9 pulled down";
    EXPECT_EQ(0.5f, P("Linearisierung", "Y24").Value());

    R("Eingang", "Messbereich").SetRangeBegin(10.0);
    config->UpdateLimits();
    EXPECT_EQ(10.0f, P("Linearisierung", "X1").Value());
    EXPECT_EQ(10.0f, P("Linearisierung", "X1").LowerLimit());
}

TEST_F(LimitRulesTest, AReversedScalingLeavesValuesAtItsBeginExceptTheStep) {
    R("Eingang", "Skalierung").SetRangeBegin(1.0);
    R("Eingang", "Skalierung").SetRangeEnd(0.0);
    config->UpdateLimits();
    EXPECT_EQ(1.0f, R("Grenzwerte", "Grenzwert1").GetRangeBegin());
    EXPECT_EQ(1.0f, R("Grenzwerte", "Grenzwert1").GetRangeEnd());
    EXPECT_EQ(1.0f, P("Linearisierung", "Y1").Value());
    EXPECT_EQ(1.0f, P("Sonstiges", "TrendSteigend").Value());
    EXPECT_EQ(0.0f, P("Sonstiges", "Simulationsschrittweite").Value());
}

TEST_F(LimitRulesTest, DefaultsRestoreValuesAndDescriptionsButNotUserData) {
    P("Eingang", "Skalenkomma").setValue(1.0);
    config->UpdateLimits();
    config->SetDescription(0, "Tank 3");
    config->setBenutzername("Müller");
    config->setHardwareVariante(0);
    config->SetDefaults();
    EXPECT_EQ(4.0f, P("Eingang", "Skalenkomma").Value());
    EXPECT_EQ(10000.0f, P("Linearisierung", "Y3").Factor());
    EXPECT_EQ("Beschreibung1", config->GetDescription(0));
    EXPECT_EQ("Müller", config->Benutzername());
    EXPECT_EQ(0, config->HardwareVariante());
}
