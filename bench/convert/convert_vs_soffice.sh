#!/usr/bin/env bash
# End-to-end time of one deck through slidemint ("Default Slide") against
# LibreOffice's own PDF export of the same deck, measured in one run, and
# the share of slidemint's own work (bitmap load, page recording, JPEG
# encoding and PDF writing) in its total.
#
#   bash bench/convert/convert_vs_soffice.sh [BUILD_DIR] [DECK] [RENDER_AHEAD]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build-release}
deck=${2:-../shared/decks/42474-2.ppt}
ahead=${3:-}
slidemint="$build/app/cli/slidemint"
[ -x "$slidemint" ] || { echo "build slidemint first: cmake --build $build --target slidemint" >&2; exit 2; }
[ -f "$deck" ] || { echo "deck not found: $deck" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
now() { date +%s.%N; }
calc() { awk "BEGIN { print $1 }"; }

# LibreOffice alone, with a fresh profile as slidemint's office gets.
start=$(now)
soffice -env:UserInstallation="file://$work/profile" --headless --norestore --nolockcheck \
  --convert-to pdf --outdir "$work/soffice" "$deck" >/dev/null 2>&1
direct=$(calc "$(now) - $start")

args=(convert --quality default -o "$work/slidemint" "$deck")
[ -n "$ahead" ] && args+=(--render-ahead "$ahead")
start=$(now)
TMPDIR="$work" SLIDEMINT_TIMINGS=1 "$slidemint" "${args[@]}" >/dev/null 2>"$work/timings.txt"
ours=$(calc "$(now) - $start")
own=$(sed -n 's/^own work: \([0-9.]*\) s.*/\1/p' "$work/timings.txt")

name=$(basename "$deck")
pages=$(pdfinfo "$work/slidemint/${name%%.*}.pdf" | sed -n 's/^Pages: *//p')
printf 'deck                 %s (%s pages)\n' "$(basename "$deck")" "$pages"
printf 'soffice --convert-to %.2f s\n' "$direct"
printf 'slidemint            %.2f s\n' "$ours"
printf 'ratio                %.2fx\n' "$(calc "$ours / $direct")"
printf 'own work             %.2f s (%.1f%% of slidemint): %s\n' "$own" "$(calc "100 * $own / $ours")" \
  "$(sed -n 's/^own work: [0-9.]* s (\(.*\))/\1/p' "$work/timings.txt")"
