#!/usr/bin/env bash
# Packs the build into a .deb, checks its contents and dependencies, installs
# it into a scratch root and starts the installed program there for a moment.
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

(cd "$build" && cpack -G DEB -B "$scratch/out" >/dev/null)
deb=$(ls "$scratch"/out/varnolt_*.deb)
echo "package: $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for lib in libqt6widgets6 libqt6svg6 libc6 qt6-qpa-plugins qt6-translations-l10n libxlsxwriter4 libzip4 libicu; do
    grep -q "$lib" <<<"$depends" || { echo "missing dependency on $lib"; exit 1; }
done

dpkg-deb -x "$deb" "$scratch/root"
for file in usr/bin/varnolt \
            usr/bin/varnolt-report \
            usr/share/man/man1/varnolt-report.1.gz \
            usr/share/applications/org.varnolt.Varnolt.desktop \
            usr/share/metainfo/org.varnolt.Varnolt.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.varnolt.Varnolt.svg \
            usr/share/icons/hicolor/16x16/apps/org.varnolt.Varnolt.png \
            usr/share/icons/hicolor/256x256/apps/org.varnolt.Varnolt.png; do
    [ -e "$scratch/root/$file" ] || { echo "not in the package: $file"; exit 1; }
done
desktop-file-validate "$scratch/root/usr/share/applications/org.varnolt.Varnolt.desktop"

# Every library the installed binaries need resolves on this system.
for binary in varnolt varnolt-report; do
    if ldd "$scratch/root/usr/bin/$binary" | grep -q 'not found'; then
        ldd "$scratch/root/usr/bin/$binary"
        exit 1
    fi
done
zcat "$scratch/root/usr/share/man/man1/varnolt-report.1.gz" | grep -q '^\.TH VARNOLT-REPORT 1' \
    || { echo "the manual page of varnolt-report is not a manual page"; exit 1; }

# The installed report program sizes the README's worked example.
report=$("$scratch/root/usr/bin/varnolt-report" --q 10 --H 3 --a1 5 --v 1 --ht 3 --format json)
grep -q '"Text11":"1.466713"' <<<"$report" \
    || { echo "the installed varnolt-report gave: $report"; exit 1; }
echo "the installed varnolt-report sized the worked example"

# It finds the Word writer's module where the package put it.
[ -n "$(find "$scratch/root/usr/lib" -path '*/varnolt/varnolt-docx.so')" ] \
    || { echo "not in the package: the Word writer's module"; exit 1; }
"$scratch/root/usr/bin/varnolt-report" --q 10 --H 3 --a1 5 --v 1 --ht 3 -o "$scratch/r.docx" \
    2>"$scratch/docx.err" || { cat "$scratch/docx.err"; exit 1; }
[ "$(head -c 2 "$scratch/r.docx")" = "PK" ] \
    || { echo "the installed varnolt-report wrote no Word document"; exit 1; }
echo "the installed varnolt-report wrote a Word document"

# Started from its installed place it shows its window and pictures it.
shot="$scratch/shown.png"
VARNOLT_SCREENSHOT="$shot" QT_QPA_PLATFORM=offscreen timeout 20 \
    "$scratch/root/usr/bin/varnolt" >/dev/null
[ -s "$shot" ] || { echo "the installed program did not show its window"; exit 1; }
echo "the installed program started and showed its window"
