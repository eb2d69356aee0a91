#include "device/Measurement.h"
#include "device/DeviceProtocol.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"

#include <array>
#include <string>

namespace {

using Texts = std::array<std::string, 3>;

/// A model with two decimal places on the scale and a simulated device on COM1.
class MeasurementTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        P("Eingang", "Skalenkomma").setValue(2); // scale factor 100
        app->UpdateLimits();
        sim.Start();
        app->Ports().setPortPath(1, sim.SlavePath());
        ASSERT_EQ(1, app->SerCom().OpenCom(1, DeviceProtocol::kLineSettings));
    }

    Measurement Read() { return Measurement::Read(app->SerCom(), app->Config()); }

    K417Simulator sim;
};

} // namespace

TEST_F(MeasurementTest, ConvertsTheThreeAnswersForTheUser) {
    sim.SetMeasuredValues({.current = 4321, .scaled = -250, .converter = 4095});
    EXPECT_EQ((Texts{"4,321", "-2,5", "4095"}), Read().Texts()) << "µA to mA; a negative value";
    P("Eingang", "Skalenkomma").setValue(4);
    app->UpdateLimits();
    EXPECT_EQ("-0,025", Read().Texts()[1]) << "the factor follows the decimal places";
}

// Each answer is awaited one second.
TEST_F(MeasurementTest, AnAnswerLateWithinTheSecondIsTakenAMissingOneShowsFehler) {
    sim.SetMeasuredValues({.current = 12000, .scaled = 500, .converter = 2048});
    K417Faults faults{.answerDelayS = 0.85};
    faults.faultyUntil = faults.faultyFrom = 1; // the answer to "Q"
    sim.SetFaults(faults);
    EXPECT_EQ((Texts{"12", "5", "2048"}), Read().Texts());

    faults = {.silent = true};
    faults.faultyUntil = faults.faultyFrom = 2; // the answer to "i"
    sim.SetFaults(faults);
    const Measurement values = Read();
    EXPECT_FALSE(values.Complete());
    EXPECT_EQ((Texts{"12", "Fehler", "2048"}), values.Texts()) << "the others still come";
}
