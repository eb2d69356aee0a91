#include "base/NumberText.h"
#include "files/Cp1252.h"
#include "support/ModelTest.h"
#include "support/RecordingView.h"

#include <filesystem>

namespace {

class ParameterFileTest : public ModelTest {
protected:
    /// A configuration away from every default, with decimals, a reversed range and two decimal
    /// places.
    void Customise() {
        P("Eingang", "Skalenkomma").setValue(2.0);
        app->UpdateLimits();
        R("Eingang", "Skalierung").SetRangeBegin(-12.5);
        R("Eingang", "Skalierung").SetRangeEnd(-250.25);
        R("Eingang", "Messbereich").SetRangeBegin(20.0);
        R("Eingang", "Messbereich").SetRangeEnd(4.0);
        app->UpdateLimits();
        P("Linearisierung", "Y5").setValue(-100.5);
        P("Sonstiges", "Passwort").setValue(99999.0);
        P("Ausgang", "Fehlerwert").setValue(3.6);
        app->SetDescription(0, "Tank 3 – Füllstand");
        app->SetDescription(4, "LT-417");
    }

    /// Every value in the file's seven-digit form (a float needs nine digits, so this is what
    /// survives).
    std::vector<std::string> Values() const {
        std::vector<std::string> values;
        for (cParameter* p : WalkOrder())
            values.push_back(NumberToText(p->Value()));
        return values;
    }
};

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < bytes.size();) {
        auto end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            ADD_FAILURE() << "no CR LF after: " << bytes.substr(pos);
            break;
        }
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

} // namespace

TEST_F(ParameterFileTest, NewFileHasSectionsAndKeysInWalkOrder) {
    const std::string path = PathOf("d.par");
    ASSERT_TRUE(app->WriteIni(path));
    EXPECT_EQ(path, app->FileName());
    const std::string bytes = ReadBytes(path);
    const std::vector<std::string> lines = Lines(bytes);
    // 100 values (9 + 3 + 28 + 50 + 10) under five group sections, then the nine trailing lines.
    ASSERT_EQ(114u, lines.size());
    EXPECT_EQ((std::vector<std::string>{
                  "[Eingang]", "Messbereich.Anfang=4", "Messbereich.Ende=20",
                  "Sondenst\xF6rung.Anfang=2", "Sondenst\xF6rung.Ende=22", "Skalierung.Anfang=0",
                  "Skalierung.Ende=1", "Skaleneinheit=0", "Skalenkomma=4", "Filter=2", "[Ausgang]",
                  "Stellbereich.Anfang=4", "Stellbereich.Ende=20", "Fehlerwert=0", "[Grenzwerte]"}),
              std::vector<std::string>(lines.begin(), lines.begin() + 15));
    EXPECT_EQ((std::vector<std::string>{"[Ger\xE4tebeschreibung]", "Zeile1=Beschreibung1",
                                        "Zeile2=Beschreibung2", "Zeile3=Beschreibung3",
                                        "Zeile4=Beschreibung4", "Anlagenkennzeichen=Messung1",
                                        "[Programm]", "Name=NivoConfig", "Version=1.0.5"}),
              std::vector<std::string>(lines.end() - 9, lines.end()));
    EXPECT_NE(std::string::npos, bytes.find("X2=4,695652\r\n")) << "4 + 16 / 23 in seven digits";
}

TEST_F(ParameterFileTest, RoundTripInGermanAndEnglishSettings) {
    for (bool german : {true, false}) {
        german ? UseGerman() : UseEnglish();
        app->SetDefaults();
        Customise();
        const auto saved = Values();
        const std::string path = PathOf(german ? "de.par" : "en.par");
        ASSERT_TRUE(app->WriteIni(path));
        EXPECT_NE(std::string::npos,
                  ReadBytes(path).find(german ? "Ende=-250,25\r\n" : "Ende=-250.25\r\n"));

        app->SetDefaults();
        ASSERT_TRUE(app->ReadIni(path));
        const auto loaded = Values();
        for (std::size_t i = 0; i < saved.size(); ++i)
            EXPECT_EQ(saved[i], loaded[i]) << "value " << i;
        EXPECT_EQ("Tank 3 – Füllstand", app->GetDescription(0));
        EXPECT_EQ(100.0f, R("Eingang", "Skalierung").RangeBegin().Factor())
            << "factors follow the loaded decimals";
        EXPECT_FALSE(app->TestData());
    }
}

