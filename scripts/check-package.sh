#!/usr/bin/env bash
# Builds the Debian package (`make package`) and checks it as a user gets it:
# its control fields, lintian, the desktop entry and AppStream validators,
# the files it holds, and the unpacked programs run from a folder that has no
# data/, so that they must find the data unpacked with them.
# Exits non-zero at the first thing that is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
preset=${PRESET:-release}
build=$repo/build/$preset

fail() {
  echo "check-package: FAILED: $*" >&2
  exit 1
}
ok() { echo "check-package: ok: $*"; }

make package PRESET="$preset"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $build/CMakeCache.txt"
deb=$build/chemeng_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no package $deb"
echo "check-package: $deb"

# --- Control fields -------------------------------------------------------------
field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == chemeng ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version '$(field Version)' is not $version"
[[ $(field Section) == science ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == *@* ]] || fail "Maintainer '$(field Maintainer)' has no address"
[[ -n $(field Description) ]] || fail "no Description"
# dpkg-shlibdeps names the packages of the linked libraries.
for dependency in libc6 libstdc++6 libqt6widgets6; do
  [[ $(field Depends) == *"$dependency"* ]] || fail "Depends lacks $dependency: $(field Depends)"
done
ok "control: $(field Package) $(field Version), Depends: $(field Depends)"

# --- lintian ----------------------------------------------------------------------
# Informational tags are shown too; errors and warnings fail the check.
echo "check-package: lintian --display-info"
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"
ok "lintian: no errors, no warnings"

# --- Contents ---------------------------------------------------------------------
root=$(mktemp -d)
work=$(mktemp -d)
trap 'rm -rf "$root" "$work"' EXIT
dpkg-deb -x "$deb" "$root"
app_id=$(sed -n 's/^set(CHEMENG_APP_ID "\(.*\)")$/\1/p' cmake/version.cmake)
[[ -n $app_id ]] || fail "no CHEMENG_APP_ID in cmake/version.cmake"

expected=(
  usr/bin/chemeng
  usr/bin/chemeng-cli
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  usr/share/man/man1/chemeng.1.gz
  usr/share/man/man1/chemeng-cli.1.gz
  usr/share/bash-completion/completions/chemeng-cli
  usr/share/doc/chemeng/copyright
  usr/share/doc/chemeng/changelog.gz
  usr/share/doc/chemeng/data-sources.md
)
for size in 16 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [[ -f $root/$file ]] || fail "the package lacks /$file"
done
for size in 16 24 32 48 64 128 256; do
  png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file --brief "$png" | grep -q "PNG image data, $size x $size," || fail "$png: $(file --brief "$png")"
