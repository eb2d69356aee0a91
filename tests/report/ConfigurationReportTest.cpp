#include "RecordingPrinter.h"

#include "app/Platform.h"
#include "app/cNivolantis.h"
#include "report/TextPrinter.h"
#include "support/CoreTest.h"

#include <sstream>

namespace {

using Kind = RecordingPrinter::Kind;

class ConfigurationReportTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        m_app = std::make_unique<cNivolantis>(WriteSettings({"bar", "mbar", "m"}));
    }

    /// Prints through the platform printer and returns what it recorded.
    std::vector<RecordingPrinter::Op> Print(bool expectPrinted = true) {
        auto printer = std::make_unique<RecordingPrinter>();
        RecordingPrinter* recorder = printer.get();
        Platform::Install(std::move(printer));
        EXPECT_EQ(expectPrinted, m_app->PrintAll());
        return recorder->ops;
    }

    cParameter& Param(const std::string& group, const std::string& name) {
        return m_app->Data(group).Parameters(name);
    }

    /// Lines and empty lines from the text line on, as "text @points" ("" for an empty line).
    static std::vector<std::string> LinesFrom(const std::vector<RecordingPrinter::Op>& ops,
                                              const std::string& first, std::size_t count) {
        std::vector<std::string> lines;
        bool started = false;
        for (const auto& op : ops) {
            if (op.kind != Kind::Line && op.kind != Kind::Empty)
                continue;
            started = started || (op.kind == Kind::Line && op.text == first);
            if (started && lines.size() < count)
                lines.push_back((op.kind == Kind::Empty ? "" : op.text) + " @" + std::to_string(op.points));
        }
        return lines;
    }

    static std::size_t IndexOfLine(const std::vector<RecordingPrinter::Op>& ops, const std::string& text) {
        for (std::size_t i = 0; i < ops.size(); ++i)
            if (ops[i].kind == Kind::Line && ops[i].text == text)
                return i;
        ADD_FAILURE() << "line not printed: " << text;
        return ops.size();
    }

    std::unique_ptr<cNivolantis> m_app;
};

} // namespace

TEST_F(ConfigurationReportTest, GroupsListRangesThenParametersWithTheirChoiceTexts) {
    Param("Eingang", "Skalenkomma").setValue(2.0);
    Param("Eingang", "Skaleneinheit").setValue(3.0); // allowed, but the unit list has no text for it
    m_app->Data("Eingang").Ranges("Skalierung").RangeEnd().setValue("2,5");
    const auto ops = Print();

    EXPECT_EQ((std::vector<std::string>{
                  "Eingang @12", "Messbereich.Anfang : 4 mA @9", "Messbereich.Ende : 20 mA @9",
                  "Sondenstörung.Anfang : 2 mA @9", "Sondenstörung.Ende : 22 mA @9",
                  "Skalierung.Anfang : 0 bar @9", "Skalierung.Ende : 2,5 bar @9",
                  "Skaleneinheit : 3  @9", "Skalenkomma : 2 (000.00) @9", "Filter : 2  @9", " @9",
                  "Ausgang @12"}),
              LinesFrom(ops, "Eingang", 12));
    EXPECT_EQ((std::vector<std::string>{
                  "Grenzwerte @12", "Unterer Grenzwert A : 0,1 bar @9", "Oberer Grenzwert A : 0,9 bar @9",
                  "Unterer Grenzwert B : 0,1 bar @9"}),
              LinesFrom(ops, "Grenzwerte", 4));
    EXPECT_EQ((std::vector<std::string>{"Pumpentausch A : 0 (Nein) @9",
                                        "Grenzwertfunktion A : 1 (Grenzwert) @9",
                                        "Relaisfunktion A : 0 (Arbeitsstrom) @9",
                                        "Verzögerung A : 0 s @9"}),
              LinesFrom(ops, "Pumpentausch A : 0 (Nein)", 4));

    std::vector<std::string> headings;
    for (const auto& op : ops)
        if (op.kind == Kind::Line && op.points == 12)
            headings.push_back(op.text);
    EXPECT_EQ((std::vector<std::string>{"Konfigurationsdaten Nivolantis K417. 06.12.2026 14:05:09",
                                        "Eingang", "Ausgang", "Grenzwerte", "Linearisierung",
                                        "Sonstiges", "Gerätebeschreibung"}),
              headings);
}

TEST_F(ConfigurationReportTest, TitleAndSignatureCarryTheSameDate) {
    m_app->setParametrierdatum(DateTime{2025, 3, 1, 8, 30, 0});
    m_app->setBenutzername("Erika Muster");
    const auto ops = Print();

    ASSERT_GE(ops.size(), 4u);
    EXPECT_EQ(Kind::Begin, ops[0].kind);
    EXPECT_EQ((std::vector<std::string>{"Konfigurationsdaten Nivolantis K417. 01.03.2025 08:30:00 @12",
                                        " @12", "Eingang @12"}),
              LinesFrom(ops, "Konfigurationsdaten Nivolantis K417. 01.03.2025 08:30:00", 3));
    EXPECT_EQ((std::vector<std::string>{"Parameter erstellt durch: Erika Muster @9",
                                        "am: 01.03.2025 08:30:00 @9"}),
              LinesFrom(ops, "Parameter erstellt durch: Erika Muster", 3));
    EXPECT_EQ(Kind::End, ops.back().kind);
    EXPECT_EQ(Kind::Line, ops[ops.size() - 2].kind) << "the date line is the last one";
}

