#!/usr/bin/env bash
# Prints a calculation report (varnolt-report -o REPORT.html) to PDF with
# headless Chromium, as the browser test does, and renders every page as a
# PNG image: REPORT.pdf and REPORT-01.png … next to the report, or in OUTDIR.
#   bash scripts/report-pages.sh REPORT.html [OUTDIR] [DPI]
set -euo pipefail

if [ $# -lt 1 ]; then
    echo "usage: $0 REPORT.html [OUTDIR] [DPI]" >&2
    exit 2
fi
report=$(realpath "$1")
outdir=$(realpath "${2:-$(dirname "$report")}")
dpi=${3:-100}
stem=$(basename "${report%.*}")
mkdir -p "$outdir"

profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$profile" --no-pdf-header-footer \
    --print-to-pdf="$outdir/$stem.pdf" "file://$report" >/dev/null 2>&1
pdftoppm -r "$dpi" -png "$outdir/$stem.pdf" "$outdir/$stem"
echo "$outdir/$stem.pdf: $(pdfinfo "$outdir/$stem.pdf" | awk '/^Pages:/ {print $2}') pages, images $outdir/$stem-*.png"
