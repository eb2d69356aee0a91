#include "base/Platform.h"
#include "platform/QtReportPrinter.h"
#include "support/CliRunner.h"
#include "support/CoreTest.h"
#include "support/DesktopLocale.h"

#include <gmock/gmock.h>

#include <QApplication>

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {

using Lines = std::vector<std::string>;
using testing::Contains;
using testing::StartsWith;

/// The non-empty lines of a text, without blanks at either end.
Lines NonEmptyLines(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (const auto first = line.find_first_not_of(" \f\r"); first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \f\r") - first + 1));
    return lines;
}

class ReportPdfTest : public CoreTest {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "test_reportpdf";
        static char* argv[] = {name, nullptr};
        static QApplication application(argc, argv);
    }
    void SetUp() override {
        CoreTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(AssertDesktopLocale());
    }
    /// What pdftotext reads from the PDF, or from one of its pages (counted from 1); a test
    /// without pdftotext fails here.
    static Lines PdfLines(const std::string& pdf, int page = 0) {
        const std::string pages =
            page ? "-f " + std::to_string(page) + " -l " + std::to_string(page) : "";
        const std::string command =
            "pdftotext -enc UTF-8 " + pages + " '" + pdf + "' '" + pdf + ".txt'";
        EXPECT_EQ(0, std::system(command.c_str())) << command;
        return NonEmptyLines(ReadBytes(pdf + ".txt"));
    }
};

} // namespace

TEST_F(ReportPdfTest, FrameThatWouldCrossAPageBreakMovesWholeToTheNextPage) {
    const std::string path = PathOf("frame.pdf");
    QtReportPrinter printer([path] {
        auto pdf = QtReportPrinter::OpenPdf(QString::fromStdString(path));
        pdf->setPageSize(QPageSize(QSizeF(105, 100), QPageSize::Millimeter));
        return pdf;
    });
    const int pageHeight =
        static_cast<int>((100 - 30) * 1440 / 25.4); // less top and bottom margins
    printer.BeginDoc();
    printer.setFontSize(9);
    for (int n = 1; printer.CurrentY() < pageHeight - 1200; ++n)
        printer.PrintLine("Zeile " + std::to_string(n));
    const int x0 = printer.CurrentX(), y0 = printer.CurrentY();
    for (int n = 1; n <= 5; ++n)
        printer.PrintLine("Rahmen " + std::to_string(n));
    printer.DrawBox(x0 - 50, y0 - 100, x0 + 2300, y0 + 2250);
    printer.setCurrentX(x0);
    printer.PrintLine("Danach");
    printer.EndDoc();

    const auto first = PdfLines(path, 1);
    ASSERT_FALSE(first.empty());
    EXPECT_THAT(first.back(), StartsWith("Zeile"));
    EXPECT_EQ((Lines{"Rahmen 1", "Rahmen 2", "Rahmen 3", "Rahmen 4", "Rahmen 5", "Danach"}),
              PdfLines(path, 2));
    // Lines start at the left margin of 20 mm = 56,7 pt (the right one is 15 mm).
    ASSERT_EQ(
        0, std::system(("pdftotext -bbox -f 1 -l 1 '" + path + "' '" + path + ".html'").c_str()));
    const std::string boxes = ReadBytes(path + ".html");
    const auto at = boxes.find("xMin=\"");
    ASSERT_NE(std::string::npos, at) << boxes;
    double left = 0;
    std::from_chars(boxes.data() + at + 6, boxes.data() + boxes.size(), left);
    EXPECT_TRUE(left > 56.6 && left < 58.0) << left;
}

// The format follows the output file's name; the PDF needs no display and shows every line of
// the text report.
TEST_F(ReportPdfTest, CommandLineWritesTheReportAsTextOrPdf) {
    const std::string par = "'" + PathOf("d.par") + "'", txt = PathOf("r.txt"),
                      pdf = PathOf("r.PDF");
    ASSERT_EQ(0, RunCli("defaults -o " + par).exitCode);
    ASSERT_EQ(0,
              RunCli("set " + par + " 'Gerätebeschreibung/Zeile2=Halle Nord – Tank 7'").exitCode);
    ExpectCli({"report " + par + " -o '" + txt + "'", 0, CliCase::Err, ""});
    ExpectCli({"report " + par + " -o '" + pdf + "'", 0, CliCase::Err,
               "" /* no notes of the GUI framework */, CliCase::Whole, "",
               "-u XDG_RUNTIME_DIR -u DISPLAY -u QT_QPA_PLATFORM LANG=de_DE.UTF-8"});
    const auto lines = PdfLines(pdf);
    const Lines text = NonEmptyLines(ReadBytes(txt));
    ASSERT_FALSE(text.empty());
    EXPECT_THAT(text[0], StartsWith("Konfigurationsdaten Nivolantis K417."));
    for (std::string line : text) {
        if (line.starts_with("Konfigurationsdaten") || line.starts_with("am: "))
            line.resize(line.size() - 19); // the date and time of each run's start
        EXPECT_THAT(lines, Contains(StartsWith(line)));
    }
    EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "Halle Nord – Tank 7"));
    EXPECT_FALSE(PdfLines(pdf, 2).empty()) << "the report runs onto a second page";
    ExpectCli({"report " + par + " -o /nonexistent/r.pdf", 1, CliCase::Err,
               "Die PDF-Datei kann nicht geschrieben werden.", CliCase::Contains});
    ExpectCli({"report " + par + " -o /dev/full", 1, CliCase::Err,
               "Die Textdatei kann nicht geschrieben werden. Der Name", CliCase::Starts});
}
