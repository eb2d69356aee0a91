#include "support/BuildVersion.h"
#include "support/ModelTest.h"
#include "support/RecordingView.h"

#include <gmock/gmock.h>

#include <filesystem>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

class ParameterFileTest : public ModelTest {
protected:
    /// A file of the defaults with some lines replaced.
    std::string Edited(const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& edits) {
        const std::string path = PathOf(name);
        EXPECT_TRUE(app->WriteIni(path));
        std::string bytes = ReadBytes(path);
        for (const auto& [from, to] : edits)
            bytes.replace(bytes.find(from), from.size(), to);
        WriteBytes(path, bytes);
        return path;
    }
};

} // namespace

TEST_F(ParameterFileTest, SavedFileHasKeysInWalkOrderThenDescriptionAndKeepsForeignKeys) {
    const std::string path = PathOf("alt.par");
    WriteBytes(path, "[Eingang]\r\nFilter=99\r\nAlt=bleibt\r\n[Fremd]\r\nk=v\r\n");
    ASSERT_TRUE(app->WriteIni(path));
    EXPECT_EQ(path, app->FileName());
    const std::string bytes = ReadBytes(path);
    // Known keys are replaced in place, new ones go to the end of their section or file.
    EXPECT_THAT(bytes, StartsWith("[Eingang]\r\nFilter=2\r\nAlt=bleibt\r\nMessbereich.Anfang=4\r\n"
                                  "Messbereich.Ende=20\r\nSondenst\xF6rung.Anfang=2\r\n"));
    EXPECT_THAT(bytes, HasSubstr("\r\nSkalenkomma=4\r\n[Fremd]\r\nk=v\r\n[Ausgang]\r\n"
                                 "Stellbereich.Anfang=4\r\n"));
    EXPECT_THAT(bytes, testing::EndsWith("\r\nAnlagenkennzeichen=Messung1\r\n[Programm]\r\n"
                                         "Name=NivoConfig\r\nVersion=" +
                                         BuildVersion() + "\r\n"));
    EXPECT_EQ(117, std::count(bytes.begin(), bytes.end(), '\n'))
        << "100 values under five group sections, the nine trailing lines and three foreign ones";
}

TEST_F(ParameterFileTest, FilesLoadAsWrittenWhateverTheSeparator) {
    // Decimals, reversed ranges, two decimal places and a text.
    P("Eingang", "Skalenkomma").setValue(2.0);
    app->UpdateLimits();
    R("Eingang", "Skalierung").SetRangeBegin(-12.5);
    R("Eingang", "Skalierung").SetRangeEnd(-250.25);
    R("Eingang", "Messbereich").SetRangeBegin(20.0);
    R("Eingang", "Messbereich").SetRangeEnd(4.0);
    app->UpdateLimits();
    app->SetDescription(0, "Tank 3 – Füllstand");
    const std::string path = PathOf("p.par"), again = PathOf("wieder.par");
    ASSERT_TRUE(app->WriteIni(path));
    const std::string written = ReadBytes(path);
    EXPECT_THAT(written, HasSubstr("Ende=-250,25\r\n"));

    UseEnglish(); // the other separator, as on a system with other regional settings
    app->SetDefaults();
    ASSERT_TRUE(app->ReadIni(path));
    EXPECT_EQ(100.0f, R("Eingang", "Skalierung").RangeBegin().Factor())
        << "factors follow the loaded decimals";
    EXPECT_FALSE(app->TestData());
    UseGerman();
    ASSERT_TRUE(app->WriteIni(again));
    EXPECT_EQ(written, ReadBytes(again)) << "every value and text came back";
}

TEST_F(ParameterFileTest, LoadingTakesOutOfLimitValuesAndRefusesMissingOnesWithOneRefresh) {
    const std::string path = Edited("teil.par", {{"Filter=2", "Filter=300"},
                                                 {"Oberer Grenzwert A=0,9", "Oberer Grenzwert A=5"},
                                                 {"Trendintervall=60\r\n", ""},
                                                 {"[Ger\xE4tebeschreibung]", "[Weg]"}});

    std::vector<std::string> log;
    RecordingView view("v", log);
    const auto registration = app->AddView(view);
    P("Sonstiges", "Trendintervall").setValue(90.0);
    log.clear();
    ExpectMessage("Trendintervall '' nicht numerisch.", MsgIcon::Information, "Eingabefehler");
    ASSERT_TRUE(app->ReadIni(path));
    EXPECT_EQ(1u, log.size()) << "one refresh for the whole load";
    EXPECT_EQ(300.0f, P("Eingang", "Filter").Value());
    EXPECT_EQ(5.0f, R("Grenzwerte", "Grenzwert1").GetRangeEnd())
        << "not pulled onto the scaling end";
    EXPECT_EQ(90.0f, P("Sonstiges", "Trendintervall").Value());
    EXPECT_EQ("", app->GetDescription(4));
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
}

