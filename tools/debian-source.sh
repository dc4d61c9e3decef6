#!/usr/bin/env bash
# debian-source.sh PACKAGE DEST: unpacks Debian's source package PACKAGE (with its
# Debian patches applied) into DEST/PACKAGE, once. apt-get source reads its own
# list of source archives kept under DEST, so the machine's apt configuration is
# left as it is. Prints the unpacked folder.
set -euo pipefail
package=$1
dest=$(mkdir -p "$2" && cd "$2" && pwd)
if [[ -f $dest/$package/.unpacked ]]; then
    echo "$dest/$package"
    exit 0
fi

state=$dest/.apt
mkdir -p "$state/lists/partial" "$state/cache/archives/partial" "$state/parts"
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
cat >"$state/parts/debian-sources.sources" <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $suite
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
apt_options=(-o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$state/parts"
    -o "Dir::State::Lists=$state/lists" -o "Dir::Cache=$state/cache" -o "APT::Sandbox::User=root")
if ! compgen -G "$state/lists/*Sources*" >/dev/null; then
    apt-get "${apt_options[@]}" -qq update >&2
fi

work=$dest/.work-$package
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get "${apt_options[@]}" -qq source "$package" >&2)
unpacked=$(find "$work" -mindepth 1 -maxdepth 1 -type d | head -n 1)
[[ -n $unpacked ]] || { echo "debian-source.sh: $package did not unpack" >&2; exit 1; }
rm -rf "${dest:?}/$package"
mv "$unpacked" "$dest/$package"
rm -rf "$work"
touch "$dest/$package/.unpacked"
echo "$dest/$package"
