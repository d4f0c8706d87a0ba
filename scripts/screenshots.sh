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
"$build/tests/fendrimo_screenshot" "$root/docs/hauptfenster.png"
echo "written: docs/hauptfenster.png"

# A report page printed to PDF through the built-in PDF printer, as a picture.
sample="$(mktemp -d)/sample.pdf"
CUPS_SERVER=/nonexistent QT_QPA_PLATFORM=offscreen FENDRIMO_REPORT_SAMPLE="$sample" \
  "$build/tests/printing/tst_printpdf" >/dev/null
pdftoppm -r 100 -png -singlefile "$sample" "$root/docs/report-sample"
echo "written: docs/report-sample.png"