done
# Every data file of the repository, byte for byte.
for data_file in data/*.txt; do
  cmp -s "$data_file" "$root/usr/share/chemeng/data/${data_file#data/}" ||
    fail "/usr/share/chemeng/data/${data_file#data/} differs from $data_file or is missing"
done
# Both licences: ours and that of the compound tables' source collection.
for holder in 'The chemeng developers' 'Caleb Bell'; do
  grep -q "^Copyright: .*$holder\|^  *[0-9-]* $holder" "$root/usr/share/doc/chemeng/copyright" ||
    fail "the copyright file does not name $holder"
done
ok "contents: ${#expected[@]} files, icons of the right sizes, data as in data/"

# --- Desktop entry and AppStream metadata -----------------------------------------
echo "check-package: desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop-file-validate"
# --no-net: the homepage and screenshot addresses are the project's
# placeholder domain, which does not resolve.
echo "check-package: appstreamcli validate --pedantic --no-net"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
# The tree check also finds the desktop entry and the icon the metadata names.
echo "check-package: appstreamcli validate-tree --no-net"
appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
# The release notes and the Debian changelog must describe this version.
newest_release=$(grep -o -m1 '<release version="[^"]*"' "$root/usr/share/metainfo/$app_id.metainfo.xml")
[[ $newest_release == "<release version=\"$version\"" ]] ||
  fail "newest AppStream release is $newest_release, not $version (resources/linux/chemeng.metainfo.xml.in)"
newest_change=$(zcat "$root/usr/share/doc/chemeng/changelog.gz" | head -n1)
[[ $newest_change == "chemeng ($version) "* ]] ||
  fail "newest changelog entry is '$newest_change', not $version (resources/linux/changelog)"
ok "desktop entry and metainfo valid; release notes and changelog for $version"

# --- Manual pages -------------------------------------------------------------------
for program in chemeng chemeng-cli; do
  header=$(zcat "$root/usr/share/man/man1/$program.1.gz" | grep -m1 '^\.TH')
  [[ $header == *"\"$program $version\""* ]] || fail "$program.1 header: $header"
done
zcat "$root/usr/share/man/man1/chemeng-cli.1.gz" | grep -q '^\.SS "chemeng\\-cli vapor\\-pressure"' ||
  fail "chemeng-cli.1 has no section for vapor-pressure"
ok "manual pages for version $version"

# --- The unpacked programs, run from a folder without data/ ----------------------------
cd "$work"
bin=$root/usr/bin
# The window answers --version before it opens a display.
window_version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/chemeng" --version) ||
  fail "chemeng --version exited non-zero"
[[ $window_version == "chemeng $version" ]] || fail "chemeng --version printed '$window_version'"
cli_version=$("$bin/chemeng-cli" --version) || fail "chemeng-cli --version exited non-zero"
cli_version=${cli_version%%$'\n'*}  # the first line; the next names the data files read
[[ $cli_version == "chemeng-cli $version" ]] || fail "chemeng-cli --version printed '$cli_version'"
ok "versions: $window_version; $cli_version"

# Water boils at 100 degC under 760 mmHg = 101.325 kPa: the Antoine line of
# the compound files and the steam saturation table both have to be read.
within() {  # value, target, relative tolerance
  awk -v v="$1" -v t="$2" -v r="$3" 'BEGIN { d = v - t; if (d < 0) d = -d; exit !(v != "" && d <= r * t) }'
}
out=$("$bin/chemeng-cli" vapor-pressure WATER --temperature 100 --unit C) ||
  fail "chemeng-cli vapor-pressure exited non-zero"
echo "$out"
p_mmHg=$(sed -n 's/^.*(mmHg): *//p' <<<"$out")
within "$p_mmHg" 760 0.01 || fail "vapour pressure of water at 100 degC: '$p_mmHg' mmHg"
out=$("$bin/chemeng-cli" steam saturation --temperature 100 --system si) ||
  fail "chemeng-cli steam saturation exited non-zero"
p_kPa=$(sed -n 's/^Pressure (kPa): *//p' <<<"$out")
within "$p_kPa" 101.325 0.01 || fail "saturation pressure at 100 degC: '$p_kPa' kPa"
ok "computations from $work with the unpacked data: $p_mmHg mmHg, $p_kPa kPa"

# --- Bash completion, with the unpacked program and data --------------------------------
completions=$(
  PATH=$bin:$PATH bash -c '
    source "$1"
    complete_line() {
      COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); COMPREPLY=()
      _chemeng_cli
      echo "${COMPREPLY[*]}"
    }
    complete_line chemeng-cli vapor-p
    complete_line chemeng-cli density --unit ""
    complete_line chemeng-cli vapor-pressure --temperature 50 benz
    complete_line chemeng-cli steam state --pressure-unit ""' _ \
    "$root/usr/share/bash-completion/completions/chemeng-cli"
)
mapfile -t lines <<<"$completions"
[[ ${lines[0]} == vapor-pressure ]] || fail "completion of a command: '${lines[0]}'"
[[ ${lines[1]} == "C F K" ]] || fail "completion of a unit: '${lines[1]}'"
[[ " ${lines[2]} " == *" BENZENE "* ]] || fail "completion of a compound: '${lines[2]}'"
[[ " ${lines[3]} " == *" psia "* ]] || fail "completion of a pressure unit: '${lines[3]}'"
ok "bash completion: commands, units, compound names from the unpacked data"

echo "check-package: all checks passed for $(basename "$deb")"
