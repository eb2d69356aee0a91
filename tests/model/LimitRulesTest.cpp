#include "support/ConfigurationTest.h"

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
    const cRange& scale = R("Eingang", "Skalierung");
    EXPECT_EQ(100.0f, scale.RangeBegin().Factor());
    EXPECT_FLOAT_EQ(-999.99f, scale.RangeEnd().LowerLimit());
    EXPECT_FLOAT_EQ(999.99f, scale.RangeBegin().UpperLimit());
    for (cParameter* p : {&P("Linearisierung", "Y7"), &R("Grenzwerte", "Grenzwert4").RangeBegin(),
                          &P("Sonstiges", "TrendFallend"), &R("Sonstiges", "Simulationsbereich").RangeEnd(),
                          &P("Sonstiges", "Simulationsschrittweite")}) {
        EXPECT_EQ(100.0f, p->Factor()) << p->ParName();
        EXPECT_EQ(0.0f, p->LowerLimit()) << p->ParName();
        EXPECT_EQ(1.0f, p->UpperLimit()) << p->ParName();
    }

    P("Eingang", "Skalenkomma").setValue(0.0);
    config->UpdateLimits();
    EXPECT_EQ(0.0f, scale.GetRangeBegin());
    EXPECT_EQ(1.0f, scale.GetRangeEnd());
    EXPECT_EQ(99999.0f, scale.RangeEnd().UpperLimit());
    EXPECT_EQ(1.0f, P("Linearisierung", "Y1").UpperLimit());
}

TEST_F(LimitRulesTest, DecimalPlacesBeyondTheSingleRangeKeepTheLargestPowerOfTen) {
    config->setEnableTestData(false); // as a device read brings them, unchecked
    for (const double places : {39.0, 255.0}) {
        P("Eingang", "Skalenkomma").setValue(places);
        config->UpdateLimits();
        EXPECT_EQ(1e38f, R("Eingang", "Skalierung").RangeBegin().Factor()) << places;
        EXPECT_EQ(1e38f, P("Linearisierung", "Y1").Factor()) << places;
    }
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

TEST_F(LimitRulesTest, ReducedVariantsNarrowTheRelayChoicesWithOneRefresh) {
    P("Grenzwerte", "Grenzwertfunktion B").setValue(3.0);
    P("Grenzwerte", "Pumpentausch B").setValue(1.0);
    CountingOwner owner;
    config->setOwner(&owner);

    config->setHardwareVariante(1);
    EXPECT_EQ(1, config->HardwareVariante());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion B").Value());
    EXPECT_EQ(0.0f, P("Grenzwerte", "Pumpentausch B").Value());
    EXPECT_EQ(1, owner.count);
    ExpectMessage("Grenzwertfunktion D '2' ausserhalb 0..1", MsgIcon::Information, "Eingabefehler");
    P("Grenzwerte", "Grenzwertfunktion D").setValue(2.0);
    VerifyMessages();

    config->setHardwareVariante(5);
    EXPECT_EQ(5, config->HardwareVariante());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());

    config->setHardwareVariante(7);
    EXPECT_EQ(4.0f, P("Grenzwerte", "Grenzwertfunktion A").UpperLimit());
    EXPECT_EQ(1.0f, P("Grenzwerte", "Grenzwertfunktion B").Value()) << "widening changes no value";
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
