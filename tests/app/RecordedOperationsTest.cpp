// The application's device operations when the commissioning record cannot be written.
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const char* const kWritten = "Gerät schreiben beendet.";
const char* const kRead = "Gerät lesen beendet.";

/// An application object with a simulated device on COM1; every other port leads nowhere.
class RecordedOperationsTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        MapPorts(app->SerCom(), {{1, sim.SlavePath()}}, Dir());
        sim.SetEeprom(FactoryEeprom());
        sim.Start();
    }

    K417Simulator sim;
};

TEST_F(RecordedOperationsTest, AnUnwritableRecordIsToldOnceAndTheOperationsStillRun) {
    WriteBytes(PathOf("state"), ""); // a file where the record's folder should be
    ExpectMessage(kWritten, MsgIcon::Information);
    ExpectMessage("Das Inbetriebnahmeprotokoll '" + PathOf("state/NivoConfig/Inbetriebnahme.csv") +
                      "' konnte nicht ergänzt werden. Ein Teil des Pfades ist kein Ordner.\r\n"
                      "Die Vorgänge am Gerät laufen trotzdem; dieser Hinweis erscheint bis zum "
                      "Programmende nicht wieder.",
                  MsgIcon::Exclamation);
    ExpectMessage(kRead, MsgIcon::Information);
    ExpectMessage(kWritten, MsgIcon::Information);
    EXPECT_TRUE(app->Download());
    EXPECT_TRUE(app->Upload());
    EXPECT_TRUE(app->Download());

    // Once the record can be written: a read comes from the device, not from the file open in
    // the window; a write names the file whose values it wrote.
    std::filesystem::remove(PathOf("state"));
    const std::string file = PathOf("tank.par");
    ASSERT_TRUE(app->WriteIni(file));
    ExpectMessage(kRead, MsgIcon::Information);
    ExpectMessage(kWritten, MsgIcon::Information);
    EXPECT_TRUE(app->Upload());
    EXPECT_TRUE(app->Download());
    const std::string record = ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv"));
    const std::string on = ",COM1," + sim.SlavePath() + "," + app->FirmwareID() + "," +
                           std::to_string(app->HardwareVariante()) + ","; // … Variante,Datei,
    EXPECT_NE(std::string::npos, record.find(",Konfiguration lesen" + on + ",")) << record;
    EXPECT_NE(std::string::npos, record.find(",Konfiguration schreiben" + on + file + ","));
}

} // namespace
