#!/usr/bin/env bash
# Fails when an include crosses a layer the wrong way (docs/architecture.md
# draws the layers). Each folder may include itself and the folders listed
# for it; only ui/ and app/ folders may include Qt or another folder's ui/
# and app/ headers. How the lexicon packs its edges (engine/edge_layout.h)
# is for its loader and its builder alone, anywhere in the tree. Lines in
# known_upward_includes.txt are the upward includes still waiting to be
# removed: a new one fails, and so does an entry that no longer exists, so
# the list only shrinks.
#
#   tests/layering/check_layers.sh SOURCE_DIR
set -uo pipefail
root=$(cd "${1:?usage: check_layers.sh SOURCE_DIR}" && pwd)
known=$(dirname "$0")/known_upward_includes.txt

declare -A allowed=(
  [engine]=""
  [resources]=""
  [platform]="engine resources"
  [judge]="engine platform resources"
  [cardbox]="engine platform resources"
  [inspect]="engine platform resources"
  [search]="engine platform resources"
  [wordlist]="engine platform resources search"
  [options]="engine platform resources search wordlist"
  [print]="engine platform resources search wordlist"
  [study]="engine platform resources search wordlist options print judge cardbox inspect"
  [tools]="engine platform resources search wordlist options print judge cardbox inspect"
)

found=$(mktemp)
trap 'rm -f "$found"' EXIT
cd "$root"
rules=$(for folder in "${!allowed[@]}"; do echo "$folder ${allowed[$folder]}"; done)
folders=$(for folder in "${!allowed[@]}"; do [ -d "$folder" ] && echo "$folder"; done)
# shellcheck disable=SC2086
grep -rHE '^#include ' $folders --include='*.h' --include='*.cc' |
  awk -v rules="$rules" '
    BEGIN {
      n = split(rules, lines, "\n")
      for (i = 1; i <= n; i++) {
        m = split(lines[i], words, " ")
        for (j = 2; j <= m; j++) ok[words[1] " " words[j]] = 1
      }
    }
    {
      file = substr($0, 1, index($0, ":") - 1)
      include = $2
      folder = substr(file, 1, index(file, "/") - 1)
      in_ui = file ~ /\/(ui|app)\//
      if (include ~ /^<Q/) {
        if (!in_ui) print file ": " include
        next
      }
      if (include !~ /^"[a-z_]+\//) next
      path = substr(include, 2, length(include) - 2)
      target = substr(path, 1, index(path, "/") - 1)
      if (!in_ui && path ~ /^[a-z_]+\/(ui|app)\//) print file ": " include
      else if (target != folder && !((folder " " target) in ok)) print file ": " include
    }' >"$found"

# shellcheck disable=SC2086
grep -rlE '^#include "engine/edge_layout\.h"' $folders tests fuzz bench --include='*.h' --include='*.cc' |
  grep -vxE 'engine/(lexicon|lexicon_builder)\.cc' | sed 's|$|: "engine/edge_layout.h"|' >>"$found"

sort -u -o "$found" "$found"
new=$(comm -23 "$found" <(grep -v '^#' "$known" | sort -u))
gone=$(comm -13 "$found" <(grep -v '^#' "$known" | sort -u))
status=0
if [ -n "$new" ]; then
  echo "Includes that cross a layer the wrong way:"
  sed 's/^/  /' <<<"$new"
  status=1
fi
if [ -n "$gone" ]; then
  echo "Gone from the code, so take them out of $known:"
  sed 's/^/  /' <<<"$gone"
  status=1
fi
[ $status -eq 0 ] && echo "layers hold ($(grep -vc '^#' "$known") known upward includes left)"
exit $status
