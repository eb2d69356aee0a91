#include "support/ConfigurationFixture.h"

namespace {

/// A group of its own whose notifications are counted at the top of the owner chain.
class cParameterTest : public ConfigurationFixture {
protected:
    void SetUp() override {
        ConfigurationFixture::SetUp();
        group.setOwner(&owner);
    }
    CountingOwner owner;
    cDataGroup group;
};

} // namespace

TEST_F(cParameterTest, LimitsInEitherOrderAreInclusiveAndNonNumericEntriesAlwaysRefused) {
    cParameter& p = group.AddParameter("Strom", 4, 20, 10, 0, 2, 1000); // upper 4, lower 20
    p.setValue(20.0);
    p.setValue(4.0);
    ExpectMessage("Strom '21' ausserhalb 20..4", MsgIcon::Information, "Eingabefehler");
    p.setValue(21.0);
    ExpectMessage("Strom '3' ausserhalb 20..4", MsgIcon::Information, "Eingabefehler");
    p.setValue("3");
    EXPECT_EQ(4.0f, p.Value());
    EXPECT_EQ(4, owner.count) << "accepted and refused entries notify once each";
    p.setEnableTestData(false); // refused even so
    for (const char* bad : {"abc", "", "1E39"}) {
        ExpectMessage("Strom '" + std::string(bad) + "' nicht numerisch.", MsgIcon::Information,
                      "Eingabefehler");
        p.setValue(bad);
    }
    ExpectMessage("Strom '1E+39' nicht numerisch.", MsgIcon::Information, "Eingabefehler");
    p.setValue(1e39);
    VerifyMessages();
    EXPECT_EQ(4.0f, p.Value());
}

TEST_F(cParameterTest, LimitSettersPullTheValueAndDefaultRestoresSilently) {
    cParameter& p = group.AddParameter("Wert", 10, 0, 5, 0, 1, 1);
    p.setUpperLimit(3);
    EXPECT_EQ(3.0f, p.Value());
    p.setLowerLimit(4);
    EXPECT_EQ(4.0f, p.Value());
    const int before = owner.count;
    p.SetDefault();
    EXPECT_EQ(5.0f, p.Value());
    EXPECT_EQ(before, owner.count);
}

TEST_F(cParameterTest, RangeChecksBeginAgainstEndUnlessInverseAndNotifiesOnlyChanges) {
    cRange& r = group.AddRange("Grenzwert1", false, {1, 0, 0.75, 211, 4, 10000},
                               {1, 0, 0.25, 207, 4, 10000});
    r.RangeBegin().setParName("Unterer Grenzwert A");
    r.RangeEnd().setParName("Oberer Grenzwert A");
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den "
                  "Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    EXPECT_TRUE(r.TestData());
    VerifyMessages();

    r.setInverse(true);
    EXPECT_FALSE(r.TestData());
    r.setInverse(false);
    r.SetRangeEnd(0.75);
    EXPECT_FALSE(r.TestData()) << "equal begin and end pass";

    r.RangeBegin().setEnableTestData(false);
    r.RangeBegin().setValue(-1.0);
    r.RangeBegin().setEnableTestData(true);
    EXPECT_TRUE(r.TestData()) << "a begin outside its own limits fails silently";

    // Setting the current value again changes nothing.
    const int before = owner.count;
    r.SetRangeEnd(0.75);
    r.SetRangeEnd("0,75");
    EXPECT_EQ(before, owner.count);
    r.SetRangeEnd("0,5");
    EXPECT_EQ(before + 1, owner.count);
}
