#!/usr/bin/env bash
# Runs the serial and GUI suites, and the tests of writing files, once more as an ordinary user,
# the way a technician meets the program: no right to open what belongs to others, write
# protection enforced by the system and not only by the program, Qt without root's home.
# Runs as root after the build (./test.sh); the user "nivotest" is created when missing, without
# a home, a login shell or any extra group. Extra arguments go to ctest.
# Usage: scripts/test-as-user.sh [CTEST-ARGUMENTS...]
set -euo pipefail
cd "$(dirname "$0")/.."
source_dir=$PWD
user=nivotest

if [ "$(id -u)" -ne 0 ]; then
    echo "test-as-user: needs root to create '$user' and to run the tests as that user." >&2
    exit 1
fi
if [ ! -f build/CTestTestfile.cmake ]; then
    echo "test-as-user: no build in build/; run ./test.sh first." >&2
    exit 1
fi
if ! id -u "$user" >/dev/null 2>&1; then
    useradd -M -d /nonexistent -s /usr/sbin/nologin "$user"
fi
scripts/install-missing.sh acl
as_user() { runuser -u "$user" -- "$@"; }

# The clone may sit below folders only root may enter (/root is 0700). The user gets the right
# to pass through each of them (x, not r: no listing) by an ACL entry of its own, so no other
# account gains anything, and the entries go again when the run ends.
# The ACLs as they were are kept in a file of root's, never in one the user may change.
acls=""
work=""
cleanup() {
    if [ -s "$acls" ]; then
        setfacl --restore="$acls" || true
    fi
    rm -rf "$acls" "$work"
}
trap cleanup EXIT
acls=$(mktemp /tmp/nivo-acls-XXXXXX)
work=$(mktemp -d /tmp/nivo-user-XXXXXX)
# From / downwards, so that a folder is judged only once the user can reach it.
IFS=/ read -ra parts <<<"$source_dir"
dir=""
for part in "${parts[@]}"; do
    [ -n "$part" ] || continue
    dir="$dir/$part"
    if ! as_user test -x "$dir"; then
        getfacl -p "$dir" >>"$acls" 2>/dev/null
        setfacl -m "u:$user:x" "$dir"
    fi
done
for needed in build/bin/nivoconfig-cli build/tests tests/ui/lsan.supp; do
    if ! as_user test -r "$needed"; then
        echo "test-as-user: '$user' cannot read $source_dir/$needed (umask?)." >&2
        exit 1
    fi
done

# The build tree stays root's and read-only for the user: ctest reads a copy of the test lists
# and keeps its logs in the user's own folder. The test programs run from build/ as built.
(cd build && find . -name CTestTestfile.cmake -exec cp --parents {} "$work/" \;)
mkdir -m 0700 "$work/home" "$work/runtime"
chown -R "$user:" "$work"

# Qt wants a home and a private runtime folder; the user has neither of its own.
run_ctest() {
    as_user env GTEST_FILTER="${GTEST_FILTER:-*}" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CONFIG_HOME="$work/home/.config" \
        ctest --test-dir "$work" --output-on-failure "$@"
}
# Only the tests whose outcome depends on who runs them; the rest ran as root already.
#   ports:      a port the user may not open, and its message (serialport, portdiscovery,
#               windowcommands); a port another program holds (cli_device)
#   files:      write protection that the system enforces, not the program (filecontent,
#               parameterfile, inifile, openfile)
#   record:     the user's state folder and its rights (commissioningrecord, cli_record,
#               recordedoperations)
#   settings:   the user's own settings file (settingsfiles)
#   no home:    Qt without a home folder of the user's (programstart, mainwindow, qtplatform)
user_tests='serialport|portdiscovery|windowcommands|cli_device|filecontent|parameterfile|inifile'
user_tests+='|openfile|commissioningrecord|cli_record|recordedoperations|settingsfiles'
user_tests+='|programstart|mainwindow|qtplatform'
echo "test-as-user: running as $(as_user id)"
run_ctest -j2 -R "^test_($user_tests)\$" "$@"
# Of the fault matrix, the rows where another program holds the port.
GTEST_FILTER='*HeldByAnotherProgram*' run_ctest -R '^test_faultmatrix$' "$@"