TEST_F(ParameterFileTest, FilesFromSystemsWithTheOtherSeparatorLoadAsWritten) {
    UseGerman();
    P("Ausgang", "Fehlerwert").setValue(3.5);
    const std::string german = PathOf("de.par"), english = PathOf("en.par");
    ASSERT_TRUE(app->WriteIni(german));
    ASSERT_NE(std::string::npos, ReadBytes(german).find("Fehlerwert=3,5\r\n"));
    UseEnglish();
    app->SetDefaults();
    ASSERT_TRUE(app->ReadIni(german));
    EXPECT_EQ(3.5f, P("Ausgang", "Fehlerwert").Value()) << "read neither as 35 nor refused";
    ASSERT_TRUE(app->WriteIni(english));
    ASSERT_NE(std::string::npos, ReadBytes(english).find("Fehlerwert=3.5\r\n"));
    UseGerman();
    app->SetDefaults();
    ASSERT_TRUE(app->ReadIni(english));
    EXPECT_EQ(3.5f, P("Ausgang", "Fehlerwert").Value());

    std::string grouped = ReadBytes(english);
    grouped.replace(grouped.find("Fehlerwert=3.5"), 14, "Fehlerwert=1.234,5");
    WriteBytes(english, grouped);
    ExpectMessage("Fehlerwert '1.234,5' nicht numerisch.", MsgIcon::Information, "Eingabefehler");
    ASSERT_TRUE(app->ReadIni(english));
    EXPECT_EQ(3.5f, P("Ausgang", "Fehlerwert").Value()) << "files hold no digit grouping";
}

TEST_F(ParameterFileTest, AFileSavedAsUtf8LoadsEveryKey) {
    UseGerman();
    Customise();
    const auto saved = Values();
    const std::string path = PathOf("utf8.par");
    ASSERT_TRUE(app->WriteIni(path));
    WriteBytes(path, "\xEF\xBB\xBF" + Cp1252ToUtf8(ReadBytes(path)));
    ASSERT_NE(std::string::npos, ReadBytes(path).find("[Gerätebeschreibung]\r\n"));
    app->SetDefaults();
    app->SetDescription(0, "");
    ASSERT_TRUE(app->ReadIni(path));
    EXPECT_EQ(saved, Values());
    EXPECT_EQ("Tank 3 – Füllstand", app->GetDescription(0));
}

TEST_F(ParameterFileTest, SavingOverAFileKeepsForeignKeysAndReplacesInPlace) {
    const std::string path = PathOf("alt.par");
    WriteBytes(path, "[Eingang]\r\nFilter=99\r\nAlt=bleibt\r\n[Fremd]\r\nk=v\r\n");
    ASSERT_TRUE(app->WriteIni(path));
    std::vector<std::string> lines = Lines(ReadBytes(path));
    EXPECT_EQ("[Eingang]", lines[0]);
    EXPECT_EQ("Filter=2", lines[1]);
    EXPECT_EQ("Alt=bleibt", lines[2]);
    EXPECT_EQ("Messbereich.Anfang=4", lines[3]);
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "[Fremd]"));
    EXPECT_NE(lines.end(), std::find(lines.begin(), lines.end(), "k=v"));
}

