#include "CliRunner.h"
#include "app/Platform.h"
#include "app/cNivolantis.h"
#include "platform/QtReportPrinter.h"
#include "platform/ReportPrinting.h"
#include "support/CoreTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace {

bool HavePdfToText() { return std::system("command -v pdftotext >/dev/null 2>&1") == 0; }

/// The non-empty lines of a text, without blanks at either end.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find_first_not_of(" \f\r");
        if (first != std::string::npos)
            lines.push_back(line.substr(first, line.find_last_not_of(" \f\r") - first + 1));
    }
    return lines;
}

/// What pdftotext reads from the PDF, or from one of its pages (counted from 1).
std::vector<std::string> PdfLines(const std::string& pdf, int page = 0) {
    const std::string range = page ? "-f " + std::to_string(page) + " -l " + std::to_string(page) + " " : "";
    FILE* pipe = popen(("pdftotext -enc UTF-8 " + range + "'" + pdf + "' - 2>/dev/null").c_str(), "r");
    std::string text;
    char buffer[4096];
    for (std::size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        text.append(buffer, n);
    if (pipe)
        pclose(pipe);
    return Lines(text);
}

/// Answers the modal dialogs that come up while it lives: the question with Yes or No, the
/// file dialog with the given file; notes the question's text and the file dialog's suggestion.
class DialogAnswerer {
public:
    DialogAnswerer(bool yes, QString file) : m_yes(yes), m_file(std::move(file)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
        m_timer.start(10);
    }
    std::vector<std::string> seen;

private:
    void Answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.push_back(box->text().toStdString());
            box->button(m_yes ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            seen.push_back(dialog->selectedFiles().value(0).toStdString());
            dialog->selectFile(m_file);
            QMetaObject::invokeMethod(dialog, "accept");
        }
    }

    bool m_yes;
    QString m_file;
    QTimer m_timer;
};

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
        m_app = std::make_unique<cNivolantis>(WriteSettings());
    }

    std::unique_ptr<cNivolantis> m_app;
};

} // namespace

TEST_F(ReportPdfTest, FrameThatWouldCrossAPageBreakMovesWholeToTheNextPage) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string path = PathOf("frame.pdf");
    QtReportPrinter printer([path] {
        auto pdf = QtReportPrinter::OpenPdf(QString::fromStdString(path));
        pdf->setPageSize(QPageSize(QSizeF(105, 100), QPageSize::Millimeter));
        return pdf;
    });
    const int pageHeight = static_cast<int>((100 - 30) * 1440 / 25.4); // less the top and bottom margins
    printer.BeginDoc();
    printer.setFontSize(9);
    for (int n = 1; printer.CurrentY() < pageHeight - 1200; ++n)
        printer.PrintLine("Zeile " + std::to_string(n));
    printer.setFontSize(6); // the spacing line above the frame, as in the report
    printer.PrintEmptyLine();
    printer.setFontSize(9);
    const int x0 = printer.CurrentX(), y0 = printer.CurrentY();
    for (int n = 1; n <= 5; ++n)
        printer.PrintLine("Rahmen " + std::to_string(n));
    printer.DrawBox(x0 - 50, y0 - 100, x0 + 2300, y0 + 2250);
    printer.setCurrentX(x0);
    printer.PrintLine("Danach");
    printer.EndDoc();

    const auto first = PdfLines(path, 1), second = PdfLines(path, 2);
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(first.back().starts_with("Zeile")) << first.back();
    EXPECT_EQ((std::vector<std::string>{"Rahmen 1", "Rahmen 2", "Rahmen 3", "Rahmen 4", "Rahmen 5", "Danach"}),
              second);
}

TEST_F(ReportPdfTest, WithoutPrinterTheUserMaySaveAPdfInstead) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this system has a printer";
    m_app->setFileName(PathOf("anlage.par"));
    {
        DialogAnswerer answers(true, QString::fromStdString(PathOf("bericht")));
        EXPECT_TRUE(PrintReport(*m_app, nullptr));
        EXPECT_EQ((std::vector<std::string>{
                      "Es ist kein Drucker eingerichtet.\nSoll der Bericht als PDF-Datei gespeichert werden?",
                      PathOf("anlage.pdf")}),
                  answers.seen);
    }
    EXPECT_TRUE(std::filesystem::exists(PathOf("bericht.pdf")));
    {
        DialogAnswerer answers(false, {});
        EXPECT_FALSE(PrintReport(*m_app, nullptr));
        EXPECT_EQ(1u, answers.seen.size());
    }

    // A refused model asks nothing.
    m_app->Data("Eingang").Ranges("Sondenstörung").RangeBegin().setValue(22.0);
    m_app->Data("Eingang").Ranges("Sondenstörung").RangeEnd().setValue(2.0);
    ExpectMessage("Sondenstörung.Anfang > Sondenstörung.Ende.\r\nBitte den Anfangs- oder den Endwert korrigieren.",
                  MsgIcon::Critical, "Bereichsfehler");
    ExpectMessage("Parameter fehlerhaft.\r\nDie Daten können nicht gedruckt werden.", MsgIcon::Information);
    DialogAnswerer answers(true, QString::fromStdString(PathOf("falsch.pdf")));
    EXPECT_FALSE(PrintReport(*m_app, nullptr));
    EXPECT_TRUE(answers.seen.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf("falsch.pdf")));
}

TEST_F(ReportPdfTest, CommandLineWritesTheReportAsTextOrPdf) {
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    const std::string par = "'" + PathOf("d.par") + "'", pdf = PathOf("r.pdf");
    ASSERT_EQ(0, RunCli("defaults -o " + par).exitCode);
    ASSERT_EQ(0, RunCli("set " + par + " 'Gerätebeschreibung/Zeile2=Halle Nord – Tank 7'").exitCode);
    const CliResult text = RunCli("report " + par);
    ASSERT_EQ(0, text.exitCode) << text.err;
    EXPECT_NE(std::string::npos, text.out.find("\nSkalenkomma : 4 (0.0000)\nFilter : 2 \n\nAusgang\n"));

    const CliResult rendered = RunCli("report " + par + " -o '" + pdf + "'", "LANG=de_DE.UTF-8 DISPLAY=");
    ASSERT_EQ(0, rendered.exitCode) << rendered.err;
    const auto lines = PdfLines(pdf);
    for (std::string line : Lines(text.out)) {
        if (line.starts_with("Konfigurationsdaten") || line.starts_with("am: "))
            line.resize(line.size() - 19); // the date and time of each run's start
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const auto& l) { return l.starts_with(line); }))
            << line;
    }
    EXPECT_EQ(2, std::count(lines.begin(), lines.end(), "Halle Nord – Tank 7"));
    EXPECT_FALSE(PdfLines(pdf, 2).empty()) << "the report runs onto a second page";

    const CliResult unwritable = RunCli("report " + par + " -o /nonexistent/r.pdf");
    EXPECT_EQ(1, unwritable.exitCode);
    EXPECT_NE(std::string::npos, unwritable.err.find("Die PDF-Datei kann nicht geschrieben werden."));
}
