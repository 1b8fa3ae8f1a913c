#!/usr/bin/env bash
# Builds the Debian package of a configured and built tree with CPack and checks
# what a user gets from it: the package's control fields, the files it installs,
# that lintian accepts it without an error or a warning, that the metainfo and
# the desktop entry validate, and that the programs, unpacked on their own, find
# their libraries and run.
#
# Usage: check-deb.sh CPACK CPACK_CONFIG WORK_DIR
set -euo pipefail

cpack=$1
config=$2
work=$3

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

for tool in dpkg-deb dpkg-shlibdeps file ldd lintian appstreamcli desktop-file-validate; do
    command -v "$tool" >/dev/null || {
        echo "FAIL: $tool is missing (dpkg-dev, file, lintian, appstream, desktop-file-utils)" >&2
        exit 1
    }
done

rm -rf "$work"
mkdir -p "$work"
if ! "$cpack" --config "$config" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack -G DEB failed" >&2
    exit 1
fi

shopt -s nullglob
debs=("$work"/veltro_*.deb)
if [ ${#debs[@]} -ne 1 ]; then
    ls -l "$work" >&2
    echo "FAIL: expected exactly one veltro_*.deb, found ${#debs[@]}" >&2
    exit 1
fi
deb=${debs[0]}
echo "package: $(basename "$deb")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = veltro ] || fail "Package is '$(field Package)', not veltro"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] ||
    fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
echo "Depends: $depends"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -Eq "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends does not name $lib"
done
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ -n "$(field Description)" ] || fail "no Description"

# Files, as the package lists them (dpkg-deb -c: mode, owner, size, date, time, path).
listing=$(dpkg-deb -c "$deb")
mode_of() { awk -v p="./$1" '$6 == p { print $1 }' <<<"$listing"; }
expect_file() {
    local path=$1 mode=$2
    local got
    got=$(mode_of "$path")
    if [ -z "$got" ]; then
        fail "package lacks /$path"
    elif [ "$got" != "$mode" ]; then
        fail "/$path has mode $got, expected $mode"
    fi
}
expect_file usr/bin/veltro -rwxr-xr-x
expect_file usr/bin/veltro-replay -rwxr-xr-x
app_id=io.github.veltro.veltro
expect_file usr/share/applications/$app_id.desktop -rw-r--r--
expect_file usr/share/metainfo/$app_id.metainfo.xml -rw-r--r--
expect_file usr/share/man/man1/veltro.1.gz -rw-r--r--
expect_file usr/share/man/man1/veltro-replay.1.gz -rw-r--r--
expect_file usr/share/doc/veltro/copyright -rw-r--r--
expect_file usr/share/doc/veltro/changelog.gz -rw-r--r--
expect_file usr/share/icons/hicolor/scalable/apps/veltro.svg -rw-r--r--
expect_file usr/share/icons/hicolor/256x256/apps/veltro.png -rw-r--r--
expect_file usr/share/doc/veltro/README.md -rw-r--r--
expect_file usr/share/doc/veltro/docs/replay.md -rw-r--r--
if awk '{ print $2 }' <<<"$listing" | grep -vqx 'root/root'; then
    fail "files not owned by root/root"
fi
if awk '{ print $6 }' <<<"$listing" | grep -Ev '^\./(usr/?|usr/(bin|share)(/.*)?)?$' | grep -q .; then
    fail "files outside /usr/bin and /usr/share: $(awk '{ print $6 }' <<<"$listing" |
        grep -Ev '^\./(usr/?|usr/(bin|share)(/.*)?)?$' | tr '\n' ' ')"
fi

# Unpack without installing and look at what would land on the disk.
root=$work/root
dpkg-deb -x "$deb" "$root"
# Debian's own checks: no error and no warning (informational notes are shown, not failed).
lintian_status=0
lintian --no-cfg --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 ||
    lintian_status=$?
sed 's/^/lintian: /' "$work/lintian.log"
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings (above)"

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net --pedantic "$metainfo" >"$work/appstream.log" 2>&1 ||
        fail "metainfo does not validate: $(cat "$work/appstream.log")"
fi

desktop=$root/usr/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$root/usr/bin/$exec_cmd" ] || fail "Exec=$exec_cmd is not a packaged program"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        fail "Icon=$icon has no scalable icon"
fi
png_signature=$'\x89PNG'
icon_png=$root/usr/share/icons/hicolor/256x256/apps/veltro.png
[ "$(head -c 4 "$icon_png" 2>/dev/null)" = "$png_signature" ] || fail "icon is not a PNG"

for program in veltro veltro-replay; do
    binary=$root/usr/bin/$program
    [ -x "$binary" ] || continue
    if file "$binary" | grep -q 'not stripped'; then
        fail "$program is not stripped"
    fi
    missing=$(ldd "$binary" | grep 'not found' || true)
    [ -z "$missing" ] || fail "$program: unresolved libraries: $missing"
done

# The unpacked replay tool runs and renders a frame.
replay=$root/usr/bin/veltro-replay
if [ -x "$replay" ]; then
    "$replay" --help >"$work/help.txt" 2>&1 || fail "veltro-replay --help exited with $?"
    # The manual page must not fall behind the usage text.
    MANWIDTH=200 man -l "$root/usr/share/man/man1/veltro-replay.1.gz" >"$work/man.txt" 2>&1 ||
        fail "man cannot show veltro-replay.1.gz"
    for option in $(grep -oE -- '--[a-z]+' "$work/help.txt" | sort -u); do
        grep -qF -- "$option" "$work/man.txt" || fail "veltro-replay.1 does not describe $option"
    done
    printf 'click 100 380\nclick 220 100\nclick 420 100\nclick 540 380\n' >"$work/curve.replay"
    if "$replay" --png "$work/curve.png" "$work/curve.replay" >"$work/replay.log" 2>&1; then
        [ "$(head -c 4 "$work/curve.png")" = "$png_signature" ] || fail "veltro-replay wrote no PNG"
    else
        cat "$work/replay.log" >&2
        fail "veltro-replay could not render a script"
    fi
fi

# The unpacked editor starts and keeps running; the offscreen platform needs no display.
editor=$root/usr/bin/veltro
if [ -x "$editor" ]; then
    # --help needs no display; the manual page describes every option it lists.
    env -u DISPLAY -u WAYLAND_DISPLAY "$editor" --help >"$work/editor-help.txt" 2>&1 ||
        fail "veltro --help exited with $?"
    MANWIDTH=200 man -l "$root/usr/share/man/man1/veltro.1.gz" >"$work/editor-man.txt" 2>&1 ||
        fail "man cannot show veltro.1.gz"
    for option in $(grep -oE -- '--[a-z]+' "$work/editor-help.txt" | sort -u); do
        grep -qF -- "$option" "$work/editor-man.txt" || fail "veltro.1 does not describe $option"
    done
    status=0
    QT_QPA_PLATFORM=offscreen timeout 3 "$editor" >"$work/veltro.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$work/veltro.log" >&2
        fail "veltro ended on its own with status $status instead of running"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package checks passed"
