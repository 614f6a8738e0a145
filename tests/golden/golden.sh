#!/usr/bin/env bash
# Runs the recorded tavrune-lexicon command lines of cases.txt over the
# shipped lexicons and compares what they print with expected/NAME.txt, so
# any change in what players see shows up as a failing case.
#
#   tests/golden/golden.sh [--record] [--tool FILE] [--bin DIR] [NAME...]
#
# --record writes the expected files anew (after a change made on purpose;
# review the diff before committing). Without NAME every case runs.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tool=$here/../../build/bin/tavrune-lexicon
bin=$here/../../build/bin
record=0
names=()
while [ $# -gt 0 ]; do
  case "$1" in
    --record) record=1 ;;
    --tool) tool=$2; shift ;;
    --bin) bin=$2; shift ;;
    -*) echo "golden.sh: unknown option $1" >&2; exit 2 ;;
    *) names+=("$1") ;;
  esac
  shift
done
[ -x "$tool" ] || { echo "golden.sh: no tool at $tool (build first)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Long outputs are kept as their size, digest and ends, so the expected
# files stay small enough to review while any change still shows.
summarize() {
  local file=$1 lines
  lines=$(wc -l < "$file")
  if [ "$lines" -le 400 ]; then
    cat "$file"
  else
    echo "# $lines lines, sha256 $(sha256sum < "$file" | cut -d' ' -f1)"
    head -n 100 "$file"
    echo "# ..."
    tail -n 100 "$file"
  fi
}

run_case() {
  local name=$1 line=$2 out=$work/out err=$work/err status
  line=${line//\{LEX\}/$bin/Lexicons}
  line=${line//\{PGM\}/$bin/PgmLists}
  line=${line//\{IN\}/$here/inputs}
  eval "set -- $line"
  (cd "$work" && TZ=UTC LC_ALL=C "$tool" "$@" < /dev/null > "$out" 2> "$err")
  status=$?
  {
    summarize "$out"
    if [ -s "$err" ]; then
      echo "--- stderr"
      sed -e "s|$bin/|BIN/|g" -e "s|$here/|GOLDEN/|g" "$err"
    fi
    echo "--- status $status"
  } > "$out.all"
  local expected=$here/expected/$name.txt result=0
  if [ $record -eq 1 ]; then
    cp "$out.all" "$expected"
  elif ! diff -u --label "expected/$name.txt" --label "now" "$expected" "$out.all"; then
    result=1
  fi
  return $result
}

failed=0 ran=0
while IFS= read -r raw; do
  case "$raw" in ''|'#'*) continue ;; esac
  name=${raw%%[[:space:]]*}
  line=${raw#"$name"}
  if [ ${#names[@]} -gt 0 ]; then
    wanted=0
    for n in "${names[@]}"; do [ "$n" = "$name" ] && wanted=1; done
    [ $wanted -eq 1 ] || continue
  fi
  ran=$((ran + 1))
  run_case "$name" "$line" || { failed=$((failed + 1)); echo "golden: $name differs" >&2; }
done < "$here/cases.txt"
[ $ran -gt 0 ] || { echo "golden.sh: no case named ${names[*]}" >&2; exit 2; }
[ $record -eq 1 ] && echo "golden: recorded $ran cases"
[ $failed -eq 0 ]
