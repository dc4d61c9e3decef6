#!/usr/bin/env bash
# The layer table of the architecture document names the folders and ranks that
# the layers file declares, no more and no fewer.
#   docs_agree.sh LAYERS_FILE ARCHITECTURE_MD
set -euo pipefail
layers=$1 docs=$2

declared=$(awk '!/^#/ && NF >= 2 { print $1, $2 }' "$layers" | sort)
# Rows "| rank | `folder/`, `other/` | ...": each folder named in the second cell.
documented=$(awk -F'|' '$2 ~ /^ *[0-9]+ *$/ {
        rank = $2; gsub(/ /, "", rank)
        cell = $3
        while (match(cell, /`[a-z]+\/`/)) {
            print rank, substr(cell, RSTART + 1, RLENGTH - 3)
            cell = substr(cell, RSTART + RLENGTH)
        }
    }' "$docs" | sort)

if [[ $declared != "$documented" ]]; then
    echo "docs/architecture.md's layer table and $layers disagree (< declared, > documented):"
    diff <(echo "$declared") <(echo "$documented") | grep '^[<>]' || true
    exit 1
fi
echo "the layer table names the $(wc -l <<<"$declared") declared folders at their ranks"
