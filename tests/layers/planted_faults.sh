#!/usr/bin/env bash
# Plants faults in a small tree and expects the layer check to name each one at its
# line, and to pass the same tree once they are taken out.
#   planted_faults.sh CHECK_SCRIPT WORK_DIR
set -euo pipefail
check=$1 work=$2
rm -rf "$work" && mkdir -p "$work"/{common,yeardata,control,screenchart,plot,qt}
cd "$work"

printf '#pragma once\n#include "common/Text.h"\n' >yeardata/Store.h
printf '#include "yeardata/Store.h"\n#include <QString>\n' >qt/Widget.cpp       # Qt is fine in qt/
printf '#include <string>\n' >common/Text.h

plant() { printf '%s\n' "$2" >>"$1"; }
plant yeardata/Store.h '#include "control/TZenzu.h"'          # upward
plant common/Text.h '#include <QtCore/QString>'                # Qt in the core
plant screenchart/Grid.cpp '#include "plot/PageGrid.h"'        # sideways, same rank
plant control/TZenzu.cpp '#include "../qt/Widget.h"'           # climbing by path

set +e
out=$(bash "$check" "$work")
status=$?
set -e
echo "$out"
fail() { echo "FAILED: $*"; exit 1; }
((status == 1)) || fail "exit $status with faults planted, expected 1"
for expected in "yeardata/Store.h:3:" "common/Text.h:2:" "screenchart/Grid.cpp:1:" "control/TZenzu.cpp:1:"; do
    grep -qF "$expected" <<<"$out" || fail "no report for $expected"
done
[[ $(grep -c '^[a-z]*/[A-Za-z]*\.\(h\|cpp\):' <<<"$out") == 4 ]] || fail "expected exactly four reports"

# Taken out again, the same tree passes.
sed -i '$d' yeardata/Store.h common/Text.h
rm screenchart/Grid.cpp control/TZenzu.cpp
bash "$check" "$work" || fail "the clean tree was refused"
echo "4 planted faults named, clean tree passed"