TEST_F(ParameterFileTest, AReversedScalingInAFileGivesOneBoxWithTheFirstTwentyFindings) {
    ASSERT_TRUE(
        app->ReadIni(Edited("umgekehrt.par", {{"Skalierung.Anfang=0", "Skalierung.Anfang=5"}})));
    VerifyMessages();
    // Every value in the scale now lies outside 1..5 (limits given as begin 5, end 1) except
    // Y24 = 1 and the simulation end 1: eight relay limits, Y1 to Y23, the simulation begin, both
    // trend thresholds and the simulation step make 35.
    EXPECT_TRUE(app->TestData());
    ASSERT_EQ(1u, Recorder().Messages().size());
    const RecordingMessageService::Message box = Recorder().Messages()[0];
    Recorder().Clear();
    EXPECT_THAT(box.text, HasSubstr("\r\nOberer Grenzwert D '0,9' ausserhalb 5..1\r\n"
                                    "Y1 '0' ausserhalb 5..1\r\n"));
    EXPECT_THAT(box.text, testing::EndsWith(" ausserhalb 5..1\r\n… und 15 weitere"));
    EXPECT_EQ(20, std::count(box.text.begin(), box.text.end(), '\n')) << "twenty findings";
}

TEST_F(ParameterFileTest, RefusedLoadsAndSavesChangeNeitherTheModelNorAnyFile) {
    EXPECT_EQ("", app->FileName()) << "the settings file never counts as the parameter file";
    const std::string good = PathOf("gut.par"), settings = PathOf("NivoConfig.ini");
    ASSERT_TRUE(app->WriteIni(good));
    ASSERT_TRUE(app->ReadIni(good));
    EXPECT_EQ(good, app->FileName()) << "a successful read takes the name";
    const std::string goodBytes = ReadBytes(good), settingsBytes = ReadBytes(settings);
    const std::string missing = PathOf("fehlt.par"), noFolder = PathOf("fehlt/x.par");
    // A name that fits the file system while the temporary file beside it does not.
    const std::string longName = PathOf(std::string(250, 'p'));
    WriteBytes(longName, "[Eingang]\r\nFilter=9\r\n");
    // No group section at all: the description in it is not taken either.
    const std::string foreign = PathOf("fremd.par");
    WriteBytes(foreign, "[Ger\xE4tebeschreibung]\r\nZeile1=x\r\n[Eingang2]\r\nFilter=3\r\n");
    P("Eingang", "Filter").setValue(5.0);
    app->SetDescription(0, "Tank 3");

    struct Refusal {
        bool save;
        std::string path, message;
        MsgIcon icon;
    };
    const std::string cannotOpen = "Fehler beim Öffnen der Datei '";
    for (const Refusal& r : std::vector<Refusal>{
             {false, missing, "Datei '" + missing + "' ist nicht vorhanden", MsgIcon::Information},
             // The system's own reason: reading a process's memory from address 0 fails.
             {false, "/proc/self/mem", cannotOpen + "/proc/self/mem': Ein-/Ausgabefehler.",
              MsgIcon::Critical},
             {false, foreign,
              "Die Datei '" + foreign +
                  "' ist keine Parameterdatei: sie enthält keinen der Abschnitte [Eingang], "
                  "[Ausgang], [Grenzwerte], [Linearisierung], [Sonstiges].",
              MsgIcon::Critical},
             {true, "", "Kein Dateiname angegeben. Die Parameter wurden nicht gespeichert.",
              MsgIcon::Critical},
             {true, noFolder, cannotOpen + noFolder + "': Pfad oder Datei nicht gefunden.",
              MsgIcon::Critical},
             {true, longName,
              "Fehler beim Speichern der Datei '" + longName + "': Der Dateiname ist zu lang.",
              MsgIcon::Critical}}) {
        SCOPED_TRACE(r.path);
        ExpectMessage(r.message, r.icon);
        EXPECT_FALSE(r.save ? app->WriteIni(r.path) : app->ReadIni(r.path));
        VerifyMessages();
        EXPECT_EQ(5.0f, P("Eingang", "Filter").Value());
        EXPECT_EQ("Tank 3", app->GetDescription(0));
        EXPECT_EQ(good, app->FileName());
        EXPECT_TRUE(app->EnableNotify());
    }
    EXPECT_EQ(goodBytes, ReadBytes(good)) << "the previous file stays untouched";
    EXPECT_EQ(settingsBytes, ReadBytes(settings));
    EXPECT_EQ("[Eingang]\r\nFilter=9\r\n", ReadBytes(longName));

    // One group section, in any letter case, is enough; each key it lacks is reported.
    WriteBytes(foreign, "[sonstiges]\r\nPasswort=4711\r\n");
    EXPECT_TRUE(app->ReadIni(foreign));
    EXPECT_EQ(4711.0f, P("Sonstiges", "Passwort").Value());
    EXPECT_EQ(99u, Recorder().Messages().size()) << "the other 99 of the 100 values";
    Recorder().Clear();
}
