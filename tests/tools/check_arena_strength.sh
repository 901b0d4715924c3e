#!/bin/sh
# Plays the arena and passes when the low end of A's 95 % win interval is above the given share.
# usage: check_arena_strength.sh ARENA LOWEST [arena arguments...]
set -e
arena=$1
lowest=$2
shift 2
report=$("$arena" "$@")
echo "$report"
echo "$report" | tail -n 1 | awk -v lowest="$lowest" -F'"a_win_low":' '{ split($2, v, ","); exit !(v[1] + 0 > lowest + 0) }'
