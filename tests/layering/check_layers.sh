#!/usr/bin/env bash
# Fails when an include crosses a layer the wrong way (docs/architecture.md
# draws the layers). Each folder may include itself and the folders listed
# for it; only ui/ and app/ folders may include Qt or another folder's ui/
# and app/ headers. How the lexicon packs its edges (engine/edge_layout.h)
# is for its loader and its builder alone, anywhere in the tree.
#
#   tests/layering/check_layers.sh SOURCE_DIR
set -uo pipefail
root=$(cd "${1:?usage: check_layers.sh SOURCE_DIR}" && pwd)

declare -A allowed=(
  [engine]=""
  [resources]=""
  [platform]="engine resources"
  [dictionary]="engine platform resources"
  [judge]="engine platform resources dictionary"
  [cardbox]="engine platform resources dictionary"
  [inspect]="engine platform resources dictionary"
  [search]="engine platform resources dictionary"
  [wordlist]="engine platform resources dictionary search"
  [options]="engine platform resources dictionary search wordlist"
  [print]="engine platform resources dictionary search wordlist"
  [study]="engine platform resources dictionary search wordlist options print judge cardbox inspect"
  [tools]="engine platform resources dictionary search wordlist options print judge cardbox inspect"
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

if [ -s "$found" ]; then
  echo "Includes that cross a layer the wrong way:"
  sort -u "$found" | sed 's/^/  /'
  exit 1
fi
echo "layers hold"
