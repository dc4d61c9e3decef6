#!/usr/bin/env bash
# Checks that every include runs down the layers, and that no toolkit-free folder
# includes a Qt header. The build enforces the same through its targets; this says
# it of every file, headers that nothing compiles included, with the place named.
#   tools/check_layers.sh [ROOT]     exit 0 when clean, 1 with one line a fault
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

# The rank of each folder: a file may include its own folder and folders of a lower
# rank; folders of equal rank do not include each other. Keep docs/architecture.md
# in step.
declare -A rank=(
    [common]=0 [platform]=1 [yeardata]=2 [chartinput]=3 [screenchart]=4 [plot]=4 [comparechart]=4 [control]=5
    [canvas]=6 [fileout]=6 [recording]=7 [hostkit]=7 [pagewriter]=7 [raster]=7 [qt]=8 [records]=9 [record]=10 [yearhost]=10
    [yearbook]=11 [apps]=12 [python]=12 [web]=12 [examples]=12 [fuzz]=13 [tests]=13 [bench]=14
)
# Folders that must build without any toolkit.
toolkit_free=" common platform yeardata chartinput screenchart plot comparechart control canvas fileout recording hostkit pagewriter raster records record yearhost yearbook web python "

include_re='^[[:space:]]*#[[:space:]]*include[[:space:]]*(["<])([^">]+)[">]'
qt_re='^(Q[A-Za-z0-9_]*|Qt[A-Za-z0-9_]*/.*)$'

faults=0
while IFS= read -r -d '' file; do
    folder=${file%%/*}
    [[ -n ${rank[$folder]+x} ]] || continue
    mine=${rank[$folder]}
    n=0
    while IFS= read -r line; do
        n=$((n + 1))
        [[ $line =~ $include_re ]] || continue
        kind=${BASH_REMATCH[1]} target=${BASH_REMATCH[2]}
        if [[ $kind == '<' ]]; then
            if [[ $toolkit_free == *" $folder "* && $target =~ $qt_re ]]; then
                echo "$file:$n: Qt header <$target> in the toolkit-free layer $folder"
                faults=$((faults + 1))
            fi
            continue
        fi
        if [[ $target == ../* || $target == */../* ]]; then
            echo "$file:$n: \"$target\" climbs out of its folder; name the layer instead"
            faults=$((faults + 1))
            continue
        fi
        other=${target%%/*}
        [[ $target == */* && -n ${rank[$other]+x} && $other != "$folder" ]] || continue
        if ((rank[$other] >= mine)); then
            echo "$file:$n: $folder (layer $mine) includes \"$target\" of $other (layer ${rank[$other]})"
            faults=$((faults + 1))
        fi
    done <"$file"
done < <(find . -path "./build*" -prune -o -path ./.git -prune -o -type f \( -name '*.h' -o -name '*.cpp' \) -printf '%P\0')

if ((faults)); then
    echo "$faults include(s) against the layers (see docs/architecture.md)"
    exit 1
fi
echo "layers: every include runs downward"