TEST_F(ConfigurationReportTest, DescriptionPrintedTwiceWithTheSecondCopyInAFrame) {
    const std::vector<std::string> slots{"Behälter 3", "Halle Nord", "", "Füllstand", "LT-0815"};
    for (int slot = 0; slot < 5; ++slot)
        m_app->SetDescription(slot, slots[slot]);
    const auto ops = Print();

    // Each description line at 9 points followed by its 6-point spacing line; an empty one too.
    std::vector<std::string> copy;
    for (const std::string& text : slots) {
        copy.push_back(text + " @9");
        copy.push_back(" @6");
    }
    std::vector<std::string> expected{"Gerätebeschreibung @12", " @12"};
    expected.insert(expected.end(), copy.begin(), copy.end());
    expected.push_back(" @6");
    expected.insert(expected.end(), copy.begin(), copy.end());
    expected.push_back(" @9");
    expected.push_back("Parameter erstellt durch: Benutzername @9");
    EXPECT_EQ(expected, LinesFrom(ops, "Gerätebeschreibung", expected.size()));

    std::size_t first = IndexOfLine(ops, "Behälter 3");
    std::size_t second = IndexOfLine(std::vector(ops.begin() + first + 1, ops.end()), "Behälter 3") + first + 1;
    ASSERT_LT(second, ops.size());
    const int x0 = ops[second].x, y0 = ops[second].y;
    auto box = std::find_if(ops.begin(), ops.end(), [](const auto& op) { return op.kind == Kind::Box; });
    ASSERT_NE(ops.end(), box);
    EXPECT_GT(box - ops.begin(), static_cast<long>(IndexOfLine(ops, "LT-0815") + 20)) << "drawn after the second copy";
    EXPECT_EQ((std::vector<int>{x0 - 50, y0 - 100, x0 + 2300, y0 + 2250}),
              (std::vector<int>{box->x, box->y, box->x2, box->y2}));

    // Back to the line start, below the frame.
    ASSERT_EQ(Kind::SetX, (box + 1)->kind);
    EXPECT_EQ(x0, (box + 1)->x);
    auto gap = std::find_if(box, ops.end(), [](const auto& op) { return op.kind == Kind::Empty; });
    ASSERT_NE(ops.end(), gap);
    EXPECT_EQ(y0 + 2250, gap->y);
    EXPECT_EQ(x0, gap->x);
}

TEST_F(ConfigurationReportTest, FailingModelIsRefusedAndNothingPrinted) {
    cRange& limits = m_app->Data("Grenzwerte").Ranges("Grenzwert1");
    limits.RangeBegin().setValue(0.9);
    limits.RangeEnd().setValue(0.1);
    ExpectMessage("Unterer Grenzwert A > Oberer Grenzwert A.\r\nBitte den Anfangs- oder den Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gedruckt werden.", MsgIcon::Information);
    EXPECT_TRUE(Print(false).empty());
}

TEST_F(ConfigurationReportTest, WithoutPrinterTheErrorReachesTheCaller) {
    try {
        m_app->PrintAll();
        ADD_FAILURE() << "printed without a printer";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ("Kein Drucker eingerichtet.", e.what());
    }
}

TEST_F(ConfigurationReportTest, TextPrinterWritesEveryLineAndMovesLikeAPrinter) {
    std::ostringstream text;
    TextPrinter printer(text);
    printer.setCurrentY(5000);
    printer.BeginDoc();
    EXPECT_EQ(0, printer.CurrentY()) << "a new document starts at the top";
    printer.setFontSize(12);
    printer.PrintLine("Kopf");
    const int big = printer.CurrentY();
    printer.setFontSize(6);
    printer.PrintEmptyLine();
    EXPECT_NEAR(big, 2 * (printer.CurrentY() - big), 1) << "line height follows the font size";
    EXPECT_GT(big, 12 * 20) << "a line is higher than its font";
    printer.setCurrentX(100);
    printer.DrawBox(50, 60, 2400, 2500);
    EXPECT_EQ(2400, printer.CurrentX());
    EXPECT_EQ(2500, printer.CurrentY());
    printer.PrintLine("Fuß");
    EXPECT_EQ(0, printer.CurrentX());
    EXPECT_EQ("Kopf\n\nFuß\n", text.str());

    // The whole report: one text line for each line the report prints.
    const auto ops = Print();
    std::ostringstream expected;
    for (const auto& op : ops)
        if (op.kind == Kind::Line || op.kind == Kind::Empty)
            expected << op.text << '\n';
    std::ostringstream report;
    Platform::Install(std::make_unique<TextPrinter>(report));
    ASSERT_TRUE(m_app->PrintAll());
    EXPECT_EQ(expected.str(), report.str());
}
