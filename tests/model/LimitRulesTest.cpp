#include "support/ConfigurationFixture.h"

using LimitRulesTest = ConfigurationFixture;

TEST_F(LimitRulesTest, DecimalPlacesAndRangesSetLimitsAndFactorOfEveryDependentValue) {
    EXPECT_EQ(20.0f, P("Linearisierung", "X5").UpperLimit()) << "the tables hold from the start";
    P("Eingang", "Skalenkomma").setValue(2.0);
    config->UpdateLimits();
    cRange& scale = R("Eingang", "Skalierung");
    scale.SetRangeBegin(-50.0);
    scale.SetRangeEnd(750.0);
    R("Eingang", "Messbereich").SetRangeBegin(6.0);
    R("Eingang", "Messbereich").SetRangeEnd(18.0);
    config->UpdateLimits();

    // Two places: factor 100, and the scaling itself within ±999,99.
    const struct {
        cParameter& p;
        float lower, upper, factor;
    } expected[] = {
        {scale.RangeEnd(), -999.99f, 999.99f, 100},
        {R("Grenzwerte", "Grenzwert1").RangeBegin(), -50, 750, 100},
        {P("Linearisierung", "X24"), 6, 18, 1000},
        {P("Linearisierung", "Y1"), -50, 750, 100},
        {R("Sonstiges", "Simulationsbereich").RangeEnd(), -50, 750, 100},
        {P("Sonstiges", "Simulationsschrittweite"), -50, 750, 100},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.p.ParName());
        EXPECT_FLOAT_EQ(e.lower, e.p.LowerLimit());
        EXPECT_FLOAT_EQ(e.upper, e.p.UpperLimit());
        EXPECT_EQ(e.factor, e.p.Factor());
    }
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
        EXPECT_FLOAT_EQ(-99999 / factor, scale.RangeBegin().LowerLimit()) << places;
    }
}

TEST_F(LimitRulesTest, ReducedVariantsNarrowEveryRelayChannelWithOneRefresh) {
    CountingOwner owner;
    config->setOwner(&owner);
    for (const char* c : {"A", "B", "C", "D"}) {
        P("Grenzwerte", std::string("Grenzwertfunktion ") + c).setValue(4.0);
        P("Grenzwerte", std::string("Pumpentausch ") + c).setValue(1.0);
    }
    owner.count = 0;
    config->setHardwareVariante(1);
    EXPECT_EQ(1, owner.count);
    for (const char* c : {"A", "B", "C", "D"}) {
        EXPECT_EQ(1.0f, P("Grenzwerte", std::string("Grenzwertfunktion ") + c).Value()) << c;
        EXPECT_EQ(0.0f, P("Grenzwerte", std::string("Pumpentausch ") + c).Value()) << c;
    }
    // The narrowed limits; the refusal names the choice by its number.
    ExpectMessage("Grenzwertfunktion D '2' ausserhalb 0..1", MsgIcon::Information, "Eingabefehler");
    P("Grenzwerte", "Grenzwertfunktion D").setValue(2.0);
    VerifyMessages();
    EXPECT_EQ(0.0f, P("Grenzwerte", "Pumpentausch C").UpperLimit());

    config->setHardwareVariante(7);
    EXPECT_EQ(4.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion B").Value()) << "widening changes no value";
    config->setHardwareVariante(0); // the smallest variant narrows the same way
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());
    EXPECT_EQ(0.0f, P("Grenzwerte", "Pumpentausch A").UpperLimit());
}

TEST_F(LimitRulesTest, ValuesOutsideNewLimitsMoveOntoThem) {
    R("Eingang", "Skalierung").SetRangeEnd(0.5);
    R("Eingang", "Messbereich").SetRangeBegin(10.0);
    config->UpdateLimits();
    EXPECT_EQ(0.5f, R("Grenzwerte", "Grenzwert1").GetRangeEnd()) << "0.9 pulled down";
    EXPECT_EQ(0.5f, P("Linearisierung", "Y24").Value());
    EXPECT_EQ(10.0f, P("Linearisierung", "X1").Value());

    // A reversed scaling leaves them at its begin, except the step.
    R("Eingang", "Skalierung").SetRangeBegin(1.0);
    R("Eingang", "Skalierung").SetRangeEnd(0.0);
    config->UpdateLimits();
    EXPECT_EQ(1.0f, R("Grenzwerte", "Grenzwert1").GetRangeBegin());
    EXPECT_EQ(1.0f, P("Linearisierung", "Y1").Value());
    EXPECT_EQ(0.0f, P("Sonstiges", "Simulationsschrittweite").Value());
}

TEST_F(LimitRulesTest, DefaultsRestoreValuesAndDescriptionsButNotUserData) {
    P("Eingang", "Skalenkomma").setValue(1.0);
    config->UpdateLimits();
    config->SetDescription(4, "Tank 3");
    config->setBenutzername("Müller");
    config->SetDefaults();
    EXPECT_EQ(4.0f, P("Eingang", "Skalenkomma").Value());
    EXPECT_EQ(10000.0f, P("Linearisierung", "Y3").Factor()) << "and the limits that follow";
    EXPECT_EQ("Messung1", config->GetDescription(4));
    EXPECT_EQ("Müller", config->Benutzername());
}
