// The commissioning record of the application's device operations, against a simulated device.
#include "base/Sha256.h"
#include "sim/FactoryImage.h"
#include "sim/K417Simulator.h"
#include "support/ModelTest.h"
#include "support/PortMap.h"

#include <gmock/gmock.h>

namespace {

using ::testing::MatchesRegex;

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

    /// The device's configuration bytes as a write sends them: every parameter in walk order,
    /// its cells from the lowest address up.
    std::string DeviceBytes() {
        const auto image = sim.Eeprom();
        std::string bytes;
        for (const cParameter* p : WalkOrder())
            for (int i = 0; i < p->Size(); ++i)
                bytes += static_cast<char>(image[p->Adress() + i]);
        return bytes;
    }

    /// The record's lines without their time, which is checked by itself.
    std::vector<std::string> LinesAfterTime() {
        std::vector<std::string> lines;
        const std::string text = ReadBytes(PathOf("state/NivoConfig/Inbetriebnahme.csv"));
        for (std::size_t at = text.find("\r\n") + 2; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            const std::string line = text.substr(at, end - at);
            EXPECT_THAT(line, MatchesRegex("2026-12-06T14:05:09[+-][0-9][0-9]:[0-9][0-9],.*"));
            lines.push_back(line.substr(26));
            at = end + 2;
        }
        return lines;
    }

    K417Simulator sim;
};

TEST_F(RecordedOperationsTest, WriteAndReadEachAddALineWithTheConfigurationsDigest) {
    P("Eingang", "Filter").setValue(9.0);
    app->setBenutzername("Erika Muster");
    app->setFileName("Tank 1.par");
    ExpectMessage(kWritten, MsgIcon::Information);
    ASSERT_TRUE(app->Download());
    ASSERT_EQ(9, sim.Eeprom()[182]);
    const std::string written = DeviceBytes();
    ASSERT_EQ(253u, written.size());
    ExpectMessage(kRead, MsgIcon::Information);
    ASSERT_TRUE(app->Upload());

    const std::string device = "COM1," + sim.SlavePath() + ",NIVOLANTIS K417 V2.1,7,";
    EXPECT_THAT(
        LinesAfterTime(),
        ::testing::ElementsAre("techniker,Erika Muster,NivoConfig,Konfiguration schreiben," +
                                   device + "Tank 1.par," + Sha256Hex(written) + ",OK," + kWritten,
                               "techniker,Erika Muster,NivoConfig,Konfiguration lesen," + device +
                                   "," + Sha256Hex(written) + ",OK," + kRead));
}

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
}

} // namespace
