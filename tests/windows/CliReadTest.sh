#!/usr/bin/env bash
# Usage: CliReadTest.sh WINE_RUN WINEPREFIX CLI_EXE LINUX_CLI COM1_DEVICE WORK_DIR
# The Windows command line under wine reads the simulated device on COM1 into a file with an
# umlaut in its name, byte for byte the file that the Linux command line writes from the same
# device: Windows-1252, CR LF, decimal commas under a German locale; its report as text and as PDF.
set -uo pipefail
wine_run="$1" prefix="$2" cli_exe="$3" linux_cli="$4" device="$5" work="$6"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

locale -a | grep -qix 'de_DE.utf8' || { echo "locale de_DE.UTF-8 missing (localedef -i de_DE -f UTF-8 de_DE.UTF-8)"; exit 1; }
export LANG=de_DE.UTF-8
unset LC_ALL LC_NUMERIC LC_TIME
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

"$linux_cli" --port "$device" read -o linux.par || fail "Linux read, exit $?"
NIVO_WINE_TIMEOUT=120 "$wine_run" "$prefix" "$cli_exe" --port COM1 read -o "Anlage Süd.par" ||
    fail "Windows read, exit $?"
cmp linux.par "Anlage Süd.par" || fail "the files differ"
[ "$(grep -c $'\r$' linux.par)" -eq "$(wc -l <linux.par)" ] || fail "not every line ends in CR LF"
grep -q '^Unterer Grenzwert A=0,1'$'\r$' linux.par || fail "no decimal comma"
grep -aq $'^Sondenst\xf6rung.Anfang=' linux.par || fail "not Windows-1252"

NIVO_WINE_TIMEOUT=120 "$wine_run" "$prefix" "$cli_exe" report "Anlage Süd.par" >report.txt ||
    fail "text report, exit $?"
grep -q 'Unterer Grenzwert A' report.txt || fail "text report without the limits"
NIVO_WINE_TIMEOUT=120 "$wine_run" "$prefix" "$cli_exe" report -o "Anlage Süd.pdf" "Anlage Süd.par" ||
    fail "PDF report, exit $?"
[ "$(head -c 5 "Anlage Süd.pdf" 2>/dev/null)" = "%PDF-" ] || fail "report -o wrote no PDF file"

[ "$failures" -eq 0 ] && echo "Windows and Linux read the same file."
exit $((failures > 0))
