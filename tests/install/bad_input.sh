#!/usr/bin/env bash
# What a player's machine may get wrong: the game says so in one clear line, does not crash,
# and writes nothing outside the player's folders.
source "$(dirname "$0")/lib.sh"

install_game
before="$(snapshot "$prefix")"

# A home where nothing can be made (below a plain file: refused even to root). The game
# plays on with levels in a folder of its own, gone when it ends.
touch "$work/plain-file"
play blocked "$work/plain-file/home" --self-test --seed 3
expect_status 0 "an unwritable home"
expect_in "$work/blocked.out" "self-test passed" "an unwritable home"
expect_in "$work/blocked.err" "$work/plain-file is not a folder" "an unwritable home"
expect_in "$work/blocked.err" "settings changes are not saved" "an unwritable home"
expect_in "$work/blocked.err" "removed when it ends" "an unwritable home"
expect_empty_folder "$work/tmp" "the temporary folder after an unwritable home"
expect_empty_folder "$work/cwd-blocked" "the working folder after an unwritable home"

if [ "$(id -u)" -ne 0 ]; then
    # An existing home without write permission, with a settings file there already: it
    # is read, and kept as it was.
    mkdir -p "$work/locked/config/ostrevald"
    echo "Music_Volume 10" >"$work/locked/config/ostrevald/Settings.txt"
    chmod 0500 "$work/locked/config/ostrevald" "$work/locked/config" "$work/locked"
    play locked "$work/locked" --self-test --seed 3
    expect_status 0 "a read-only home"
    expect_in "$work/locked.err" "settings changes are not saved" "a read-only home"
    [ "$(cat "$work/locked/config/ostrevald/Settings.txt")" = "Music_Volume 10" ] || fail "the read-only settings changed"
    expect_empty_folder "$work/tmp" "the temporary folder after a read-only home"
fi

# Relative XDG folders are ignored: the defaults under HOME are used, nothing is made in
# the working folder.
mkdir -p "$work/relative"
config_home="rel/config" data_home="rel/data" play relative "$work/relative" --self-test --seed 4
expect_status 0 "relative XDG folders"
expect_levels "$work/relative/.local/share/ostrevald" "relative XDG folders"
[ -s "$work/relative/.config/ostrevald/Settings.txt" ] || fail "relative XDG folders: no settings under ~/.config"
expect_empty_folder "$work/cwd-relative" "the working folder with relative XDG folders"

# A copy of the data with a picture missing: named, and the game still plays.
cp -r "$data" "$work/data-missing"
chmod -R u+w "$work/data-missing"
missing="$(cd "$work/data-missing" && find Sprites -name '*.png' | LC_ALL=C sort | head -n 1)"
rm "$work/data-missing/$missing"
copy_before="$(snapshot "$work/data-missing")"
mkdir -p "$work/missing"
play missing "$work/missing" --self-test --seed 5 --data-dir "$work/data-missing"
expect_status 0 "a missing picture"
expect_in "$work/missing.err" "1 file of the game's data is missing" "a missing picture"
expect_in "$work/missing.err" "$work/data-missing/$missing" "a missing picture"
expect_in "$work/missing.out" "data from $work/data-missing" "a missing picture"
[ "$(snapshot "$work/data-missing")" = "$copy_before" ] || fail "the game wrote into the data folder it was given"

# A data folder without the data, by option and by environment: one line, status 1, and
# nothing made in the home.
mkdir -p "$work/empty" "$work/untouched"
play empty "$work/untouched" --self-test --data-dir "$work/empty"
expect_status 1 "--data-dir to an empty folder"
expect_in "$work/empty.err" "$work/empty" "--data-dir to an empty folder"
expect_in "$work/empty.err" "does not hold the game's data" "--data-dir to an empty folder"
[ "$(wc -l <"$work/empty.err")" -eq 1 ] || fail "--data-dir to an empty folder: more than one line"
expect_empty_folder "$work/untouched" "the home after --data-dir to an empty folder"
extra_env="OSTREVALD_DATA_DIR=$work/empty" play empty-variable "$work/untouched"
expect_status 1 "OSTREVALD_DATA_DIR to an empty folder"
expect_in "$work/empty-variable.err" "OSTREVALD_DATA_DIR ($work/empty) does not hold the game's data" "OSTREVALD_DATA_DIR to an empty folder"
expect_empty_folder "$work/untouched" "the home after OSTREVALD_DATA_DIR to an empty folder"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the prefix changed"
expect_empty_folder "$work/tmp" "the temporary folder"
echo "bad input: OK"
