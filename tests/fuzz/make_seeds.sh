#!/usr/bin/env bash
# Writes the fuzzer's seed corpus: every line of seed_lines.txt as GBK box
# text behind the six header bytes that fuzz_case.h decodes, with the line's
# own settings, with other settings, and with the other actions.
# Usage: make_seeds.sh seed_lines.txt <directory>
set -euo pipefail
source_file=$1
target=$2
mkdir -p "$target"

declare -A opt
# One seed file from the current options and the text (GBK, escapes done).
write_seed() {
  local file=$1 text_file=$2
  local places=${opt[places]:-12} flags=0 caret=${opt[caret]:-65535}
  [ "${opt[rld]:-1}" = 1 ] && flags=$((flags | 1))
  [ "${opt[ic]:-0}" = 1 ] && flags=$((flags | 2))
  [ "${opt[ss]:-0}" = 1 ] && flags=$((flags | 4))
  [ "${opt[rt]:-0}" = 1 ] && flags=$((flags | 8))
  [ "${opt[clip]:-0}" = 1 ] && flags=$((flags | 16))
  [ "${opt[rec]:-0}" = 1 ] && flags=$((flags | 32))
  local grouping=$(( ${opt[tsep]:-0} + 3 * ${opt[ft]:-0} + 9 * (${opt[angle]:-1} - 1) ))
  local action
  case ${opt[act]:-eval} in eval) action=0 ;; refresh) action=1 ;; convert) action=2 ;; twice) action=3 ;; esac
  printf "$(printf '\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x\\x%02x' "$places" "$flags" "$grouping" "$action" \
    $((caret & 255)) $((caret >> 8)))" > "$file"
  cat "$text_file" >> "$file"
}

count=0
number=0
text_file=$(mktemp)
trap 'rm -f "$text_file"' EXIT
while IFS= read -r line || [ -n "$line" ]; do
  number=$((number + 1))
  [[ -z $line || $line == \#* ]] && continue
  settings=""
  if [[ $line == *$'\t'* ]]; then
    settings=${line%%$'\t'*}
    line=${line#*$'\t'}
  fi
  printf '%s' "$line" | sed -e 's/\\r/\r/g' -e 's/\\n/\n/g' -e 's/\\t/\t/g' | iconv -f UTF-8 -t GBK > "$text_file"
  variant=0
  # The line's own settings.
  opt=()
  for item in $settings; do opt[${item%%=*}]=${item#*=}; done
  own_action=${opt[act]:-eval}
  write_seed "$(printf '%s/seed-%03d-%d' "$target" "$number" "$variant")" "$text_file"
  variant=$((variant + 1))
  # Other settings: the next fraction form, grouping, padded places, radians.
  opt[ft]=$(( (${opt[ft]:-0} + 1) % 3 ))
  opt[tsep]=2 opt[places]=3 opt[rld]=0 opt[angle]=2 opt[rt]=1
  write_seed "$(printf '%s/seed-%03d-%d' "$target" "$number" "$variant")" "$text_file"
  variant=$((variant + 1))
  # The other actions, with the line's own settings.
  for action in refresh convert twice; do
    [ "$action" = "$own_action" ] && continue
    opt=()
    for item in $settings; do opt[${item%%=*}]=${item#*=}; done
    opt[act]=$action
    write_seed "$(printf '%s/seed-%03d-%d' "$target" "$number" "$variant")" "$text_file"
    variant=$((variant + 1))
  done
  count=$((count + variant))
done < "$source_file"
echo "$count seeds in $target"
