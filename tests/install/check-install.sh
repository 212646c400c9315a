#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks it as a desktop, a software centre and
# a packager would: the desktop entry, the AppStream description, the manual page against
# --help, and the instrument files' types.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" --strip >/dev/null
share=$prefix/share
fail() {
    echo "FAILED: $*"
    exit 1
}

[[ -x $prefix/bin/korvane ]] || fail "no program in bin/"
# A toolkit option takes the run into the window's module, which the program finds installed.
said=$("$prefix/bin/korvane" -platform offscreen --version 2>&1) || fail "window module: $said"
# A picture in the modern look takes it into the picture module.
printf '1000 10 -1\n100 12 -3\n10 15 -2\n' >"$prefix/m.txt"
said=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/korvane" --snapshot "$prefix/m.png" "$prefix/m.txt" \
    2>&1) || fail "picture module: $said"
[[ -f $share/doc/korvane/README.md ]] || fail "no README, which the About box links to"
for size in 16 24 32 48 64 72 96 128 256; do
    [[ -f $share/icons/hicolor/${size}x$size/apps/korvane.png ]] || fail "no $size pixel icon"
done

# No errors, and no hints either (several main categories would give one).
entry=$share/applications/korvane.desktop
said=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $said"
[[ -z $said ]] || fail "desktop-file-validate: $said"
grep -qx 'MimeType=text/plain;text/csv;.*' "$entry" || fail "text/plain and text/csv not first"

appstreamcli validate --no-net "$share/metainfo/org.korvane.Korvane.metainfo.xml" >/dev/null ||
    fail "$(appstreamcli validate --no-net "$share/metainfo/org.korvane.Korvane.metainfo.xml")"

page=$share/man/man1/korvane.1
said=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[[ -z $said ]] || fail "man: $said"
# The options the page lists (the line after each .TP of its OPTIONS section) are those
# --help lists.
documented=$(awk '/^\.SH /{options = ($2 == "OPTIONS")} options && after {print} {after = ($0 == ".TP")}' "$page" |
    grep -oE '\\-(\\-)?[a-z]([a-z]|\\-)*' | tr -d '\\' | sort -u)
helped=$("$prefix/bin/korvane" --help 2>/dev/null | grep -E '^  -' |
    grep -oE -- '--?[a-z][a-z-]*' | sort -u)
[[ $documented == "$helped" ]] || fail "man page options: $documented; --help: $helped"

# The instrument files' types, as the desktop's database sees them once built.
update-mime-database "$share/mime" 2>/dev/null
for pair in application/x-gamry-dta:'*.DTA' application/x-biologic-mpt:'*.mpt' \
    application/x-zview-z:'*.z' application/x-biologic-mpr:'*.mpr' \
    application/x-zahner-ism:'*.ism' application/x-palmsens-pssession:'*.pssession'; do
    grep -qiF ":$pair" "$share/mime/globs2" || fail "no glob $pair"
    grep -q "^MimeType=.*${pair%%:*};" "$entry" || fail "desktop entry lacks ${pair%%:*}"
done
echo "install checks passed"
