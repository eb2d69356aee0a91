#include "report/ConfigurationReport.h"

#include "base/NumberText.h"
#include "base/Platform.h"
#include "base/Translation.h"
#include "model/CatalogueNames.h"
#include "model/CatalogueText.h"
#include "model/Configuration.h"

namespace {
constexpr int kHeadingPoints = 12; ///< title, group names, "Gerätebeschreibung"
constexpr int kTextPoints = 9;     ///< values, description lines, signature
constexpr int kSpacingPoints = 6;  ///< the thin spacing line under each description line

// Frame around the second copy of the description, in twips relative to where that copy starts:
// 2350 × 2350 twips, reaching 100 twips above the first line and 50 twips left of it.
constexpr int kFrameLeft = -50;
constexpr int kFrameTop = -100;
constexpr int kFrameRight = 2300;
constexpr int kFrameBottom = 2250;

/// "Caption : Value Unit" as the reader's language shows them; without a unit the line ends in
/// the blank before it.
std::string ValueLine(const cParameter& parameter) {
    return CatalogueText::Caption(parameter.ParName()) + " : " + NumberToText(parameter.Value()) +
           " " + CatalogueText::Choice(parameter.Unit());
}
} // namespace

bool ConfigurationReport::Print(Printer& printer) {
    if (m_config.TestData()) {
        ShowMessage(Tr("ConfigurationReport",
                       "Parameter fehlerhaft.\r\nDie Daten können nicht gedruckt werden."),
                    MsgIcon::Information);
        return false;
    }
    // One text for both places, so title and signature cannot disagree.
    const std::string date = m_config.ParametrierdatumText();
    printer.BeginDoc();
    printer.setFontSize(kHeadingPoints);
    printer.PrintLine(
        TrArgs(Tr("ConfigurationReport", "Konfigurationsdaten Nivolantis K417. %1"), {date}));
    printer.PrintEmptyLine();
    for (const cDataGroup& group : m_config.Data())
        PrintGroup(printer, group);
    PrintDescriptionBlock(printer);
    PrintSignature(printer, date);
    printer.EndDoc();
    return true;
}

void ConfigurationReport::PrintGroup(Printer& printer, const cDataGroup& group) const {
    printer.setFontSize(kHeadingPoints);
    printer.PrintLine(CatalogueText::Caption(group.GroupName()));
    printer.setFontSize(kTextPoints);
    for (const cRange& range : group.Ranges()) {
        printer.PrintLine(ValueLine(range.RangeBegin()));
        printer.PrintLine(ValueLine(range.RangeEnd()));
    }
    for (const cParameter& parameter : group.Parameters()) {
        const std::string choice =
            CatalogueText::Choice(parameter.Description(NumberToText(parameter.Value())));
        printer.PrintLine(choice.empty() ? ValueLine(parameter)
                                         : ValueLine(parameter) + "(" + choice + ")");
    }
    printer.PrintEmptyLine();
}

void ConfigurationReport::PrintDescriptionBlock(Printer& printer) const {
    printer.setFontSize(kHeadingPoints);
    printer.PrintLine(CatalogueText::Caption(Catalogue::kDescriptionSection));
    printer.PrintEmptyLine();
    PrintDescriptionLines(printer);
    printer.PrintEmptyLine();
    const int x0 = printer.CurrentX();
    const int y0 = printer.CurrentY();
    PrintDescriptionLines(printer);
    printer.DrawBox(x0 + kFrameLeft, y0 + kFrameTop, x0 + kFrameRight, y0 + kFrameBottom);
    printer.setCurrentX(x0); // the box left the position at its lower right corner
}

void ConfigurationReport::PrintDescriptionLines(Printer& printer) const {
    for (int slot = 0; slot < Configuration::kDescriptionCount; ++slot) {
        printer.setFontSize(kTextPoints);
        printer.PrintLine(m_config.GetDescription(slot));
        printer.setFontSize(kSpacingPoints);
        printer.PrintEmptyLine();
    }
}

void ConfigurationReport::PrintSignature(Printer& printer, const std::string& date) const {
    printer.setFontSize(kTextPoints);
    printer.PrintEmptyLine();
    printer.PrintLine(TrArgs(Tr("ConfigurationReport", "Parameter erstellt durch: %1"),
                             {m_config.Benutzername()}));
    printer.PrintLine(TrArgs(Tr("ConfigurationReport", "am: %1"), {date}));
}
