# What the shell checks of the installed tree and of the Debian packages
# share: the device library's C interface as it must be exported, a scratch
# folder, and counting failed checks. Sourced, not run.

# The sixteen functions of kv3rapi.h: exported as they stand, and each in
# the library package's symbols file since 1.1.0.
c_functions=(
    USBConnect USBDisconnect GetLastLibErr ReadCfg WriteCfg ResetFactoryDflts
    GetSonarParms SetSonarParms GetIdleParms SetIdleParms
    GetWalkAwayParms SetWalkAwayParms GetWalkUpParms SetWalkUpParms
    GetObjRangeInfo HaltKBSends
)

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Ends the check with its verdict: the failures counted, or `success`.
finish() {
    if [ $failures -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "$1"
}
