#!/usr/bin/env bash
# Fails when an include crosses a layer the wrong way (docs/architecture.md
# draws the layers). Each folder may include itself and the folders listed
# for it; only ui/ and app/ folders may include Qt or another folder's ui/
# and app/ headers. Lines in known_upward_includes.txt are the upward
# includes still waiting to be removed: a new one fails, and so does an entry
# that no longer exists, so the list only shrinks.
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
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r hit; do
    file=${hit%%:*}
    line=${hit#*:}
    line=${line#*:}
    include=$(sed -nE 's/^#include ([<"][^>"]*[>"]).*/\1/p' <<<"$line")
    [ -n "$include" ] || continue
    in_ui=0
    [[ "$file" =~ /(ui|app)/ ]] && in_ui=1
    if [[ "$include" == \<Q* ]]; then
      [ $in_ui -eq 1 ] || echo "$file: $include" >>"$found"
      continue
    fi
    [[ "$include" == \"*/* ]] || continue
    path=${include//\"/}
    target=${path%%/*}
    if [[ "$path" =~ ^[a-z_]+/(ui|app)/ ]] && [ $in_ui -eq 0 ]; then
      echo "$file: $include" >>"$found"
    elif [ "$target" != "$folder" ] && [[ " ${allowed[$folder]} " != *" $target "* ]]; then
      echo "$file: $include" >>"$found"
    fi
  done < <(grep -rnE '^#include' "$folder" --include='*.h' --include='*.cc')
done

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
