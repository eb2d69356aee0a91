#!/usr/bin/env python3
"""Checks the tests themselves: plants realistic faults in the core, one at a time, and reports
whether the unit and serial tests notice each of them.

Every fault is applied alone to a scratch copy of the tree (a detached git work tree of HEAD in
/tmp), which is rebuilt incrementally (ccache, one build folder for all faults) and tested: first
the tests most likely to notice the fault, then, if they pass, every unit and serial test but
the slow fault matrix. A fault is caught when a test fails (or the build refuses it), missed when
all pass. Faults that cannot matter carry the reason in `harmless` and do not count.

Usage: scripts/mutate.py [--list] [--keep] [--only ID...] [--scratch DIR]
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import time
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
    M("number-digits", "base/NumberText.cpp", '"%.7G"', '"%.6G"',
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
      ["test_devicetransfer", "test_parameter"]),
    M("int-range", "base/IntegerConversion.cpp",
      "rounded <= std::numeric_limits<Int>::max()", "rounded < std::numeric_limits<Int>::max()",
      "the largest integer counts as an overflow", ["test_devicetransfer", "test_assign"]),
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
      ["test_parameter", "test_assign"]),
    M("parameter-lower-clamp", "model/cParameter.cpp",
      "    m_lowerLimit = limit;\n    if (m_value < limit)\n        m_value = limit;\n",
      "    m_lowerLimit = limit;\n", "a raised lower limit leaves the value below it",
      ["test_limitrules", "test_parameter"]),
    M("parameter-message", "model/cParameter.cpp", "\"' ausserhalb \"", "\"' außerhalb \"",
      "the refusal message spelt differently", ["test_parameter", "test_assign"]),
    M("range-equal-ends", "model/cRange.cpp", "m_begin->Value() > m_end->Value()",
      "m_begin->Value() >= m_end->Value()", "a range whose ends are equal is refused",
      ["test_parameter", "test_catalogue", "test_assign"]),
    M("range-message", "model/cRange.cpp", "Bitte den Anfangs- oder den Endwert korrigieren.",
      "Bitte den Anfangs- oder Endwert korrigieren.", "range message worded differently",
      ["test_parameter", "test_assign", "test_devicetransfer"]),
    M("limits-five-digits", "model/LimitRules.cpp", "constexpr float kMaxScaled = 99999;",
      "constexpr float kMaxScaled = 9999;", "scaling limited to four digits",
      ["test_limitrules"]),
    M("limits-table-x", "model/LimitRules.cpp",
      "x.setUpperLimit(measuring.GetRangeEnd());", "x.setUpperLimit(measuring.GetRangeBegin());",
      "table X values limited by the wrong end of the measuring range", ["test_limitrules"]),
    M("check-stops-early", "model/Configuration.cpp", "failed = range.TestData() || failed;",
      "failed = failed || range.TestData();",
      "the whole-model check stops reporting after the first bad range",
      ["test_catalogue", "test_parameter", "test_assign"]),
    M("default-plant", "model/Configuration.cpp", 'm_descriptions[kDescriptionLines] = "Messung1";',
      'm_descriptions[kDescriptionLines] = "Messung";', "wrong default plant identifier",
      ["test_limitrules", "test_catalogue"]),
    M("catalogue-address", "model/Catalogue.cpp",
      'AddParameter("Skalenkomma", 4, 0, 4, 196, 1, 1)',
      'AddParameter("Skalenkomma", 4, 0, 4, 197, 1, 1)', "decimal places at the wrong address",
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
    M("par-checks-off", "files/ParameterFile.cpp",
      "    LimitRules::UpdateLimitsKeepingValues(m_config);\n    m_config.setEnableTestData(true);",
      "    LimitRules::UpdateLimitsKeepingValues(m_config);",
      "limit checks stay off after loading a file", ["test_parameterfile"]),
    M("par-missing-message", "files/ParameterFile.cpp", "\"' ist nicht vorhanden\"",
      "\"' nicht vorhanden\"", "missing-file message worded differently", ["test_parameterfile"]),
    M("cp1252-range", "files/Cp1252.cpp", "byte >= 0x80 && byte < 0xA0 ?",
      "byte >= 0x80 && byte < 0x9F ?", "byte 9F (Ÿ) not converted", ["test_inifile"]),
    M("ini-missing-name", "files/cIniFile.cpp",
      "        m_fileName.clear();\n        return OpenResult::Missing;",
      "        return OpenResult::Missing;", "a missing file leaves the old name remembered",
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
      "    m_serCom.MarkSeries(DeviceProtocol::kReadSeriesEnd);\n    return true;",
      "    return true;", "no \"B\" 255 after a read", ["test_devicetransfer"]),
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
    M("coding-truncates", "device/EepromCoding.cpp", "return ToInt32(product);",
      "return static_cast<std::int32_t>(product);", "device values truncated, not rounded",
      ["test_devicetransfer"]),
    M("grid-no-start-mark", "device/EepromTransfer.cpp",
      "    CellResults results{};\n    m_serCom.MarkSeries(DeviceProtocol::kSeriesStart);\n",
      "    CellResults results{};\n", "no \"B\" 0 before the grid read", ["test_eepromtransfer"]),
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
      "file.HighestDataAddress() >= static_cast<std::int64_t>(kSize)",
      "file.HighestDataAddress() > static_cast<std::int64_t>(kSize)",
      "a dump with a byte at 512 is accepted", ["test_eepromhexfile"]),
    # report/
    M("report-frame", "report/ConfigurationReport.cpp", "constexpr int kFrameRight = 2300;",
      "constexpr int kFrameRight = 2350;", "description frame too wide",
      ["test_configurationreport"]),
    M("report-signature", "report/ConfigurationReport.cpp", '"Parameter erstellt durch: "',
      '"Parameter erstellt von: "', "signature line worded differently",
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
      "views are notified while notification is off", ["test_programstart", "test_devicetransfer"]),
    M("app-units-off-by-one", "app/cNivolantis.cpp", "for (int i = 0; i < ToInt16(*number); ++i)",
      "for (int i = 0; i <= ToInt16(*number); ++i)", "one unit too many read",
      ["test_programstart", "test_catalogue"]),
]

SLOW = ["test_faultmatrix"]  # minutes of time-outs; a plain run of every fault is enough


def run(cmd, cwd, log, timeout=None):
    with open(log, "a") as out:
        out.write("$ " + " ".join(cmd) + "\n")
        out.flush()
        try:
            return subprocess.run(cmd, cwd=cwd, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=timeout).returncode
        except subprocess.TimeoutExpired:
            out.write("time-out\n")
            return -1


def check_list():
    """Every fault must match its file exactly once."""
    bad = []
    for m in MUTANTS:
        with open(os.path.join(ROOT, m.path), encoding="utf-8") as f:
            count = f.read().count(m.old)
        if count != 1:
            bad.append(f"{m.id}: {m.path} holds the original {count} times")
    return bad


def tests_with_labels(build):
    out = subprocess.run(["ctest", "--test-dir", build, "-N", "-L", "^(unit|serial)$"],
                         capture_output=True, text=True, check=True).stdout
    return re.findall(r"Test +#\d+: (\S+)", out)


def targets_of(tests):
    """Test executables to build (check_layers is a script); the CLI tests need the programs."""
    targets = [t for t in tests if t != "check_layers"]
    if any(t in ("test_cli", "test_firmwarecli", "test_k417simulator") for t in targets):
        targets += ["nivoconfig-cli", "nivosim"]
    return targets


def test_fault(m, scratch, build, everything, log):
    """caught / missed / broken (the planted code does not build)."""
    path = os.path.join(scratch, m.path)
    with open(path, encoding="utf-8") as f:
        original = f.read()
    try:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original.replace(m.old, m.new, 1))
        for tests in (m.first, [t for t in everything if t not in m.first and t not in SLOW]):
            if not tests:
                continue
            if run(["cmake", "--build", build, "-j2", "--target"] + targets_of(tests), scratch,
                   log) != 0:
                return "broken", "build"
            regex = "^(" + "|".join(re.escape(t) for t in tests) + ")$"
            rc = run(["ctest", "--test-dir", build, "-R", regex, "-j2", "--stop-on-failure",
                      "--timeout", "600", "--output-on-failure"], scratch, log)
            if rc != 0:
                with open(log) as f:
                    failed = re.findall(r"\d+ - (\S+) \((?:Failed|Timeout|SEGFAULT|Subprocess)",
                                        f.read())
                return "caught", failed[-1] if failed else "ctest"
        return "missed", ""
    finally:
        with open(path, "w", encoding="utf-8") as f:
            f.write(original)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--list", action="store_true", help="list the faults and stop")
    parser.add_argument("--only", nargs="*", help="fault ids to plant")
    parser.add_argument("--scratch", default="/tmp/nivo-mutate")
    parser.add_argument("--keep", action="store_true", help="keep the scratch tree")
    args = parser.parse_args()

    bad = check_list()
    if bad:
        print("The fault list no longer matches the sources:\n  " + "\n  ".join(bad))
        return 2
    if args.list:
        for m in MUTANTS:
            print(f"{m.id:24} {m.path:32} {m.what}" + (f"  [harmless: {m.harmless}]"
                                                        if m.harmless else ""))
        print(f"{len(MUTANTS)} faults in {len({m.path.split('/')[0] for m in MUTANTS})} folders")
        return 0

    scratch, build = args.scratch, os.path.join(args.scratch, "build")
    log = os.path.join(scratch + "-log.txt")
    if not os.path.isdir(scratch):
        subprocess.run(["git", "worktree", "add", "--detach", scratch, "HEAD"], cwd=ROOT,
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(["cmake", "--preset", "default"], cwd=scratch, check=True,
                   stdout=subprocess.DEVNULL)
    everything = tests_with_labels(build)
    # A sound tree first: a fault counts only against tests that pass without it.
    print("building and testing the unplanted tree ...", flush=True)
    if (run(["cmake", "--build", build, "-j2", "--target"] + targets_of(everything), scratch,
            log) != 0 or
            run(["ctest", "--test-dir", build, "-j2", "-L", "^(unit|serial)$", "-E",
                 "^(" + "|".join(SLOW) + ")$"], scratch, log) != 0):
        print(f"the tree fails without any fault; see {log}")
        return 2

    chosen = [m for m in MUTANTS if not args.only or m.id in args.only]
    results = []
    for m in chosen:
        start = time.time()
        verdict, by = test_fault(m, scratch, build, everything, log)
        results.append((m, verdict))
        print(f"{verdict:7} {m.id:24} {m.path:32} {by:26} {time.time() - start:5.0f} s  "
              f"{m.what}", flush=True)

    counted = [(m, v) for m, v in results if not m.harmless]
    caught = sum(1 for _, v in counted if v in ("caught", "broken"))
    print(f"\ncaught {caught} of {len(counted)} planted faults "
          f"({100.0 * caught / max(1, len(counted)):.0f} %)")
    for m, v in results:
        if v == "missed":
            print(f"  missed: {m.id} ({m.what})" + (f" - harmless: {m.harmless}" if m.harmless
                                                     else ""))
    if not args.keep:
        subprocess.run(["git", "worktree", "remove", "--force", scratch], cwd=ROOT,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return 0


if __name__ == "__main__":
    sys.exit(main())
