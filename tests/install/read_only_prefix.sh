#!/usr/bin/env bash
# The game installed into a read-only prefix starts from another working folder, writes its
# levels and settings into the player's folders only, and the tree runs wherever it lies.
source "$(dirname "$0")/lib.sh"

install_game
for file in bin/ostrevald share/ostrevald/Level/Level01.txt share/ostrevald/Level/Level02.txt \
    share/ostrevald/SettingsMenu/Settings.txt share/ostrevald/Sounds/ButtonClick.wav \
    share/ostrevald/Sounds/DefeatScreen.wav share/ostrevald/SettingsMenu/Sprites/Speed_Instant.png \
    share/applications/org.ostrevald.Ostrevald.desktop \
    share/metainfo/org.ostrevald.Ostrevald.metainfo.xml share/man/man6/ostrevald.6 \
    share/icons/hicolor/48x48/apps/org.ostrevald.Ostrevald.png \
    share/icons/hicolor/128x128/apps/org.ostrevald.Ostrevald.png \
    share/icons/hicolor/256x256/apps/org.ostrevald.Ostrevald.png; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
if [ -e "$data/Level/Level03.txt" ]; then fail "a generated level was installed as data"; fi
before="$(snapshot "$prefix")"
# The installed metainfo, its desktop file and icons, checked together where the tool exists.
if command -v appstreamcli >/dev/null 2>&1; then
    appstreamcli validate-tree --no-net "$prefix" >"$work/tree.out" 2>&1 || fail "appstreamcli validate-tree refused the prefix"
fi

# The command line a packager relies on.
play version "$work/nohome" --version
expect_status 0 "--version"
expect_in "$work/version.out" "ostrevald " "--version"
play help "$work/nohome" --help
expect_status 0 "--help"
for option in --windowed --seed --data-dir --user-dir --self-test; do expect_in "$work/help.out" "$option" "--help"; done
play unknown "$work/nohome" --fullscreen-please
expect_status 2 "an unknown option"
expect_in "$work/unknown.err" "--fullscreen-please" "an unknown option"
expect_in "$work/unknown.err" "Usage" "an unknown option"
if [ -e "$work/nohome" ]; then fail "--help, --version or a wrong option wrote into the home"; fi

# A new game reaches the world map.
home="$work/home"
mkdir -p "$home"
play first "$home" --self-test --seed 7
expect_status 0 "the self-test"
expect_in "$work/first.out" "self-test passed" "the self-test"
expect_in "$work/first.out" "seed 7," "the self-test"
expect_in "$work/first.out" "data from $data" "the self-test"
expect_levels "$home/data/ostrevald" "the self-test"
cmp -s "$home/config/ostrevald/Settings.txt" "$data/SettingsMenu/Settings.txt" ||
    fail "the starting settings are not the data folder's"
for folder in "$home/data/ostrevald" "$home/config/ostrevald" "$home/data" "$home/config"; do
    [ "$(stat -c %a "$folder")" = 700 ] || fail "$folder was made with mode $(stat -c %a "$folder"), not 700"
done
expect_empty_folder "$work/cwd-first" "the working folder"
expect_empty_folder "$work/tmp" "the temporary folder"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the prefix changed"

# A second start keeps the player's settings and writes fresh levels of its own seed.
echo "Music_Enable 0" >"$home/config/ostrevald/Settings.txt"
cp "$home/data/ostrevald/Level05.txt" "$work/level05-seed7"
play second "$home" --self-test --seed 8
expect_status 0 "the second self-test"
[ "$(cat "$home/config/ostrevald/Settings.txt")" = "Music_Enable 0" ] || fail "a second start rewrote the player's settings"
if cmp -s "$home/data/ostrevald/Level05.txt" "$work/level05-seed7"; then fail "seed 8 wrote the same level 5 as seed 7"; fi

# The tree runs from wherever it is copied to.
cp -a "$prefix" "$work/moved"
rm -rf "$home"
mkdir -p "$home"
game="$work/moved/bin/ostrevald" play moved "$home" --self-test --seed 7
expect_status 0 "the moved tree"
expect_in "$work/moved.out" "data from $work/moved/share/ostrevald" "the moved tree"
cmp -s "$home/data/ostrevald/Level05.txt" "$work/level05-seed7" || fail "the same seed wrote another level 5"
[ "$(snapshot "$prefix")" = "$before" ] || fail "the prefix changed"
echo "installed game: OK"
