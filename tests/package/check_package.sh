#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as a user would
# meet it: what it holds, that the programs installed from it find their
# data with TAVRUNE_DATA_DIR unset and write nothing beside it, that the
# manual pages, menu entries, metainfo and completion pass their checkers,
# and that lintian reports no error (its warnings are printed).
#
#   tests/package/check_package.sh BUILD_DIR
set -uo pipefail
build=$(cd "${1:?usage: check_package.sh BUILD_DIR}" && pwd)
for tool in cpack dpkg-deb lintian man appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || { echo "check_package: $tool is missing (scripts/setup installs it)"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
deb=$work/out/tavrune_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $deb"; exit 1; }
echo "package: ${deb##*/}, $(du -k "$deb" | cut -f1) KiB"

# What it holds: the programs, the data, the desktop's and the shell's
# files, and nothing else (no test, benchmark or fuzz program, nothing of
# the build tree).
dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/list"
for path in /usr/bin/{Tavrune,TavruneWordJudge,tavrune-lexicon} \
  /usr/share/tavrune/Lexicons/{UK,NA,UKNA,FR,NAF}.TVD /usr/share/tavrune/PgmLists/Master.txt \
  /usr/share/tavrune/Tips.txt /usr/share/tavrune/docs/manual.html \
  /usr/share/applications/{tavrune,tavrune-wordjudge}.desktop /usr/share/mime/packages/tavrune-list.xml \
  /usr/share/icons/hicolor/{scalable/apps/tavrune.svg,48x48/apps/tavrune.png,256x256/apps/tavrune.png} \
  /usr/share/man/man1/{Tavrune,TavruneWordJudge,tavrune-lexicon}.1.gz \
  /usr/share/bash-completion/completions/tavrune-lexicon \
  /usr/share/metainfo/org.kestrelle.tavrune.metainfo.xml \
  /usr/share/doc/tavrune/{copyright,changelog.gz,manual.html,wordnet-license.txt}; do
  grep -qxF "$path" "$work/list" || fail "the package lacks $path"
done
outside=$(grep -vE '^/usr/(bin|share)/' "$work/list" | grep -vxE '/|/usr/')
[ -z "$outside" ] || fail "outside /usr/bin and /usr/share: $outside"
strays=$(grep -E '_tests|bench|fuzz|CMake|cmake|\.(a|o|so)$' "$work/list")
[ -z "$strays" ] || fail "build-tree files: $strays"
[ "$(grep -c '^/usr/bin/.' "$work/list")" -eq 3 ] || fail "programs other than the three: $(grep '^/usr/bin/.' "$work/list")"

# The programs as installed, run from elsewhere, with no data folder named.
root=$work/root
dpkg -x "$deb" "$root"
mkdir -p "$work/run" "$work/home"
touch "$work/stamp"
run() { (cd "$work/run" && env -u TAVRUNE_DATA_DIR HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  XDG_DATA_HOME="$work/home/.local/share" QT_QPA_PLATFORM=offscreen "$@"); }
[ "$(run "$root/usr/bin/tavrune-lexicon" --version)" = "tavrune-lexicon $version" ] ||
  fail "tavrune-lexicon --version: $(run "$root/usr/bin/tavrune-lexicon" --version 2>&1)"
anagrams=$(run "$root/usr/bin/tavrune-lexicon" anagram UKNA aeinrst 2>&1)
grep -qx RETAINS <<<"$anagrams" || fail "anagram UKNA aeinrst: $anagrams"
printf 'QI\nZA\nRETAINS\n' >"$work/run/words.txt"
run "$root/usr/bin/tavrune-lexicon" list make words.txt study.tvr >/dev/null || fail "list make"
if run "$root/usr/bin/Tavrune" --print-pdf study.pdf study.tvr 2>"$work/pdf.err"; then
  [ "$(head -c 5 "$work/run/study.pdf")" = "%PDF-" ] || fail "Tavrune --print-pdf wrote no PDF"
else
  fail "Tavrune --print-pdf: $(cat "$work/pdf.err")"
fi
missing=$(cd "$work/run" && TAVRUNE_DATA_DIR="$work/nowhere" HOME="$work/home" QT_QPA_PLATFORM=offscreen \
  "$root/usr/bin/Tavrune" --print-pdf none.pdf study.tvr 2>&1)
status=$?
[ $status -ne 0 ] && grep -qF "$work/nowhere/Lexicons" <<<"$missing" ||
  fail "without lexicons: status $status, $missing"
written=$(find "$root" -newer "$work/stamp")
[ -z "$written" ] || fail "written into the installed tree: $written"

# Checkers of the formats: man as lintian runs it, the desktop entries,
# the metainfo, and Tab completion of a command.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man ${page##*/}: $warnings"
done
for entry in "$root"/usr/share/applications/*.desktop; do
  desktop-file-validate "$entry" || fail "desktop-file-validate ${entry##*/}"
done
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >"$work/appstream" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream")"
if [ -f /usr/share/bash-completion/bash_completion ]; then
  completed=$(PATH="$root/usr/bin:$PATH" bash -c '
    source /usr/share/bash-completion/bash_completion
    source "$1"
    COMP_WORDS=(tavrune-lexicon an) COMP_CWORD=1 COMP_LINE="tavrune-lexicon an" COMP_POINT=18
    _tavrune_lexicon
    printf "%s|" "${COMPREPLY[*]}"
    COMP_WORDS=(tavrune-lexicon anagram UK) COMP_CWORD=2 COMP_LINE="tavrune-lexicon anagram UK" COMP_POINT=26
    _tavrune_lexicon
    echo "${COMPREPLY[*]}"' _ "$root/usr/share/bash-completion/completions/tavrune-lexicon")
  [ "$completed" = "anagram|UK UKNA" ] || fail "completion of 'an' and 'anagram UK': $completed"
fi

# lintian: errors fail, everything else is shown.
lintian --tag-display-limit 0 --display-level '>=warning' "$deb" >"$work/lintian" 2>&1
sed 's/^/lintian: /' "$work/lintian"
! grep -q '^E:' "$work/lintian" || fail "lintian reports errors"

[ $failures -eq 0 ] && echo "package check passed" || echo "$failures failure(s)"
[ $failures -eq 0 ]
