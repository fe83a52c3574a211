#!/usr/bin/env bash
# Two installed games started at once, each with its own home, play their own seeds: the
# levels each one writes are those its seed gives when it runs alone.
source "$(dirname "$0")/lib.sh"

install_game
mkdir -p "$work/a" "$work/b" "$work/alone"
play a "$work/a" --self-test --seed 101 &
first=$!
play b "$work/b" --self-test --seed 202 &
second=$!
# Each background play() records its status in its own subshell: read it from the logs.
wait "$first" || true
wait "$second" || true
for name in a b; do
    expect_in "$work/$name.out" "self-test passed" "game $name, started with the other"
    expect_levels "$work/$name/data/ostrevald" "game $name"
done
play alone "$work/alone" --self-test --seed 101
expect_status 0 "the game alone"
for level in 03 04 05 06 07 08 09 10; do
    cmp -s "$work/a/data/ostrevald/Level$level.txt" "$work/alone/data/ostrevald/Level$level.txt" ||
        fail "level $level of seed 101 differs when another game runs beside it"
done
if diff -q -r "$work/a/data/ostrevald" "$work/b/data/ostrevald" >/dev/null; then
    fail "seeds 101 and 202 wrote the same levels"
fi
echo "two games at once: OK"
