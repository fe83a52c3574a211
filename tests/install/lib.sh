# Shared by the tests of the installed game. Each test script sources this with the build
# folder as its first argument; it gets a scratch folder ($work, removed at exit), the
# game installed into $work/prefix, and helpers to run the installed game as a player.
set -euo pipefail
unset config_home data_home extra_env

build_dir="$(cd "$1" && pwd)"
if [ -z "${DISPLAY:-}" ]; then
    # The game needs a display: run the whole script under a virtual one. -n spreads the
    # display numbers so that tests started together do not race for the same one.
    if ! command -v xvfb-run >/dev/null 2>&1; then
        echo "SKIPPED: no DISPLAY and no xvfb-run"
        exit 77
    fi
    exec xvfb-run -a -n $((300 + $$ % 5000)) -s "-screen 0 1280x1024x24 -nolisten tcp -noreset" bash "$0" "$@"
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/ostrevald-install-test.XXXXXX")"
cleanup() {
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    for log in "$work"/*.out "$work"/*.err; do
        if [ -s "$log" ]; then echo "--- $log" >&2; tail -n 20 "$log" >&2; fi
    done
    exit 1
}

prefix="$work/prefix"
game="$prefix/bin/ostrevald"
data="$prefix/share/ostrevald"

install_game() {
    cmake --install "$build_dir" --prefix "$prefix" >"$work/install.log" || fail "cmake --install failed"
    chmod -R a-w "$prefix"
}

# Every path under a folder with its type, mode and size, and every file's checksum.
snapshot() {
    (cd "$1" && find . -printf '%p %y %m %s\n' | LC_ALL=C sort && find . -type f -exec md5sum {} + | LC_ALL=C sort)
}

# play NAME HOME [ARGS...]: runs the installed game ($game) from $work/cwd-NAME with nothing
# of the caller's environment but PATH, the display and the sanitizers' settings: HOME=HOME,
# XDG_CONFIG_HOME=$config_home and XDG_DATA_HOME=$data_home (default HOME/config and
# HOME/data; "none" leaves the variable out), TMPDIR=$work/tmp, and $extra_env (one
# VARIABLE=VALUE) when set. Output in $work/NAME.out
# and $work/NAME.err; the exit status in $status.
play() {
    local name="$1" home="$2"
    shift 2
    local config="${config_home-$home/config}" datahome="${data_home-$home/data}" variable
    local -a settings=(PATH="$PATH" DISPLAY="$DISPLAY" TMPDIR="$work/tmp" HOME="$home")
    for variable in XAUTHORITY LSAN_OPTIONS UBSAN_OPTIONS; do
        if [ -n "${!variable:-}" ]; then settings+=("$variable=${!variable}"); fi
    done
    # A sanitizer build checks memory errors here; leaks are the test programs' to check:
    # they keep the GL driver loaded, so its allocations can be told from the game's, while
    # the game unloads it at exit and leaves reports that match no suppression.
    if [ -n "${ASAN_OPTIONS:-}" ]; then settings+=("ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0"); fi
    if [ -n "${extra_env:-}" ]; then settings+=("$extra_env"); fi
    if [ "$config" != none ]; then settings+=(XDG_CONFIG_HOME="$config"); fi
    if [ "$datahome" != none ]; then settings+=(XDG_DATA_HOME="$datahome"); fi
    mkdir -p "$work/cwd-$name" "$work/tmp"
    status=0
    (cd "$work/cwd-$name" && env -i "${settings[@]}" "$game" "$@" >"$work/$name.out" 2>"$work/$name.err") || status=$?
}

expect_status() {
    [ "$status" -eq "$1" ] || fail "$2: exit status $status, expected $1"
}

expect_in() { # FILE TEXT WHAT
    grep -qF -- "$2" "$1" || fail "$3: \"$2\" not in $(basename "$1")"
}

expect_empty_folder() {
    [ -z "$(ls -A "$1")" ] || fail "$2: $1 is not empty: $(ls -A "$1" | head -5 | tr '\n' ' ')"
}

# The eight generated levels of a home's data folder, all there.
expect_levels() {
    local level
    for level in 03 04 05 06 07 08 09 10; do
        [ -s "$1/Level$level.txt" ] || fail "$2: $1/Level$level.txt was not written"
    done
}
