#!/usr/bin/env bash
# Renews the pictures under docs/ from the program itself (offscreen).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$root/scripts/setup.sh"
fendrimo_install_packages
build="$root/build-tests"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON
cmake --build "$build" -j"$(nproc)" --target fendrimo_screenshot tst_printpdf
samples="$(mktemp -d)"
"$build/tests/fendrimo_screenshot" "$root/docs/hauptfenster.png" "$root/docs/vergleich.png" \
  "$root/docs/druckvorschau.png" "$root/docs/druckdialog.png" "$root/docs/verlauf.png" \
  "$root/docs/uebernehmen.png" "$samples/tabelle-vergleich.pdf"
pdftoppm -r 100 -png -singlefile -f 2 -l 2 "$samples/tabelle-vergleich.pdf" \
  "$root/docs/report-tabelle-vergleich"
# The window as it opens on a wide laptop screen.
FENDRIMO_WIDE_SCREEN="$root/docs/hauptfenster-1366x768.png" "$build/tests/fendrimo_screenshot" \
  "$root/docs/hauptfenster-1366x768.png"
echo "written: docs/hauptfenster-1366x768.png"
# The same window, comparison and preview in English, as on an English desktop.
LANGUAGE=en "$build/tests/fendrimo_screenshot" "$root/docs/main-window-en.png" \
  "$root/docs/comparison-en.png" "$root/docs/print-preview-en.png"
echo "written: docs/main-window-en.png, docs/comparison-en.png, docs/print-preview-en.png"
echo "written: docs/hauptfenster.png, docs/vergleich.png, docs/druckvorschau.png, docs/druckdialog.png, docs/verlauf.png, docs/uebernehmen.png, docs/report-tabelle-vergleich.png"

# Report pages printed to PDF through the built-in PDF printer, as pictures:
# the plain report, one with a comparison profile and the table page.
CUPS_SERVER=/nonexistent QT_QPA_PLATFORM=offscreen FENDRIMO_REPORT_SAMPLE="$samples/sample.pdf" \
  FENDRIMO_COMPARISON_SAMPLE="$samples/vergleich.pdf" FENDRIMO_TABLE_SAMPLE="$samples/tabelle.pdf" \
  "$build/tests/printing/tst_printpdf" >/dev/null
pdftoppm -r 100 -png -singlefile "$samples/sample.pdf" "$root/docs/report-sample"
pdftoppm -r 100 -png -singlefile "$samples/vergleich.pdf" "$root/docs/report-vergleich"
pdftoppm -r 100 -png -singlefile -f 2 -l 2 "$samples/tabelle.pdf" "$root/docs/report-tabelle"
echo "written: docs/report-sample.png, docs/report-vergleich.png, docs/report-tabelle.png"
