#include "device/Measurement.h"
#include "device/DeviceProtocol.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"

#include <array>
#include <string>

namespace {

/// A model with two decimal places on the scale and a simulated device on COM1.
class MeasurementTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        P("Eingang", "Skalenkomma").setValue(2); // scale factor 100
        app->UpdateLimits();
        sim.Start();
        app->SerCom().setPortPath(1, sim.SlavePath());
        ASSERT_EQ(1, app->SerCom().OpenCom(1, DeviceProtocol::kLineSettings));
    }

    std::array<std::string, 3> Read() {
        return Measurement::Read(app->SerCom(), app->Config()).Texts();
    }

    K417Simulator sim;
};

using Texts = std::array<std::string, 3>;

} // namespace

TEST_F(MeasurementTest, ConvertsTheThreeAnswersForTheUser) {
    sim.SetMeasuredValues({.current = 20000, .scaled = 12345, .converter = 4095});
    EXPECT_EQ((Texts{"20", "123,45", "4095"}), Read());
    sim.SetMeasuredValues({.current = 4321, .scaled = -250, .converter = 0});
    EXPECT_EQ((Texts{"4,321", "-2,5", "0"}), Read()) << "µA to mA; a negative scaled value";

    P("Eingang", "Skalenkomma").setValue(4);
    app->UpdateLimits();
    EXPECT_EQ("-0,025", Read()[1]) << "the factor follows the decimal places";
}

TEST_F(MeasurementTest, AValueWhoseAnswerFailsShowsFehlerAndTheOthersStillCome) {
    sim.SetMeasuredValues({.current = 12000, .scaled = 500, .converter = 2048});
    K417Faults faults;
    faults.silent = true;
    faults.faultyFrom = 2; // the answer to "i"
    faults.faultyUntil = 2;
    sim.SetFaults(faults);
    const Measurement values = Measurement::Read(app->SerCom(), app->Config());
    EXPECT_FALSE(values.Complete());
    EXPECT_EQ((Texts{"12", "Fehler", "2048"}), values.Texts());
}

TEST_F(MeasurementTest, AnAnswerLateButWithinTheSecondIsTaken) {
    sim.SetMeasuredValues({.current = 12000, .scaled = 500, .converter = 2048});
    K417Faults faults;
    faults.answerDelayS = 0.85; // the answer to "Q" only; the wait is 1 s
    faults.faultyFrom = 1;
    faults.faultyUntil = 1;
    sim.SetFaults(faults);
    EXPECT_EQ((Texts{"12", "5", "2048"}), Read());
}
