#!/usr/bin/env python3
"""Checks the tests themselves: plants realistic faults in the program, one at a time, and
records which test cases notice each of them.

Every fault is applied alone to a scratch copy of the tree (a detached git work tree of HEAD in
/tmp), which is rebuilt incrementally (one build folder for all faults) and tested in phases:
first the tests most likely to notice the fault, then every other unit and serial test, then the
slow ones (the window tests and the fault matrix). A fault is caught when a test fails and the
same tests pass again on the unplanted tree; missed when all pass; without --full the phases stop
at the first that catches it. A test that fails on the unplanted tree too is a flake: the fault
is tried once more, and stays "undecided" when the flake comes back. A fault whose tree does not
build is reported apart ("does not build") and, like a harmless fault (`harmless` carries the
reason), left out of the rate. The failing GoogleTest cases of every fault are printed and
written to a JSON record, with the commit of the sources and the cases that catch no fault alone.
The scratch tree is reset to the project's HEAD at every start.

Usage: scripts/mutate.py [--list | --check-list] [--full] [--keep] [--only ID...] [--scratch DIR]
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import textwrap
import time
import xml.etree.ElementTree as ET
from dataclasses import dataclass, field

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


@dataclass
class Mutant:
    id: str
    path: str
    old: str
    new: str
    what: str
    first: list = field(default_factory=list)  # tests to try first (ctest -R names)
    harmless: str = ""  # why the fault cannot matter; empty for a real fault


M = Mutant
MUTANTS = [
    # base/
    M("number-digits", "base/NumberText.cpp",
      "std::string text = CText(value, std::chars_format::general, 7);",
      "std::string text = CText(value, std::chars_format::general, 6);",
      "numbers shown with six significant digits instead of seven", ["test_numbertext"]),
    M("number-blank-tab", "base/NumberText.cpp", "return c == ' ' || c == '\\t';",
      "return c == ' ';", "a tab no longer counts as a blank around a number", ["test_numbertext"],
      harmless="file values reach the conversion with blanks and tabs trimmed, and a field "
               "takes no tab (the key moves the focus; a pasted table is split at its tabs)"),
    M("number-no-digits", "base/NumberText.cpp",
      "    if (digits == 0)\n        return std::nullopt;\n", "",
      "a text without digits (\",\" or \"-\") is taken as a number", ["test_numbertext"]),
    M("number-minus", "base/NumberText.cpp", "    if (value < 0)\n        text.insert(0, \"-\");",
      "    if (value < -1)\n        text.insert(0, \"-\");",
      "patterns lose the sign of values between -1 and 0", ["test_numbertext"]),
    M("number-cut-rounds", "base/NumberText.cpp",
      "const double cut = std::floor(", "const double cut = std::round(",
      "hundredths rounded instead of cut", ["test_numbertext"]),
    M("int-round-up", "base/IntegerConversion.cpp", "std::fesetround(FE_TONEAREST);",
      "std::fesetround(FE_UPWARD);", "integer conversion rounds up instead of half to even",
      ["test_devicetransfer", "test_numbertext"]),
    M("int-range", "base/IntegerConversion.cpp",
      "rounded <= std::numeric_limits<Int>::max()", "rounded < std::numeric_limits<Int>::max()",
      "the largest integer counts as an overflow", ["test_numbertext", "test_devicetransfer"]),
    M("error-text-untranslated", "base/UnexpectedError.cpp",
      "return Tr(\"UnexpectedError\", \"unbekannter Fehler\");", "return \"unbekannter Fehler\";",
      "an unknown error is named in German whatever the language", ["test_translation"]),
    M("text-case", "base/Text.cpp",
      "return std::toupper(static_cast<unsigned char>(a)) ==\n"
      "               std::toupper(static_cast<unsigned char>(b));",
      "return a == b;", "device name found only in its exact letter case",
      ["test_sercom", "test_firmwarerw"]),
    M("text-trim", "base/Text.cpp", "return text.substr(first, last - first + 1);",
      "return text.substr(first, last - first);", "trimming eats the last character",
      ["test_inifile", "test_parameterfile"]),
    # model/
    M("parameter-upper-limit", "model/cParameter.cpp", "return value < lo || value > hi;",
      "return value < lo || value >= hi;", "the upper limit itself is refused",
      ["test_parameter", "test_configuration"]),
    M("parameter-lower-clamp", "model/cParameter.cpp",
      "    m_lowerLimit = limit;\n    if (m_value < limit)\n        m_value = limit;\n",
      "    m_lowerLimit = limit;\n", "a raised lower limit leaves the value below it",
      ["test_limitrules", "test_parameter"]),
    M("parameter-message", "model/cParameter.cpp", "\"%1 '%2' ausserhalb %3..%4\"",
      "\"%1 '%2' außerhalb %3..%4\"",
      "the refusal message spelt differently", ["test_parameter", "test_configuration"]),
    M("range-equal-ends", "model/cRange.cpp", "m_begin->Value() <= m_end->Value()",
      "m_begin->Value() < m_end->Value()", "a range whose ends are equal is refused",
      ["test_parameter", "test_catalogue", "test_configuration"]),
    M("range-message", "model/cRange.h", "Bitte den Anfangs- oder den Endwert korrigieren.",
      "Bitte den Anfangs- oder Endwert korrigieren.", "range message worded differently",
      ["test_parameter", "test_configuration", "test_devicetransfer"]),
    M("limits-five-digits", "model/LimitRules.cpp", "constexpr float kMaxScaled = 99999;",
      "constexpr float kMaxScaled = 9999;", "scaling limited to four digits",
      ["test_limitrules"]),
    M("limits-table-x", "model/LimitRules.cpp",
      "x.setUpperLimit(measuring.GetRangeEnd());", "x.setUpperLimit(measuring.GetRangeBegin());",
      "table X values limited by the wrong end of the measuring range", ["test_limitrules"]),
    M("check-drops-order", "model/Configuration.cpp",
      "            note(ranges, range.OrderFinding());\n", "",
      "the whole-model check no longer reports a range whose ends are swapped",
      ["test_catalogue", "test_parameter", "test_configuration"]),
    M("default-plant", "model/Configuration.cpp", 'm_descriptions[kDescriptionLines] = "Messung1";',
      'm_descriptions[kDescriptionLines] = "Messung";', "wrong default plant identifier",
      ["test_limitrules", "test_catalogue"]),
    M("catalogue-address", "model/Catalogue.cpp",
      "AddParameter(kDecimalPlaces, 4, 0, 4, 196, 1, 1)",
      "AddParameter(kDecimalPlaces, 4, 0, 4, 197, 1, 1)", "decimal places at the wrong address",
      ["test_catalogue", "test_devicetransfer"]),
    # files/
    M("ini-value-length", "files/IniDocument.cpp", "constexpr std::size_t kMaxValueLength = 254;",
      "constexpr std::size_t kMaxValueLength = 255;", "values cut at 255 instead of 254 bytes",
      ["test_inifile"]),
    M("ini-fold-z", "files/IniDocument.cpp", "(c >= 'A' && c <= 'Z')", "(c >= 'A' && c < 'Z')",
      "names with Z compared with letter case", ["test_inifile"]),
    M("ini-cr", "files/IniDocument.cpp",
      "        if (!line.empty() && line.back() == '\\r')\n            line.remove_suffix(1);\n",
      "", "CR of CR LF line ends stays in the line", ["test_inifile", "test_parameterfile"]),
    M("ini-blank-lines", "files/IniDocument.cpp",
      "    while (insertAt > span->header + 1 && Trim(m_lines[insertAt - 1]).empty())\n"
      "        --insertAt;\n", "", "a new key is placed after the blank lines ending its section",
      ["test_inifile"]),
    M("par-version", "files/ParameterFile.cpp",
      '    entries.push_back({"Programm", "Version", program.VersionText()});\n', "",
      "the program version is no longer saved", ["test_parameterfile"]),
    M("par-checks-off", "model/Configuration.cpp",
      "    m_config.setEnableTestData(m_testing);\n", "",
      "limit checks stay off after loading a file", ["test_parameterfile"]),
    M("par-missing-message", "files/ParameterFile.cpp", "\"Datei '%1' ist nicht vorhanden\"",
      "\"Datei '%1' nicht vorhanden\"", "missing-file message worded differently",
      ["test_parameterfile"]),
    M("cp1252-range", "files/Cp1252.cpp", "byte >= 0x80 && byte < 0xA0 ?",
      "byte >= 0x80 && byte < 0x9F ?", "byte 9F (Ÿ) not converted", ["test_inifile"]),
    M("ini-missing-name", "files/cIniFile.cpp",
      "        m_fileName.clear();\n        return Opened::Missing;",
      "        return Opened::Missing;", "a missing file leaves the old name remembered",
      ["test_inifile"]),
    # device/
    M("sercom-byte-order", "device/cSerCom.cpp",
      "value |= std::uint32_t{static_cast<unsigned char>(bytes[k])} << (8 * k);",
      "value = value << 8 | static_cast<unsigned char>(bytes[k]);",
      "answers decoded most significant byte first", ["test_sercom", "test_devicetransfer"]),
    M("sercom-no-echo-check", "device/cSerCom.cpp",
      "Exchange(Frame(kWriteEepromCommand, adress) + byte, 1, kByteTimeoutS) != 1 ||\n"
      "            m_buffer.front() != byte)",
      "Exchange(Frame(kWriteEepromCommand, adress) + byte, 1, kByteTimeoutS) != 1)",
      "EEPROM write echo not compared", ["test_sercom", "test_devicetransfer"]),
    M("sercom-zero-byte", "device/cSerCom.cpp",
      "    text.pop_back(); // the closing zero byte, or after a time-out the last byte received\n",
      "", "text answers keep their closing zero byte", ["test_sercom", "test_devicetransfer"]),
    M("sercom-too-long", "device/cSerCom.cpp",
      "        if (waiting > expectedLength)\n            return Discard(port, deadline);\n", "",
      "an answer too long is noticed only after the whole time-out", ["test_sercom"]),
    M("sercom-timeout", "device/cSerCom.h", "kByteTimeoutS = 1.0;", "kByteTimeoutS = 0.5;",
      "byte exchanges wait only 0.5 s", ["test_sercom", "test_eepromtransfer"]),
    M("sercom-last-address", "device/cSerCom.cpp", "first + count > kAddressCount",
      "first + count >= kAddressCount", "the last EEPROM address 65535 is refused",
      ["test_sercom"]),
    M("upload-no-end-mark", "device/DeviceTransfer.cpp",
      "    m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);\n    return invalid.empty();",
      "    return invalid.empty();", "no \"B\" 255 after a read", ["test_devicetransfer"]),
    M("progress-truncates", "device/DeviceTransfer.cpp",
      "ToInt16(bytesDone * 100.0 / m_config.TotalByteCount())",
      "bytesDone * 100 / m_config.TotalByteCount()", "transfer progress truncated",
      ["test_devicetransfer"]),
    M("variant-mask", "device/DeviceTransfer.cpp",
      "(*variant & Configuration::kVariantMask) != m_config.HardwareVariante()",
      "*variant != m_config.HardwareVariante()", "variant compared with all eight bits",
      ["test_devicetransfer"]),
    M("read-done-message", "device/DeviceTransfer.cpp", '"Gerät lesen beendet."',
      '"Gerät lesen abgeschlossen."', "read message worded differently", ["test_devicetransfer"]),
    M("coding-truncates", "device/EepromCoding.cpp", "const std::int32_t raw = ToInt32(product);",
      "const std::int32_t raw = static_cast<std::int32_t>(product);", "device values truncated, not rounded",
      ["test_devicetransfer"]),
    M("grid-no-start-mark", "device/EepromTransfer.cpp",
      "    m_cancelled = false;\n    m_serCom.MarkSeries(DeviceProtocol::kSeriesStart);\n",
      "    m_cancelled = false;\n", "no \"B\" 0 before the grid read", ["test_eepromtransfer"]),
    # firmware/
    M("hex-checksum", "firmware/cHexRecord.cpp", "return static_cast<std::uint8_t>(0u - sum);",
      "return static_cast<std::uint8_t>(~sum);", "checksum as one's complement",
      ["test_hexrecord"]),
    M("hex-offset-order", "firmware/cHexRecord.cpp",
      "m_offset = ByteAt(line, kOffsetPos) * 256 + ByteAt(line, kOffsetPos + 2);",
      "m_offset = ByteAt(line, kOffsetPos + 2) * 256 + ByteAt(line, kOffsetPos);",
      "offset bytes swapped", ["test_hexrecord"]),
    M("hex-range-end", "firmware/cHexRecord.cpp",
      "NewAdr < m_offset + static_cast<std::int32_t>(m_data.size());",
      "NewAdr <= m_offset + static_cast<std::int32_t>(m_data.size());",
      "a record claims the address after its data", ["test_hexrecord"]),
    M("hex-segment", "firmware/cHexFile.cpp", "kSegmentUnit = 16;", "kSegmentUnit = 256;",
      "extended segment addresses scaled wrongly", ["test_hexfile", "test_firmwarerw"]),
    M("hex-filled", "firmware/cHexFile.cpp", "    record.Filled = false;\n    return record;",
      "    return record;", "a fully covered block counts as filled",
      ["test_hexfile", "test_firmwarerw"]),
    M("fw-block-timeout", "firmware/cFirmwareRW.cpp", "kBlockEndTimeoutS = 6.0;",
      "kBlockEndTimeoutS = 1.0;", "programming a block may take only 1 s",
      ["test_firmwarerw"]),
    M("fw-echo-errors", "firmware/cFirmwareRW.cpp", "kMaxEchoErrorsInRow = 5;",
      "kMaxEchoErrorsInRow = 6;", "the write stops after six echo errors in a row",
      ["test_firmwarerw"]),
    M("fw-bootloader-name", "firmware/cFirmwareRW.cpp", 'kBootloaderName[] = "BOOTLOADER";',
      'kBootloaderName[] = "BOOTLOAD";', "a bootloader named only BOOTLOAD is accepted",
      ["test_firmwarerw"]),
    M("dump-size", "firmware/EepromHexFile.cpp",
      "file.HighestDataAddress() >= static_cast<std::int64_t>(EepromHexFile::kSize)",
      "file.HighestDataAddress() > static_cast<std::int64_t>(EepromHexFile::kSize)",
      "a dump with a byte at 512 is accepted", ["test_eepromhexfile"]),
    # report/
    M("report-frame", "report/ConfigurationReport.cpp", "constexpr int kFrameRight = 2300;",
      "constexpr int kFrameRight = 2350;", "description frame too wide",
      ["test_configurationreport"]),
    M("report-signature", "report/ConfigurationReport.cpp", '"Parameter erstellt durch: %1"',
      '"Parameter erstellt von: %1"', "signature line worded differently",
      ["test_configurationreport"]),
    M("report-x", "report/ConfigurationReport.cpp", "    printer.setCurrentX(x0);", "",
      "the line after the frame starts at its right edge", ["test_configurationreport"]),
    M("page-break", "report/PageLayout.cpp", "if (item.bottom + shift > pageEnd &&",
      "if (item.bottom + shift >= pageEnd &&", "a line ending exactly at the page end moves on",
      ["test_pagelayout"]),
    # app/
    M("app-no-units", "app/cNivolantis.cpp", "*number < 0 ||", "*number < 1 ||",
      "a settings file with no units is refused", ["test_programstart", "test_catalogue"]),
    M("app-notify-off", "app/cNivolantis.cpp",
      "    if (!EnableNotify())\n        return;\n", "",
      "views are notified while notification is off", ["test_catalogue", "test_programstart"]),
    M("app-units-off-by-one", "app/cNivolantis.cpp", "for (int i = 0; i < ToInt16(*number); ++i)",
      "for (int i = 0; i <= ToInt16(*number); ++i)", "one unit too many read",
      ["test_programstart", "test_catalogue"]),
    # base/ (file results)
    M("failed-if-inverted", "base/FileResult.h",
      "return failure.empty() ? FileResult<>() : FileResult<>::Failed(std::move(failure));",
      "return !failure.empty() ? FileResult<>() : FileResult<>::Failed(std::move(failure));",
      "a failed write counts as done and a done one as failed",
      ["test_filecontent", "test_parameterfile"]),
    # device/ (network ports, measurements)
    M("net-port-max", "device/NetworkAddress.cpp", "address.port > 65535", "address.port >= 65535",
      "TCP port 65535 refused", ["test_networkserialport"]),
    M("net-ipv6-brackets", "device/NetworkAddress.cpp",
      'return (ipv6 ? "[" + host + "]" : host) + ":"', 'return (ipv6 ? host : host) + ":"',
      "an IPv6 address shown without its brackets", ["test_networkserialport", "test_cli_device"]),
    M("measure-timeout", "device/Measurement.cpp", "kAnswerTimeoutS = 1.0;",
      "kAnswerTimeoutS = 0.8;", "measured values wait only 0.8 s for their answer",
      ["test_measurement"]),
    # ui/
    M("ui-volts-inverted", "ui/main/PageFields.cpp", "OutputInVolts() ? value / 2 : value",
      "OutputInVolts() ? value : value / 2", "output limits halved for mA instead of volts",
      ["test_mainwindow"]),
    M("ui-limits-unit-space", "ui/main/PageFields.cpp",
      'return unit.isEmpty() ? text : text + " " + unit;',
      "return unit.isEmpty() ? text : text + unit;", "the limits tooltip glues the unit to the number",
      ["test_mainwindow"]),
    M("ui-combo-lowest", "ui/main/PageFields.cpp", "i >= lowest && i <= highest",
      "i > lowest && i <= highest", "the lowest allowed choice is greyed out",
      ["test_mainwindow", "test_windowcommands"]),
    M("ui-check-inverted", "ui/main/PageFields.cpp", "check->setChecked(position == 1);",
      "check->setChecked(position == 0);", "check boxes show the opposite of the value",
      ["test_mainwindow"]),
    M("ui-focus-in", "ui/main/PageFields.cpp", "if (event->type() == QEvent::FocusOut)",
      "if (event->type() == QEvent::FocusIn)", "a field takes its text on entering, not leaving",
      ["test_mainwindow", "test_regionalwindow"]),
    M("ui-point-click-row", "ui/main/SupportPointEditor.cpp",
      "[this](int row, int) { ShowXYPoint(row + 1); }", "[this](int row, int) { ShowXYPoint(row); }",
      "a clicked support point shows the one above it", ["test_mainwindow"]),
    M("ui-points-one-short", "ui/main/SupportPointEditor.cpp", "for (int n = 1; n <= count; ++n) {",
      "for (int n = 1; n < count; ++n) {", "the last support point is missing from the table",
      ["test_mainwindow"]),
    M("ui-current-point", "ui/main/SupportPointEditor.cpp",
      "return std::max(m_page.grdXY->currentRow(), 0) + 1;",
      "return std::max(m_page.grdXY->currentRow(), 0);",
      "X and Y fields write to the point before the one shown", ["test_mainwindow"]),
    M("ui-paste-needs-more", "ui/main/SupportPointEditor.cpp",
      "if (grid->rowCount() < kTablePoints) {", "if (grid->rowCount() <= kTablePoints) {",
      "a table with exactly enough points refuses a paste", ["test_mainwindow"]),
    M("ui-point-label", "ui/main/SupportPointEditor.cpp", ".arg(QString::number(row), Q(",
      ".arg(QString::number(row - 1), Q(", "the point number counts from zero",
      ["test_mainwindow"]),
    M("ui-eeprom-cell-swapped", "ui/service/EepromGrid.cpp",
      "SetCellText(std::max(m_grid->currentRow(), 0) * kColumns + "
      "std::max(m_grid->currentColumn(), 0),",
      "SetCellText(std::max(m_grid->currentColumn(), 0) * kColumns + "
      "std::max(m_grid->currentRow(), 0),",
      "an edited EEPROM byte lands in the mirrored cell", ["test_servicepages"]),
    M("ui-eeprom-copy-lf", "ui/service/EepromGrid.cpp", 'lines.join("\\r\\n")', "lines.join('\\n')",
      "copied EEPROM rows end in LF only", ["test_servicepages"]),
    M("ui-eeprom-copy-column", "ui/service/EepromGrid.cpp", "c <= range.rightColumn()",
      "c < range.rightColumn()", "copying leaves out the last selected column",
      ["test_servicepages"]),
    M("ui-eeprom-hex-case", "ui/service/EepromGrid.cpp",
      "return QString::number(value, 16).toUpper();", "return QString::number(value, 16);",
      "EEPROM headers and cells in lower-case hex", ["test_servicepages"]),
    # platform/
    M("qt-warning-icon", "platform/QtMessageService.cpp", "return QMessageBox::Warning;",
      "return QMessageBox::Information;", "warnings shown with the information icon",
      ["test_qtplatform"]),
    M("qt-default-no", "platform/QtMessageService.cpp", "box.setDefaultButton(yes);",
      "box.setDefaultButton(no);", "Enter answers a question with No", ["test_qtplatform"]),
    M("qt-escape-no", "platform/QtMessageService.cpp", "box.setEscapeButton(cancel ? cancel : no);",
      "box.setEscapeButton(no);", "Escape answers No where Cancel is offered", ["test_qtplatform"]),
    M("qt-closed-cancels", "platform/QtMessageService.cpp",
      "if (box.clickedButton() == no || !cancel)", "if (box.clickedButton() == no)",
      "a closed yes/no question answers Cancel, which it does not offer", ["test_qtplatform"]),
    M("qt-no-title", "platform/QtMessageService.cpp",
      "    box.setWindowTitle(QString::fromStdString(title));\n", "",
      "message boxes lose their title", ["test_qtplatform", "test_mainwindow"]),
    M("qt-overwrite-inverted", "platform/QtFileDialogs.cpp",
      "QFileDialog::DontConfirmOverwrite, !options.confirmOverwrite",
      "QFileDialog::DontConfirmOverwrite, options.confirmOverwrite",
      "the save dialog asks before overwriting exactly when it should not", ["test_qtplatform"]),
    M("qt-no-file-name", "platform/QtFileDialogs.cpp",
      "    if (!options.fileName.isEmpty())\n        dialog.selectFile(options.fileName);\n", "",
      "the dialog does not propose the file name", ["test_qtplatform"]),
    M("qt-two-digit-year", "platform/QtRegionalSettings.cpp",
      '    if (!format.contains("yyyy"))\n        format.replace("yy", "yyyy");\n', "",
      "dates shown with a two-digit year", ["test_regionalwindow", "test_qtplatform"]),
    M("qt-minute-second", "platform/QtRegionalSettings.cpp", "t.hour(), t.minute(), t.second()}",
      "t.hour(), t.second(), t.minute()}", "parsed times swap minutes and seconds",
      ["test_regionalwindow", "test_qtplatform"]),
    M("pdf-not-saved", "platform/QtReportPrinter.cpp",
      "if (std::string failure = pdf->Save(); !failure.empty())",
      "if (std::string failure; !failure.empty())", "the PDF is never written out",
      ["test_reportpdf"]),
    M("pdf-line-height", "platform/QtReportPrinter.cpp",
      "std::lround(metrics.lineSpacing() * kTwipsPerInch / m_device->logicalDpiY())",
      "std::floor(metrics.lineSpacing() * kTwipsPerInch / m_device->logicalDpiY())",
      "line heights cut instead of rounded", ["test_reportpdf"]),
    M("pdf-extra-page", "platform/QtReportPrinter.cpp", "for (; page < places[i].page; ++page)",
      "for (; page <= places[i].page; ++page)", "every page starts on a new sheet: blank pages",
      ["test_reportpdf"]),
    M("pdf-margins-swapped", "platform/QtReportPrinter.cpp", "kMargins(20, 15, 15, 15)",
      "kMargins(15, 15, 20, 15)", "left and right margins swapped", ["test_reportpdf"]),
    M("pdf-suggested-base", "ui/main/ReportPrinting.cpp", "file.completeBaseName()",
      "file.baseName()", "a file named a.b.par suggests a.pdf", ["test_windowcommands"]),
    # cli/
    M("cli-usage-exit", "cli/main.cpp", "return code == 0 ? kExitOk : kExitUsage;",
      "return code == 0 ? kExitOk : kExitFailed;", "usage errors exit with 1 instead of 2",
      ["test_cli"]),
    M("cli-port-default", "cli/CliContext.cpp", "equals == std::string::npos ? 1 :",
      "equals == std::string::npos ? 0 :", "--port without COMn= is refused instead of COM1",
      ["test_cli_device", "test_cli"]),
    M("cli-missing-path-exit", "cli/CliContext.cpp",
      "                      << '\\n';\n            Fail(kExitUsage);\n            return false;\n        }\n        App()",
      "                      << '\\n';\n            Fail();\n            return false;\n        }\n        App()",
      "COM1= without a device file exits with 1",
      ["test_cli", "test_cli_device"]),
    M("cli-demo-port", "cli/CliContext.cpp",
      "App().Ports().setPortPath(1, m_demoDevice->PortPath());",
      "App().Ports().setPortPath(2, m_demoDevice->PortPath());",
      "--demo puts the simulated device on COM2", ["test_cli_device", "test_cli"]),
    M("cli-variant-mask", "cli/CliContext.cpp",
      "App().setHardwareVariante(*variant & Configuration::kVariantMask);",
      "App().setHardwareVariante(*variant);",
      "--variant geraet takes the whole byte", ["test_cli_device"]),
    M("cli-quiet-inverted", "cli/CliContext.cpp", "    if (!quiet)\n        std::cerr <<",
      "    if (quiet)\n        std::cerr <<", "a failed search explains itself only with -v",
      ["test_cli_device"]),
    M("cli-load-messages", "cli/CliContext.cpp",
      "if (!Start() || !App().ReadIni(file) || MessageCount() != before) {",
      "if (!Start() || !App().ReadIni(file)) {", "a file loaded with complaints counts as fine",
      ["test_cli"]),
    M("cli-allowed-floor", "cli/ListDiffCommands.cpp",
      "static_cast<long>(std::ceil(parameter.LowerLimit()))",
      "static_cast<long>(std::floor(parameter.LowerLimit()))",
      "list offers a choice below a fractional lower limit", ["test_cli"],
      harmless="every parameter with named choices has whole limits (0 to the last choice), and "
               "no settings file changes them"),
    M("cli-allowed-last", "cli/ListDiffCommands.cpp",
      "key <= static_cast<long>(parameter.UpperLimit())",
      "key < static_cast<long>(parameter.UpperLimit())", "list leaves out the highest choice",
      ["test_cli"]),
    M("cli-group-prefix", "cli/ListDiffCommands.cpp",
      'path.compare(0, group.size() + 1, group + "/") == 0',
      "path.compare(0, group.size(), group) == 0", "list GRUPPE matches any group it begins",
      ["test_cli"]),
    M("cli-diff-truncates", "app/ConfigurationDiff.cpp",
      "return std::lround(a.number * b.factor) !=",
      "return static_cast<long>(a.number * b.factor) !=",
      "diff --device cuts file values to device steps instead of rounding", ["test_cli_device"]),
    M("cli-diff-exit", "cli/ListDiffCommands.cpp",
      "    if (!differences.empty())\n        context.Fail();\n", "",
      "diff exits 0 for different files", ["test_cli_device", "test_cli"]),
    M("cli-measure-flush", "cli/MeasureCommand.cpp", '<< texts[2] << " A/D"\n              << std::endl;',
      "<< texts[2] << \" A/D\"\n              << '\\n';",
      "measure --every holds its lines back in a pipe", ["test_cli_device"]),
    M("cli-measure-seconds", "cli/MeasureCommand.cpp", "static_cast<int>(seconds * 1000)",
      "static_cast<int>(seconds * 100)", "measure --every waits a tenth of the time",
      ["test_cli_device"]),
    M("cli-save-port-default", "cli/PortSettingCommand.cpp",
      '(path.empty() ? Tr("PortSettingCommand", "Vorgabe") : path)',
      '(path.empty() ? path : Tr("PortSettingCommand", "Vorgabe"))',
      "save-port names the default for a path and the path for the default", ["test_cli"]),
    M("cli-connect-quiet", "cli/DeviceCommands.cpp",
      "const bool found = context.ConnectDevice(context.args.verbose);",
      "const bool found = context.ConnectDevice(!context.args.verbose);",
      "connect explains a failed search only with -v", ["test_cli_device"]),
    M("cli-read-check-fails", "cli/DeviceCommands.cpp",
      "        if (app.TestData())\n            context.Fail();\n", "",
      "read exits 0 when the device holds values outside their limits", ["test_cli_device"]),
    # sim/
    M("sim-faulty-until", "sim/K417Simulator.cpp", "m_answers <= *m_faults.faultyUntil",
      "m_answers < *m_faults.faultyUntil", "the last faulty answer comes out right",
      ["test_k417simulator", "test_sercom"]),
    M("sim-extra-byte-late", "sim/K417Simulator.cpp", "m_answers >= *m_faults.extraByteFrom",
      "m_answers > *m_faults.extraByteFrom", "the extra byte starts one answer late",
      ["test_k417simulator", "test_devicetransfer"]),
    M("sim-line-time", "sim/K417Simulator.cpp", "kBitsPerByte * kNsPerSecond / baud",
      "kNsPerSecond / baud", "a byte on the line takes one bit time", ["test_k417simulator"]),
    M("sim-variant-ignored", "sim/nivosim.cpp",
      "image[K417Device::kVariantAddress] = static_cast<std::uint8_t>(*options.variant);",
      "image[K417Device::kVariantAddress + 1] = static_cast<std::uint8_t>(*options.variant);",
      "nivosim --variant writes the byte after the variant", ["test_k417simulator", "test_cli"]),
    # checks whose rules no fault above touches
    M("telnet-iac-dropped", "device/TelnetCoding.cpp",
      "        if (byte == kIac) {\n            data += static_cast<char>(byte);\n        } else if",
      "        if (byte == kIac) {\n        } else if",
      "a doubled 255 from the network port is dropped instead of taken as one data byte",
      ["test_telnetcoding", "test_networkserialport"]),
    M("net-hangup-as-quiet", "device/NetworkSocketPosix.cpp",
      "} else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {",
      "} else if (got == 0 || errno == EAGAIN || errno == EWOULDBLOCK) {",
      "a connection the server closed is taken for a quiet line until the time-out",
      ["test_networkserialport"]),
    M("port-adapters-reversed", "device/PortDiscoveryPosix.cpp",
      "[](const SystemPort& a, const SystemPort& b) { return a.kind < b.kind; });",
      "[](const SystemPort& a, const SystemPort& b) { return a.kind > b.kind; });",
      "USB adapters listed in reverse order of their names", ["test_portdiscovery"]),
    M("port-group-read-only", "device/PortAccessPosix.cpp",
      "(info.st_mode & kGroupReadWrite) == kGroupReadWrite;",
      "(info.st_mode & kGroupReadWrite) != 0;",
      "a group that may only read the port is named as the remedy", ["test_portdiscovery"]),
    M("settings-user-ignored", "app/SettingsFiles.cpp",
      "    if (m_user != m_defaults)\n        if (auto own",
      "    if (m_user == m_defaults)\n        if (auto own",
      "the user's settings file no longer overrides the installed one", ["test_settingsfiles"]),
    M("search-ident-short", "device/DeviceTransfer.cpp", "kIdentTimeoutS = 2.0;",
      "kIdentTimeoutS = 1.0;", "the search gives each port's identification only 1 s",
      ["test_faultmatrix"]),
    M("read-cancel-late", "device/DeviceTransfer.cpp",
      "        StopIfCancelled();\n        if (m_serCom.ReadEEPROM(",
      "        if (m_serCom.ReadEEPROM(",
      "a cancel stops a device read only once every value is read", ["test_devicetransfer"]),
    M("sercom-open-while-busy", "device/cSerCom.cpp", "return m_busy ? 0 : Open(comNr, conSettings);",
      "return Open(comNr, conSettings);", "a port is opened during another operation's wait",
      ["test_sercom"]),
    M("variant-zero-full", "model/LimitRules.cpp", "} else if (variant == 1 || variant == 0) {",
      "} else if (variant == 1) {", "variant 0 keeps every relay function", ["test_limitrules"]),
    M("hex-line-number", "firmware/cHexFile.cpp",
      "{std::to_string(number), reason}",
      "{std::to_string(number - 1), reason}",
      "a bad line of a firmware file is named by the number of the line before it",
      ["test_hexfile"]),
    M("ui-cancel-discards", "ui/main/ToolbarCommands.cpp",
      "    case MsgAnswer::No:\n        return true;\n    default:\n        return false;",
      "    case MsgAnswer::No:\n    default:\n        return true;",
      "cancelling the question about unsaved edits drops them", ["test_mainwindow"]),
    M("ui-entry-not-committed", "ui/main/ToolbarCommands.cpp",
      "    m_window.commitFocusedField();\n    if (!m_app.Modified())",
      "    if (!m_app.Modified())",
      "a value still being typed is not asked about before it is dropped", ["test_mainwindow"]),
    M("ui-close-in-firmware-write", "ui/main/frmMain.cpp",
      "    if (m_service->RefusesClose()) {\n        event->ignore();\n        return;\n    }\n",
      "", "the window closes while the firmware is being written", ["test_servicepages"]),
    # rules of the window tests
    M("app-port-file-from-installed", "app/SettingsFiles.cpp",
      "!(content = ReadFileContent(m_user)))", "!(content = ReadFileContent(m_defaults)))",
      "a port choice is saved on top of the installed settings instead of the user's own",
      ["test_settingsfiles"]),
    M("app-search-before-announce", "app/basMain.cpp",
      "    windows.ShowSplashStatus(Tr(\"basMain\", \"Suche Gerät...\"));\n"
      "    MyNivolantis->Connect();\n",
      "    MyNivolantis->Connect();\n"
      "    windows.ShowSplashStatus(Tr(\"basMain\", \"Suche Gerät...\"));\n",
      "the start picture announces the device search only after it ran", ["test_programstart"]),
    M("cli-firmware-fault-on-stdout", "cli/FirmwareCommands.cpp",
      "        PrintFault(text);\n    };", "        PrintStep(text);\n    };",
      "a failed firmware transfer's message goes to standard output", ["test_cli_device"]),
    M("qt-translations-not-installed", "platform/ProgramTexts.cpp",
      "            QCoreApplication::installTranslator(translator);\n", "",
      "Qt's German texts are loaded but never installed, so its dialogs stay English",
      ["test_qtplatform"]),
    M("cli-sim-stale-link-kept", "sim/nivosim.cpp", "    fs::remove(link);\n", "",
      "the simulator finds the link an earlier run left and fails to replace it",
      ["test_cli"]),
    M("cli-firmware-fail-exit0", "cli/FirmwareCommands.cpp",
      "    if (!transfer(firmware))\n        context.Fail();\n", "    transfer(firmware);\n",
      "a failed firmware transfer ends with exit code 0", ["test_cli_device"]),
    M("cli-progress-without-terminal", "cli/TerminalProgress.cpp",
      "if (!m_terminal || percent == m_shown)", "if (percent == m_shown)",
      "the percent display is written to standard error when it is no terminal",
      ["test_cli_device"]),
    M("ui-download-cancellable", "ui/main/ToolbarCommands.cpp",
      "             m_app.Download();\n",
      "             OfferCancel([this] { m_app.Download(); });\n",
      "writing the device offers \"Abbrechen\" as reading does", ["test_windowcommands"]),
    M("ui-fit-full-size", "ui/main/frmMain.cpp", "resize(sizeHint().boundedTo(room));",
      "resize(sizeHint());", "the window opens at its full layout size, beyond a small screen",
      ["test_screenfit"]),
    M("ui-drop-first-of-many", "ui/main/frmMain.cpp",
      "!data->hasUrls() || data->urls().size() != 1", "!data->hasUrls()",
      "a drag of several files opens the first of them", ["test_openfile"]),
    M("ui-contrast-echo", "ui/service/ContrastFrame.cpp",
      "    const QSignalBlocker quiet(m_slider); // the device has this value already\n", "",
      "the contrast read from the device is sent back to it", ["test_servicepages"]),
    M("ui-scale-unit-label", "ui/main/frmMain.cpp",
      "limits.lblUnit_12, pages.service6.lblUnit_13};", "pages.service6.lblUnit_13};",
      "the unit beside the last delay field keeps the old unit", ["test_mainwindow"]),
    M("ui-info-no-owner", "ui/main/ToolbarCommands.cpp",
      "m_info = new frmSplash(&m_window.window);", "m_info = new frmSplash();",
      "the Info window opens without owner, as the frameless start picture",
      ["test_mainwindow"]),
    M("ui-refused-in-use-unnamed", "ui/main/ToolbarCommands.cpp",
      "if (probe.outcome == PortProbe::kNoPermission || probe.outcome == PortProbe::kInUse)",
      "if (probe.outcome == PortProbe::kNoPermission)",
      "a search that fails names no port another program holds", ["test_windowcommands"]),
    M("ui-progress-zero-shown", "ui/main/frmMain.cpp",
      "    if (percent <= 0) {\n        m_progress->hide();",
      "    if (percent < 0) {\n        m_progress->hide();",
      "the progress bar stays shown at 0 %", ["test_servicepages"]),
    M("ui-service-tab-3", "ui/main/frmMain.cpp", "for (int digit = 1; digit <= 3; ++digit)",
      "for (int digit = 1; digit < 3; ++digit)",
      "the digit 3 on the command line no longer decides the third service tab",
      ["test_mainwindow"]),
    M("ui-save-after-refusal", "ui/main/ToolbarCommands.cpp",
      "                    MsgIcon::Information);\n        return false;\n    }\n    const auto path",
      "                    MsgIcon::Information);\n    }\n    const auto path",
      "saving goes on to the file dialog after the model check refused the values",
      ["test_mainwindow"]),
    M("ui-file-name-digits", "ui/StartArguments.cpp",
      "} else if (QFileInfo(argument).isFile()) {", "} else if (!argument.startsWith('-')) {",
      "an argument that names no file is taken for a file to open instead of service tabs",
      ["test_openfile"]),
    M("ui-separator-group", "platform/QtRegionalSettings.cpp",
      "return m_locale.decimalPoint().toStdString();",
      "return m_locale.groupSeparator().toStdString();",
      "the desktop's thousands separator taken for its decimal separator",
      ["test_regionalwindow"]),
    M("ui-scan-last-port", "app/cNivolantis.cpp", "n <= scan.PortCount(); ++n",
      "n < scan.PortCount(); ++n", "the port scan leaves out the last port",
      ["test_servicepages"]),
    M("ui-scan-cancel-clears", "ui/service/PortScan.cpp",
      "    if (states.empty()) {\n",
      "    if (states.empty()) {\n        m_grid->setRowCount(0);\n",
      "a cancelled port scan empties the list", ["test_servicepages"]),
    M("ui-progress-truncates", "ui/main/frmMain.cpp",
      "const std::int16_t percent = ToInt16(NewPercent);",
      "const auto percent = static_cast<std::int16_t>(NewPercent);",
      "the progress given as a fraction is cut instead of rounded half to even",
      ["test_servicepages"]),
    M("ui-service-tabs-one-digit", "ui/main/frmMain.cpp",
      "commandLine.contains(QString::number(digit))", "commandLine == QString::number(digit)",
      "several service tabs named on the command line show none of them", ["test_mainwindow"]),
    # rules of the device and firmware tests
    M("dev-uarts-by-name", "device/PortDiscoveryPosix.cpp",
      "    std::sort(uarts.begin(), uarts.end());\n",
      "    std::sort(uarts.begin(), uarts.end(),\n"
      "              [](const auto& a, const auto& b) { return a.second < b.second; });\n",
      "built-in ports are listed by file name, ttyS10 before ttyS9", ["test_portdiscovery"]),
    M("dev-serial-base-one-level", "device/PortDiscoveryPosix.cpp",
      "    while (IsBus(Subsystem(owner), \"serial-base\")",
      "    if (IsBus(Subsystem(owner), \"serial-base\")",
      "a placeholder port behind two serial-base devices is listed as a built-in port",
      ["test_portdiscovery"]),
    M("dev-search-old-ports", "device/DeviceTransfer.cpp",
      "    m_serCom.Names().FindPorts(); // an adapter plugged in since the last search\n", "",
      "the device search asks only the ports found when the program started",
      ["test_portdiscovery", "test_devicetransfer"]),
    M("dev-coded-after-search", "device/DeviceTransfer.cpp",
      "        const std::vector<std::int32_t> raws = CodeAll();\n"
      "        if (Search().port < 1)\n            throw NotFound(m_report);\n",
      "        if (Search().port < 1)\n            throw NotFound(m_report);\n"
      "        const std::vector<std::int32_t> raws = CodeAll();\n",
      "the values are coded only after the device search, so a value too big for its bytes "
      "is found after the search went out", ["test_devicetransfer"]),
    M("dev-bad-values-separator", "device/DeviceTransfer.cpp",
      "        list += (list.empty() ? \"\" : \", \") + CatalogueText::Caption(name);",
      "        list += (list.empty() ? \"\" : \" \") + CatalogueText::Caption(name);",
      "the values outside their limits are listed without commas between them",
      ["test_devicetransfer"]),
    M("fw-hex-after-end-read", "firmware/cHexFile.cpp",
      "ended ? Tr(\"cHexFile\", \"Nach dem Dateiende-Datensatz folgen weitere Zeilen.\")\n"
      "                  : record.Parse(line)",
      "record.Parse(line)", "lines after the end-of-file record of a firmware file are read",
      ["test_hexfile"]),
    M("fw-echo-errors-in-row", "firmware/cFirmwareRW.cpp",
      "Report(TrArgs(m_echoErrors == 0 ? Tr(",
      "Report(TrArgs(m_echoErrorsInRow == 0 ? Tr(",
      "a firmware write whose last bytes were echoed right is logged as written without errors "
      "after an earlier echo error", ["test_firmwarerw"]),
    M("dev-current-whole-ma", "device/Measurement.cpp", "values.current = *microamps / 1000.0;",
      "values.current = *microamps / 1000;",
      "the measured current is cut to whole milliamperes", ["test_measurement"]),
    M("dev-telnet-chunk-restart", "device/TelnetCoding.cpp",
      "    std::string data;\n    for (const char byte : received)\n",
      "    std::string data;\n    m_state = State::Data;\n    for (const char byte : received)\n",
      "a 255 at the end of one network chunk is forgotten by the next", ["test_telnetcoding"]),
    M("dev-cell-progress-cut", "device/EepromTransfer.cpp", "ToInt16(adress * 100.0 / kSize)",
      "ToInt16(adress * 100 / kSize)",
      "the progress of a cell transfer is cut to whole percent instead of rounded",
      ["test_eepromtransfer"]),
    M("dev-read-series-open", "device/EepromTransfer.cpp",
      "    m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);\n", "",
      "a cell read does not tell the device that the series is over",
      ["test_eepromtransfer"]),
    M("dev-limits-kept-after-read", "device/DeviceTransfer.cpp",
      "    LimitRules::UpdateLimitsKeepingValues(m_config);\n", "",
      "the limits stay those of the old scaling after a device read", ["test_devicetransfer"]),
    M("dev-port-name-trailing", "device/PortNames.cpp",
      "if (error != std::errc() || end != digits.data() + digits.size() || number < 1 ||",
      "if (error != std::errc() || number < 1 ||",
      "a port name with characters after its number (COM1x) is taken as that port",
      ["test_sercom"]),
    M("fw-read-short-file", "firmware/cFirmwareRW.cpp",
      "image.ReStructHexData(kRecordSize, kFlashSize);", "image.ReStructHexData(kRecordSize, size);",
      "a firmware read saves records only for the bytes read, not the whole flash",
      ["test_firmwarerw"]),
    M("dev-cancelled-read-copied", "device/EepromTransfer.cpp",
      "    if (!m_cancelled)\n        bytes = read;", "    bytes = read;",
      "a cancelled cell read still hands over the cells read so far", ["test_eepromtransfer"]),
    M("dev-telnet-parity-swapped", "device/TelnetCoding.cpp",
      "    case 'o':\n        return 2;\n    case 'e':\n        return 3;",
      "    case 'o':\n        return 3;\n    case 'e':\n        return 2;",
      "the network port asks for odd parity when even is set and the other way round",
      ["test_telnetcoding"]),
    M("dev-port-not-raw", "device/SerialPortPosix.cpp", "    ::cfmakeraw(&wanted);\n", "",
      "a port left in a terminal's cooked mode stays in it", ["test_serialport"]),
    M("fw-flash-limit", "firmware/cFirmwareRW.cpp", "highest >= kFlashSize",
      "highest > kFlashSize", "a file with a byte at 8000h, one past the flash, is written",
      ["test_firmwarerw"]),
    M("dev-failed-cell-range", "device/EepromTransfer.cpp", "        text += last > first\n",
      "        text += last >= first\n", "a single failed cell is named as a range up to itself",
      ["test_eepromtransfer"]),
    M("fw-read-cancel-ignored", "firmware/cFirmwareRW.cpp",
      "        if (m_cancel != nullptr && m_cancel->Requested()) {",
      "        if (a % kBlockSize == 0 && m_cancel != nullptr && m_cancel->Requested()) {",
      "a firmware read looks for a cancel only once per block of 128 bytes", ["test_firmwarerw"]),
    M("dev-telnet-answer-always", "device/TelnetCoding.cpp", "    } else if (request != on) {",
      "    } else {", "an option request already in force is answered again",
      ["test_telnetcoding"]),
    M("dev-settings-extra-field", "device/SerialSettings.cpp",
      "if (parts.size() != 4 || parts[1].size() != 1)",
      "if (parts.size() < 4 || parts[1].size() != 1)",
      "line settings with a field after the stop bits are accepted", ["test_serialport"]),
    M("dev-search-last-port", "device/DeviceTransfer.cpp",
      "port <= m_serCom.PortCount()", "port < m_serCom.PortCount()",
      "the device search stops before the last port", ["test_devicetransfer"]),
    M("fw-hex-digit-position", "firmware/cHexRecord.cpp", "std::to_string(pos + 1)",
      "std::to_string(pos)", "a bad character of a firmware line is placed one position early",
      ["test_hexrecord"]),
    M("fw-hex-base-kept", "firmware/cHexFile.cpp", "    m_base = 0;\n", "",
      "a firmware file starts at the address base the previous file ended with",
      ["test_hexfile"]),
    M("dev-eight-unanswered", "device/EepromTransfer.cpp",
      "unansweredInRow >= kMaxUnansweredInRow", "unansweredInRow > kMaxUnansweredInRow",
      "a cell transfer ends only after nine unanswered cells in a row", ["test_eepromtransfer"]),
    M("dev-failed-cell-separator", "device/EepromTransfer.cpp", 'text += text.empty() ? "" : ", ";',
      'text += text.empty() ? "" : " ";', "failed cells are listed without commas between them",
      ["test_eepromtransfer"]),
    M("fw-restruct-extra-record", "firmware/cHexFile.cpp", "a < NewByteSize; a += size",
      "a <= NewByteSize; a += size", "a saved firmware area gets one record past its end",
      ["test_hexfile", "test_firmwarerw"]),
    M("dev-connect-stays-open", "device/cSerCom.cpp",
      "    Close(conPort);\n    return {m_buffer.empty()", "    return {m_buffer.empty()",
      "a port without the device stays open after the search asked it", ["test_sercom"]),
    # rules of the command line, program start, report and file tests
    M("model-range-end-keeps-limits", "model/Configuration.cpp",
      "scaling = name == Catalogue::kMeasuringRange || name == Catalogue::kScaling;",
      "scaling = name == Catalogue::kMeasuringRange;",
      "a scaling end typed by path leaves the relay, table and simulation limits at the old "
      "scaling", ["test_configuration"]),
    M("model-unit-last-point", "model/LimitRules.cpp",
      "    for (int n = 1; n <= Catalogue::kPointCount; ++n)\n"
      "        table.Parameters(Catalogue::PointName('Y', n)).setUnit(unit);",
      "    for (int n = 1; n < Catalogue::kPointCount; ++n)\n"
      "        table.Parameters(Catalogue::PointName('Y', n)).setUnit(unit);",
      "the last table value keeps the old scale unit", ["test_configuration"]),
    M("model-unit-notify-each", "model/Configuration.cpp",
      "    const Batch batch(*this); // the views hear of the index and the units together\n", "",
      "the views refresh after a new scale unit before the scaled values take it",
      ["test_configuration"]),
    M("model-follow-lower-first", "model/LimitRules.cpp",
      "    parameter.setUpperLimit(upper);\n    parameter.setLowerLimit(lower);",
      "    parameter.setLowerLimit(lower);\n    parameter.setUpperLimit(upper);",
      "under a reversed scaling the scaled values end at the scaling end instead of its begin",
      ["test_limitrules"]),
    M("model-step-upper-first", "model/LimitRules.cpp",
      "    step.setLowerLimit(b); // lower first here: a reversed scaling leaves the step at its end\n"
      "    step.setUpperLimit(e);",
      "    step.setUpperLimit(e);\n    step.setLowerLimit(b);",
      "under a reversed scaling the simulation step ends at the scaling begin", ["test_limitrules"]),
    M("file-load-regional-numbers", "files/ParameterFile.cpp",
      "if (auto number = FileTextToNumber(text); number && ToSingle(*number))",
      "if (auto number = TextToNumber(text); number && ToSingle(*number))",
      "a parameter file from a system with the other decimal separator loads wrong values",
      ["test_parameterfile"]),
    M("file-ini-single-quotes", "files/IniDocument.cpp",
      "(value.front() == '\"' || value.front() == '\\'')", "value.front() == '\"'",
      "a value in single quotes keeps its quotes", ["test_inifile"]),
    M("file-load-keeps-factors", "files/ParameterFile.cpp",
      "    LimitRules::UpdateLimitsKeepingValues(m_config);\n    return loaded;",
      "    return loaded;",
      "a loaded file leaves factors and limits at the decimal places and scaling before it",
      ["test_parameterfile"]),
    M("base-parse-c-locale", "base/NumberText.cpp",
      "double ParseCNumber(const std::string& text) {\n",
      "double ParseCNumber(const std::string& text) {\n"
      "    return std::strtod(text.c_str(), nullptr);\n",
      "numbers are read under the C library's locale, so a German process locale stops them "
      "at the decimal point", ["test_numbertext"]),
    M("model-places-cut", "model/LimitRules.cpp",
      "std::clamp(std::nearbyint(static_cast<double>(places)), 0.0, 4.0)",
      "std::clamp(std::trunc(static_cast<double>(places)), 0.0, 4.0)",
      "decimal places between whole numbers are cut instead of rounded as the device keeps them",
      ["test_limitrules"]),
    M("model-default-notifies", "model/cParameter.cpp",
      "    m_value = static_cast<float>(m_defaultValue);\n}",
      "    m_value = static_cast<float>(m_defaultValue);\n    Notify();\n}",
      "restoring one parameter's default refreshes the views on its own", ["test_parameter"]),
    M("base-findings-one-more", "base/MessageService.cpp",
      "i < findings.size() && i < shown", "i < findings.size() && i <= shown",
      "a box of findings lists one more than its limit before the count of the rest",
      ["test_parameterfile"]),
    M("model-byte-count-parameters", "model/Configuration.cpp",
      "{ m_totalByteCount += p.Size(); }", "{ ++m_totalByteCount; }",
      "the transfer total counts parameters instead of device bytes", ["test_catalogue"]),
    M("file-link-beside-link", "base/FileContentPosix.cpp",
      "link = current.substr(0, slash + 1) + link;", "link = current.substr(0, slash) + link;",
      "a relative link's target is looked for beside the folder instead of in it, so the link "
      "is replaced by a new file", ["test_filecontent"]),
    M("file-pipe-taken", "base/FileContentPosix.cpp",
      "return S_ISREG(info.st_mode) ? \"\" : NotRegular();",
      "return S_ISCHR(info.st_mode) ? NotRegular() : \"\";",
      "only devices are refused: a pipe is read and written as a file", ["test_filecontent"]),
    M("file-temp-left", "base/FileContentPosix.cpp",
      "    unlink(temp.c_str());\n    return OldFileKept(ErrorText(error));",
      "    return OldFileKept(ErrorText(error));",
      "a failed write leaves its temporary file beside the old one", ["test_filecontent"]),
    M("report-pdf-name-case", "cli/ReportCommand.cpp",
      "    std::transform(extension.begin(), extension.end(), extension.begin(),\n"
      "                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });\n",
      "", "a report file named .PDF is written as text", ["test_reportpdf", "test_cli"]),
    M("report-no-opens-dialog", "ui/main/ReportPrinting.cpp",
      "!= MsgAnswer::Yes)", "== MsgAnswer::Cancel)",
      "the answer No to saving the report as PDF still opens the file dialog",
      ["test_windowcommands"]),
    M("report-twelve-hour-midnight", "base/PatternRegionalSettings.cpp",
      "Number((v.hour + 11) % 12 + 1,", "Number(v.hour % 12,",
      "a 12-hour clock shows midnight and noon as 0", ["test_patternregionalsettings"]),
    M("cli-options-group-english", "commandline/ProgramCli.cpp",
      "    app.option_defaults()->group(\"Optionen\");\n", "",
      "the help lists the options under the English heading", ["test_cli"]),
    M("cli-eeprom-write-fail-exit0", "cli/FirmwareCommands.cpp",
      "    return EepromTransfer::Transferred(results) == kEepromSize;",
      "    return EepromTransfer::Transferred(results) > 0;",
      "eeprom-write exits 0 after naming cells that failed", ["test_cli_device"]),
    M("file-16mib-refused", "base/FileContentPosix.cpp",
      "static_cast<std::uintmax_t>(info.st_size) > kMaxFileContent",
      "static_cast<std::uintmax_t>(info.st_size) >= kMaxFileContent",
      "a file of exactly 16 MiB is refused as too large", ["test_filecontent"]),
    M("app-installed-folder", "app/SettingsFiles.cpp", '"../share/nivoconfig/"', '"../share/"',
      "the installed settings file is looked for in share/ instead of share/nivoconfig/",
      ["test_settingsfiles"]),
    M("app-xdg-relative", "base/ProgramInfoPosix.cpp", "if (xdg && xdg[0] == '/')",
      "if (xdg && xdg[0] != '\\0')", "a relative XDG_CONFIG_HOME is taken as the config folder",
      ["test_settingsfiles"]),
    M("app-start-error-icon", "app/basMain.cpp",
      "ShowMessage(text, MsgIcon::None);", "ShowMessage(text, MsgIcon::Critical);",
      "a failed start shows its box with the error icon and title", ["test_programstart"]),
    M("report-refusal-counts", "report/ConfigurationReport.cpp",
      "                    MsgIcon::Information);\n        return false;",
      "                    MsgIcon::Information);\n        return true;",
      "a report refused for a faulty model counts as printed", ["test_configurationreport"]),
    M("app-no-file-beside-program", "app/SettingsFiles.cpp",
      "        return installed;\n    return program.PathInFolder(kFileName);",
      "        return installed;\n    return installed;",
      "a build tree's settings file beside the program is not found", ["test_settingsfiles"]),
    # Outputs of the newest features a user would notice wrong.
    M("app-compare-file-saved", "app/cNivolantis.cpp",
      "    return ParameterFile(other, ini, otherFileName).Read(fileName);",
      "    return KeepStateIf(ParameterFile(other, ini, otherFileName).Read(fileName));",
      "comparing with a file counts the window's edits as saved", ["test_compare"]),
    M("ui-compare-dialog-title", "ui/main/ToolbarCommands.cpp",
      '"Mit Parameterdatei vergleichen"),', '"Parameterdatei öffnen"),',
      "the comparison's file dialog is titled as if it opened the file", ["test_compare"]),
    M("app-write-names-no-file", "app/cNivolantis.cpp",
      'Keep("Konfiguration schreiben", m_fileName,', 'Keep("Konfiguration schreiben", "",',
      "the record's line of a device write names no file", ["test_recordedoperations"]),
    M("ui-error-value-in-ma", "ui/main/FieldBindings.cpp",
      '{"txtOutOnError", "Ausgang/Fehlerwert", F::Output}',
      '{"txtOutOnError", "Ausgang/Fehlerwert", F::TwoDecimals}',
      "the error value and its limits stay in mA when the output shows volts",
      ["test_mainwindow"]),
    M("ui-fit-least-width", "ui/main/frmMain.cpp", "setMinimumSize(least.boundedTo(room));",
      "setMinimumSize(QSize(least.width(), std::min(least.height(), room.height())));",
      "on a narrow screen the window keeps the toolbar's width and opens wider than the screen",
      ["test_screenfit_tiny"]),
    M("ui-choice-note-stays", "ui/main/CompareMarks.cpp", "        if (tip.endsWith(marked.note)) {",
      "        if (tip.endsWith(kNoteSeparator + marked.note)) {",
      "a marked list's tool tip keeps the compared value after the marks end", ["test_compare"]),
    M("coding-256-fits", "device/EepromCoding.cpp",
      "raw >= (std::int32_t{1} << (8 * size))", "raw > (std::int32_t{1} << (8 * size))",
      "256 passes as fitting one byte (the device gets 0)", ["test_devicetransfer"]),
    M("cli-lang-equals", "commandline/ProgramCli.cpp", "value = argument.substr(7);",
      "value = argument.substr(6);", "--lang=en leaves the texts German", ["test_cli"]),
    M("cli-no-command-unexpected", "cli/main.cpp",
      "missing && !unknown.empty() ? cli.exit(", "missing ? cli.exit(",
      "a call without a command is told an unexpected empty argument", ["test_cli"]),
    M("cli-since-day-cut", "cli/RecordCommand.cpp",
      "field(CommissioningRecord::kTimeField).substr(0, 10)",
      "field(CommissioningRecord::kTimeField).substr(0, 9)",
      "record --since compares nine characters of the time, which sort before the whole day: "
      "the lines of the chosen day drop out", ["test_cli_record"]),
    M("ui-settings-equals", "ui/StartArguments.cpp",
      '(name == "--screenshots" || name == "--settings" || name == "--lang")',
      '(name == "--screenshots" || name == "--lang")',
      "NivoConfig --settings=FILE starts with the user's settings instead", ["test_openfile"]),
    M("ui-redo-tip-undo", "ui/main/EditHistory.cpp", "redo->setToolTip(m_stack.redoText());",
      "redo->setToolTip(m_stack.undoText());", "Wiederherstellen's tool tip names the step "
      "Rückgängig would take back", ["test_windowcommands"]),
    M("app-trace-failure-checked", "app/cNivolantis.cpp",
      "        failure = TraceInto(on ? TraceFile() : \"\");\n    Notify();",
      "        failure = TraceInto(on ? TraceFile() : \"\");",
      "a trace that could not start still shows as switched on", ["test_windowcommands"]),
    # Outputs of recent folders, network ports, port discovery, cancelling and escaping.
    M("ui-recent-folder-gone", "ui/RecentFolders.cpp",
      "        if (QFileInfo(folder).isDir())\n            return QDir::toNativeSeparators(folder);",
      "        return QDir::toNativeSeparators(folder);",
      "a file dialog starts in a kept folder that has since been removed", ["test_openfile"]),
    M("qt-dialog-folder-ignored", "platform/QtFileDialogs.cpp",
      "dialog.setDirectory(options.folder.isEmpty() ? QDir::currentPath() : options.folder);",
      "dialog.setDirectory(QDir::currentPath());",
      "the file dialogs start in the working folder, not in the folder kept for their kind",
      ["test_qtplatform"]),
    M("net-comport-refusal-waited", "device/NetworkSerialPort.cpp",
      "while (!m_telnet->SettingsAnswered() && !m_telnet->ComPortRefused()) {",
      "while (!m_telnet->SettingsAnswered()) {",
      "a server without the COM port is waited for and blamed for not confirming the settings",
      ["test_networkserialport"]),
    M("net-other-speed-taken", "device/NetworkSerialPort.cpp",
      "    if (!m_telnet->SettingsConfirmed())\n", "    if (!m_telnet->SettingsAnswered())\n",
      "a server whose line keeps another speed is taken, and the device is asked at that speed",
      ["test_networkserialport"]),
    M("app-connection-kind-cut", "app/cNivolantis.cpp", '" (" + EscapedText(kind, kMaxPathShown)',
      '" (" + EscapedText(kind)', "the connection panel's tip cuts an adapter's name at 64 bytes",
      ["test_portdiscovery"]),
    M("dev-cancel-not-told", "device/DeviceTransfer.cpp",
      "        Tell(Tr(kContext, cancelled), MsgIcon::Information, title);",
      "        ShowMessage(Tr(kContext, cancelled), MsgIcon::Information, title);",
      "a cancelled read is shown but its message is not kept: the record's line has none",
      ["test_devicetransfer"]),
    M("esc-c1-kept", "base/Text.cpp",
      "        if (sequence == 2 && c == 0xC2 && static_cast<unsigned char>(shown[i + 1]) < 0xA0)\n"
      "            sequence = 0; // C1 controls (U+0080 to U+009F): a terminal takes U+009B "
      "for CSI\n", "",
      "C1 controls pass unescaped as valid UTF-8, U+009B (a terminal's CSI) among them",
      ["test_text"]),
    M("esc-last-byte-unchecked", "base/Text.cpp", "for (std::size_t i = 2; i < length; ++i)",
      "for (std::size_t i = 2; i + 1 < length; ++i)",
      "the last byte of a three- or four-byte character is not checked: a letter after the first "
      "two bytes of a euro sign passes as its end", ["test_text"]),
    M("record-field-64", "files/CommissioningRecord.cpp",
      "    return EscapedText(text, kMaxOutsideText);", "    return EscapedText(text);",
      "the record cuts every field from outside at 64 bytes, long file paths too",
      ["test_commissioningrecord"]),
]

SLOW = ["test_faultmatrix"]  # minutes of time-outs: with the window tests in the last phase
# These check the fault list, the layout of the sources, the translations and the installed tree
# (which needs every target built, the manual page too): a planted fault changes the first two by its nature, and none
# of them runs the program.
NOT_FOR_FAULTS = ["check_mutants", "check_format", "check_install", "check_layers",
                  "check_layer_build", "check_translations"]
PROGRAMS = ["nivoconfig-cli", "nivosim", "nivobench", "NivoConfig"]  # the tests run these


def run(cmd, cwd, log, env=None):
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        try:
            return subprocess.run(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT, env=env,
                                  timeout=3600).returncode
        except subprocess.TimeoutExpired:
            out.write("time-out\n")
            return -1


def check_list(root=ROOT):
    """Every fault must match its file exactly once; ids must be unique."""
    bad = []
    seen = set()
    for m in MUTANTS:
        if m.id in seen:
            bad.append(f"{m.id}: the id is used twice")
        seen.add(m.id)
        path = os.path.join(root, m.path)
        if not os.path.isfile(path):
            bad.append(f"{m.id}: {m.path} does not exist")
            continue
        with open(path, encoding="utf-8") as f:
            count = f.read().count(m.old)
        if count != 1:
            bad.append(f"{m.id}: {m.path} holds the original {count} times")
    return bad


def suite(build):
    """Every test with its labels and the program it runs (None for a script such as
    check_format): a target named like the test, or like its start (test_regionalwindow_en)."""
    help_text = subprocess.run(["cmake", "--build", build, "--target", "help"],
                               capture_output=True, text=True, check=True).stdout
    targets = set(re.findall(r"^\.\.\. (\S+)", help_text, re.M))
    out = subprocess.run(["ctest", "--test-dir", build, "--show-only=json-v1"],
                         capture_output=True, text=True, check=True).stdout
    tests = {}
    for test in json.loads(out)["tests"]:
        name = test["name"]
        props = {p["name"]: p["value"] for p in test.get("properties", [])}
        starts = [t for t in targets if name == t or name.startswith(t + "_")]
        tests[name] = {"labels": props.get("LABELS", []),
                       "target": max(starts, key=len) if starts else None}
    return tests


def phases(m, tests):
    """The tests to run for a fault, in order: its first tests, the other fast ones, then the
    window tests and the fault matrix."""
    ours = {t: p for t, p in tests.items() if t not in NOT_FOR_FAULTS and t not in m.first}
    fast = [t for t, p in ours.items() if set(p["labels"]) & {"unit", "serial"} and t not in SLOW]
    slow = [t for t, p in ours.items()
            if t not in fast and set(p["labels"]) & {"unit", "serial", "gui"}]
    return [("first", [t for t in m.first if t in tests]), ("fast", fast), ("slow", slow)]


def failed_tests(log):
    """The ctest names of the tests that failed in the last ctest run of the log."""
    with open(log) as f:
        return set(re.findall(r"\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess|Exception|"
                              r"Child aborted|Not Run)", f.read().rsplit("$ ctest", 1)[-1]))


def failed_cases(tests, xml_dir, log):
    """GoogleTest cases that failed ("Suite.Case"); a test that failed without naming a case (a
    crash, a time-out, a script) counts under its ctest name."""
    cases = set()
    for test in failed_tests(log):
        target = tests.get(test, {}).get("target")
        report = os.path.join(xml_dir, f"{target}.xml")
        found = set()
        if target and os.path.isfile(report):
            try:
                for case in ET.parse(report).iter("testcase"):
                    if case.find("failure") is not None:
                        found.add(f"{case.get('classname')}.{case.get('name')}")
            except ET.ParseError:
                pass
        cases |= found or {test}
    return cases


def run_tests(tests, names, scratch, build, log):
    """Builds and runs `names`; the failing cases, or {"build"} when the fault does not build."""
    targets = sorted({tests[t]["target"] for t in names if tests[t]["target"]})
    if targets and run(["cmake", "--build", build, "-j2", "--target"] + targets + PROGRAMS,
                       scratch, log) != 0:
        return {"build"}
    xml_dir = os.path.join(build, "mutate-xml")
    shutil.rmtree(xml_dir, ignore_errors=True)
    os.makedirs(xml_dir)
    env = dict(os.environ, GTEST_OUTPUT=f"xml:{xml_dir}/")
    regex = "^(" + "|".join(re.escape(t) for t in names) + ")$"
    rc = run(["ctest", "--test-dir", build, "-R", regex, "-j2", "--timeout", "600"], scratch, log,
             env)
    return failed_cases(tests, xml_dir, log) or ({"ctest"} if rc != 0 else set())


def planted_run(m, tests, scratch, build, log, full):
    """The phase that caught the fault ("" when none did), the cases that failed in it and the
    ctest names of the tests that failed."""
    path = os.path.join(scratch, m.path)
    with open(path, encoding="utf-8") as f:
        original = f.read()
    caught_in, cases, failing = "", set(), set()
    try:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original.replace(m.old, m.new, 1))
        for phase, names in phases(m, tests):
            if not names:
                continue
            failed = run_tests(tests, names, scratch, build, log)
            if failed == {"build"}:
                return "build", ["build"], set()
            if failed and not caught_in:
                caught_in = phase
            cases |= failed
            failing |= (failed_tests(log) or set(names)) if failed else set()
            if caught_in and not full:
                break
        return caught_in, sorted(cases), failing
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)


def test_fault(m, tests, scratch, build, log, full):
    """The verdict ("caught", "missed", "does not build", "undecided"), the phase that caught the
    fault and the cases that failed in it. A catch counts only when the failing tests pass on the
    unplanted tree; otherwise they flaked, and the fault is tried once more."""
    flakes = set()
    for _ in range(2):
        phase, cases, failing = planted_run(m, tests, scratch, build, log, full)
        if phase == "build":
            return "does not build", "", [], flakes
        if not phase:
            return "missed", "", cases, flakes
        flaked = set(run_tests(tests, sorted(failing), scratch, build, log)) and failed_tests(log)
        if not flaked:
            return "caught", phase, cases, flakes
        flakes |= flaked
    return "undecided", phase, cases, flakes


def only_catchers(record):
    """Cases that catch some fault no other case catches, and those that catch none alone."""
    counted = [r for r in record if not r["harmless"] and r["verdict"] == "caught"]
    every = sorted({c for r in counted for c in r["cases"]})
    sole = {c for r in counted if len(r["cases"]) == 1 for c in r["cases"]}
    return sole, [c for c in every if c not in sole]


def print_summary(record, full):
    print(f"\n{'verdict':14} {'phase':6} {'fault':26} {'file':36} caught by")
    for r in record:
        cases = ", ".join(r["cases"][:3]) + (f" (+{len(r['cases']) - 3})"
                                              if len(r["cases"]) > 3 else "")
        print(f"{r['verdict']:14} {r['phase'] or '-':6} {r['id']:26} {r['path']:36} {cases}")
    counted = [r for r in record
               if not r["harmless"] and r["verdict"] in ("caught", "missed")]
    caught = sum(1 for r in counted if r["verdict"] == "caught")
    print(f"\ncaught {caught} of {len(counted)} planted faults "
          f"({100.0 * caught / max(1, len(counted)):.0f} %); left out of the rate: harmless "
          f"{sum(1 for r in record if r['harmless'])}, does not build "
          f"{sum(1 for r in record if r['verdict'] == 'does not build')}, undecided "
          f"{sum(1 for r in record if r['verdict'] == 'undecided')}")
    for r in record:
        if r["verdict"] != "caught":
            print(f"  {r['verdict']}: {r['id']} ({r['what']})" +
                  (f" - harmless: {r['harmless']}" if r["harmless"] else ""))
    flakes = sorted({t for r in record for t in r["flakes"]})
    if flakes:
        print("flakes (failed on the unplanted tree too): " + ", ".join(flakes))
    per_case = {}
    for r in record:
        if not r["harmless"] and r["verdict"] == "caught":
            for case in r["cases"]:
                per_case.setdefault(case, []).append(r)
    print(f"\n{'faults':>6} {'alone':>5}  test case")
    for case, faults in sorted(per_case.items(), key=lambda item: (-len(item[1]), item[0])):
        alone = sum(1 for r in faults if len(r["cases"]) == 1)
        print(f"{len(faults):6} {alone:5}  {case}")
    sole, redundant = only_catchers(record)
    print("\ntest cases that catch no fault alone (every fault they catch is caught elsewhere"
          + ("" if full else "; within the phase that caught it - use --full for all") + "):")
    for case in redundant:
        print(f"  {case}")
    print(f"({len(sole)} cases are the only one to catch some fault)")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--check-list", action="store_true",
                        help="only check that every fault still matches its file once")
    parser.add_argument("--only", nargs="*", help="fault ids to plant")
    parser.add_argument("--full", action="store_true",
                        help="run every phase for every fault: the complete record")
    parser.add_argument("--scratch", default="/tmp/nivo-mutate")
    parser.add_argument("--record", default=None,
                        help="JSON record (default: mutate-record.json in the build folder)")
    parser.add_argument("--keep", action="store_true", help="keep the scratch tree")
    args = parser.parse_args()

    bad = check_list()
    if bad:
        print("The fault list no longer matches the sources:\n  " + "\n  ".join(bad))
        return 2
    if args.check_list:
        print(f"{len(MUTANTS)} faults, each matching its file once")
        return 0
    if args.list:
        for m in MUTANTS:
            print(f"{m.id:26} {m.path:36} {m.what}" + (f"  [harmless: {m.harmless}]"
                                                        if m.harmless else ""))
        print(f"{len(MUTANTS)} faults in {len({m.path.split('/')[0] for m in MUTANTS})} folders")
        return 0
    unknown = set(args.only or []) - {m.id for m in MUTANTS}
    if unknown:
        print("unknown fault ids: " + " ".join(sorted(unknown)))
        return 2

    scratch, build = os.path.abspath(args.scratch), os.path.join(args.scratch, "build")
    log = os.path.join(build, "mutate-log.txt")
    record_file = args.record or os.path.join(build, "mutate-record.json")
    created = not os.path.isdir(scratch)
    commit = subprocess.run(["git", "rev-parse", "HEAD"], cwd=ROOT, check=True,
                            capture_output=True, text=True).stdout.strip()
    if created:
        subprocess.run(["git", "worktree", "add", "--detach", scratch, commit], cwd=ROOT,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    else:  # a killed run may have left a fault planted
        for cmd in (["git", "checkout", "--detach", "--force", commit],
                    ["git", "clean", "-fdq", "--exclude=build/"]):
            subprocess.run(cmd, cwd=scratch, check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
    if check_list(scratch):
        print(f"{scratch} is not a clean copy of the sources the list was made for")
        return 2
    # Every fault relinks the programs twice; lld links them in a quarter of ld's time.
    lld = ["-DCMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO=-fuse-ld=lld"] if shutil.which("ld.lld") else []
    subprocess.run(["cmake", "--preset", "default"] + lld, cwd=scratch, check=True,
                   stdout=subprocess.DEVNULL)
    tests = suite(build)
    for m in MUTANTS:
        if set(m.first) - set(tests):
            print(f"{m.id}: no such test {' '.join(sorted(set(m.first) - set(tests)))}")
    # A sound tree first: a fault counts only against tests that pass without it.
    print(f"building and testing the unplanted tree (log: {log}) ...", flush=True)
    everything = [t for t, p in tests.items()
                  if set(p["labels"]) & {"unit", "serial", "gui"} and t not in NOT_FOR_FAULTS]
    if run_tests(tests, everything, scratch, build, log):
        with open(log, encoding="utf-8", errors="replace") as f:
            timed_out = f.read().endswith("time-out\n")
        print("a command on the unplanted tree ran out of its hour" if timed_out
              else "the tree fails without any fault", f"; see {log}", sep="")
        return 2

    record = []
    for m in (m for m in MUTANTS if not args.only or m.id in args.only):
        start = time.time()
        verdict, phase, cases, flakes = test_fault(m, tests, scratch, build, log, args.full)
        record.append({"id": m.id, "path": m.path, "what": m.what, "harmless": m.harmless,
                       "verdict": verdict, "phase": phase, "cases": cases,
                       "flakes": sorted(flakes)})
        print(f"{verdict:14} {phase or '-':6} {m.id:26} "
              f"{time.time() - start:5.0f} s  {m.what}", flush=True)
        if cases:
            print(textwrap.fill(", ".join(cases), 100, initial_indent=" " * 8,
                                subsequent_indent=" " * 8), flush=True)
        with open(record_file, "w", encoding="utf-8") as f:
            json.dump({"commit": commit, "full": args.full, "faults": record}, f, indent=1,
                      ensure_ascii=False)
    print_summary(record, args.full)
    print(f"\nrecord: {record_file}")
    if not created:  # a tree of one's own: its programs were last built with a fault in them
        run(["cmake", "--build", build, "-j2"], scratch, log)
    if created and not args.keep:
        subprocess.run(["git", "worktree", "remove", "--force", scratch], cwd=ROOT,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return 0


if __name__ == "__main__":
    sys.exit(main())