TEST_F(ParameterFileTest, LoadingTakesOutOfLimitValuesAndRefusesMissingOnes) {
    const std::string path = PathOf("teil.par");
    ASSERT_TRUE(app->WriteIni(path));
    std::string bytes = ReadBytes(path);
    bytes.replace(bytes.find("Filter=2"), 8, "Filter=300");
    bytes.replace(bytes.find("Sondenst\xF6rung.Anfang=2"), 22, "Sondenst\xF6rung.Anfang=22,5");
    bytes.replace(bytes.find("Oberer Grenzwert A=0,9"), 22, "Oberer Grenzwert A=5");
    bytes.erase(bytes.find("Trendintervall=60\r\n"), 19);
    bytes.erase(bytes.find("[Ger\xE4tebeschreibung]"));
    WriteBytes(path, bytes);

    std::vector<std::string> log;
    RecordingView view("v", log);
    const auto registration = app->AddView(view);
    app->Data("Sonstiges").Parameters("Trendintervall").setValue(90.0);
    log.clear();
    ExpectMessage("Trendintervall '' nicht numerisch.", MsgIcon::Information, "Eingabefehler");
    ASSERT_TRUE(app->ReadIni(path));
    EXPECT_EQ(1u, log.size()) << "one refresh for the whole load";
    EXPECT_EQ(300.0f, P("Eingang", "Filter").Value());
    EXPECT_EQ(5.0f, R("Grenzwerte", "Grenzwert1").GetRangeEnd())
        << "not pulled onto the scaling end";
    EXPECT_EQ(90.0f, P("Sonstiges", "Trendintervall").Value());
    EXPECT_EQ("", app->GetDescription(0));
    EXPECT_EQ("", app->GetDescription(4));
    EXPECT_TRUE(P("Eingang", "Filter").EnableTestData());
    VerifyMessages();
    // The whole-model check then names each of them in one box.
    ExpectMessage("Sondenstörung.Anfang '22,5' ausserhalb 0..22\r\n"
                  "Sondenstörung.Anfang > Sondenstörung.Ende.\r\n"
                  "Filter '300' ausserhalb 0..255\r\n"
                  "Oberer Grenzwert A '5' ausserhalb 0..1\r\n"
                  "Bitte den Anfangs- oder den Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    EXPECT_TRUE(app->TestData());
}

TEST_F(ParameterFileTest, AReversedScalingInAFileGivesOneBoxWithTheFirstTwentyFindings) {
    const std::string path = PathOf("umgekehrt.par");
    ASSERT_TRUE(app->WriteIni(path));
    std::string bytes = ReadBytes(path);
    bytes.replace(bytes.find("Skalierung.Anfang=0"), 19, "Skalierung.Anfang=5");
    WriteBytes(path, bytes);
    ASSERT_TRUE(app->ReadIni(path));
    VerifyMessages();

    // Every value in the scale now lies outside 1..5 (limits given as begin 5, end 1) except
    // Y24 = 1 and the simulation end 1: eight relay limits, Y1 to Y23, the simulation begin, both
    // trend thresholds and the simulation step make 35.
    EXPECT_TRUE(app->TestData());
    ASSERT_EQ(1u, Recorder().Messages().size());
    const RecordingMessageService::Message& box = Recorder().Messages()[0];
    EXPECT_EQ("Eingabefehler", box.title);
    EXPECT_EQ(MsgIcon::Information, box.icon);
    const std::vector<std::string> lines = Lines(box.text + "\r\n");
    ASSERT_EQ(21u, lines.size());
    EXPECT_EQ("Unterer Grenzwert A '0,1' ausserhalb 5..1", lines[0]);
    EXPECT_EQ("Oberer Grenzwert A '0,9' ausserhalb 5..1", lines[1]);
    EXPECT_EQ("Oberer Grenzwert D '0,9' ausserhalb 5..1", lines[7]);
    EXPECT_EQ("Y1 '0' ausserhalb 5..1", lines[8]);
    EXPECT_EQ(0u, lines[19].rfind("Y12 '", 0));
    EXPECT_EQ("… und 15 weitere", lines[20]);
    Recorder().Clear();
}

TEST_F(ParameterFileTest, AFileWithoutGroupSectionsIsRefusedWithOneMessage) {
    const std::string good = PathOf("gut.par");
    ASSERT_TRUE(app->WriteIni(good));
    P("Eingang", "Filter").setValue(9.0);
    app->SetDescription(0, "Tank 3");
    const std::string sections =
        "[Eingang], [Ausgang], [Grenzwerte], [Linearisierung], [Sonstiges]";
    const std::string path = PathOf("fremd.par");
    for (const std::string& bytes :
         {std::string(), std::string("\0\x01\xFF\x89PNG\0", 8), std::string("\r\r\r"),
          std::string("[Ger\xE4tebeschreibung]\r\nZeile1=x\r\n[Eingang2]\r\nFilter=3\r\n")}) {
        WriteBytes(path, bytes);
        ExpectMessage("Die Datei '" + path +
                          "' ist keine Parameterdatei: sie enthält keinen der Abschnitte " +
                          sections + ".",
                      MsgIcon::Critical);
        EXPECT_FALSE(app->ReadIni(path));
        VerifyMessages();
        EXPECT_EQ(9.0f, P("Eingang", "Filter").Value());
        EXPECT_EQ("Tank 3", app->GetDescription(0));
        EXPECT_EQ(good, app->FileName());
    }

    // One group section is enough; each of its bad keys is reported as before.
    WriteBytes(path, "[sonstiges]\r\nPasswort=4711\r\n");
    EXPECT_TRUE(app->ReadIni(path));
    EXPECT_EQ(4711.0f, P("Sonstiges", "Passwort").Value());
    EXPECT_EQ(WalkOrder().size() - 1, Recorder().Messages().size());
    Recorder().Clear();
}

TEST_F(ParameterFileTest, ALoadFailingPartWayLeavesAWorkingModel) {
    const std::string path = PathOf("p.par");
    ASSERT_TRUE(app->WriteIni(path));
    std::string bytes = ReadBytes(path);
    bytes.replace(bytes.find("Filter=2"), 8, "Filter=7");
    bytes.replace(bytes.find("Fehlerwert=0"), 12, "Fehlerwert=kaputt");
    WriteBytes(path, bytes);
    // The message service fails on the refusal, aborting the load in the middle.
    Recorder().onShow = [this](const auto& m) {
        if (m.text.find("Fehlerwert") == 0) {
            Recorder().onShow = nullptr;
            throw std::runtime_error("Anzeige gestört");
        }
    };
    std::vector<std::string> log;
    RecordingView view("v", log);
    const auto registration = app->AddView(view);
    ExpectMessage("Fehlerwert 'kaputt' nicht numerisch.", MsgIcon::Information, "Eingabefehler");
    ExpectMessage("Fehler beim Öffnen der Datei '" + path + "'.\r\nAnzeige gestört",
                  MsgIcon::Critical);
    EXPECT_FALSE(app->ReadIni(path));
    EXPECT_EQ(7.0f, P("Eingang", "Filter").Value()) << "values before the failure stay";
    EXPECT_TRUE(app->EnableNotify());
    EXPECT_TRUE(P("Ausgang", "Fehlerwert").EnableTestData());
    EXPECT_EQ(1u, log.size()) << "the views were refreshed";
}

TEST_F(ParameterFileTest, RefusedLoadsAndSavesChangeNeitherTheModelNorAnyFile) {
    EXPECT_EQ("", app->FileName()) << "the settings file never counts as the parameter file";
    const std::string good = PathOf("gut.par"), settings = PathOf("NivoConfig.ini");
    ASSERT_TRUE(app->WriteIni(good));
    ASSERT_TRUE(app->WriteIni(PathOf("b.par")));
    ASSERT_TRUE(app->ReadIni(good));
    EXPECT_EQ(good, app->FileName()) << "a successful read takes the name";
    const std::string goodBytes = ReadBytes(good), settingsBytes = ReadBytes(settings);
    const std::string missing = PathOf("fehlt.par"), noFolder = PathOf("fehlt/x.par");
    // A write-protected file, and a name that fits the file system while the temporary file
    // beside it does not.
    const std::string locked = PathOf("fest.par"), longName = PathOf(std::string(250, 'p'));
    for (const std::string& path : {locked, longName})
        WriteBytes(path, "[Eingang]\r\nFilter=9\r\n");
    std::filesystem::permissions(locked, std::filesystem::perms(0444));
    P("Eingang", "Filter").setValue(5.0);

    struct Refusal {
        bool save;
        std::string path, message;
        MsgIcon icon;
    };
    const std::string cannotOpen = "Fehler beim Öffnen der Datei '",
                      cannotSave = "Fehler beim Speichern der Datei '";
    for (const Refusal& r : std::vector<Refusal>{
             {false, missing, "Datei '" + missing + "' ist nicht vorhanden", MsgIcon::Information},
             {false, missing, "Datei '" + missing + "' ist nicht vorhanden", MsgIcon::Information},
             {false, "", "Datei '' ist nicht vorhanden", MsgIcon::Information},
             // The system's own reason: reading a process's memory from address 0 fails.
             {false, "/proc/self/mem", cannotOpen + "/proc/self/mem': Ein-/Ausgabefehler.",
              MsgIcon::Critical},
             {true, "", "Kein Dateiname angegeben. Die Parameter wurden nicht gespeichert.",
              MsgIcon::Critical},
             {true, noFolder, cannotOpen + noFolder + "': Pfad oder Datei nicht gefunden.",
              MsgIcon::Critical},
             {true, locked, cannotSave + locked + "': Die Datei ist schreibgeschützt.",
              MsgIcon::Critical},
             {true, longName, cannotSave + longName + "': Der Dateiname ist zu lang.",
              MsgIcon::Critical}}) {
        ExpectMessage(r.message, r.icon);
        EXPECT_FALSE(r.save ? app->WriteIni(r.path) : app->ReadIni(r.path)) << r.path;
        VerifyMessages();
        EXPECT_EQ(5.0f, P("Eingang", "Filter").Value()) << r.path;
        EXPECT_EQ(good, app->FileName()) << r.path;
        EXPECT_TRUE(app->EnableNotify()) << r.path;
    }
    EXPECT_EQ(goodBytes, ReadBytes(good)) << "the previous file stays untouched";
    EXPECT_EQ(settingsBytes, ReadBytes(settings));
    for (const std::string& path : {locked, longName})
        EXPECT_EQ("[Eingang]\r\nFilter=9\r\n", ReadBytes(path));
}
