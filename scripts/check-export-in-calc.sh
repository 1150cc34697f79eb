#!/usr/bin/env bash
# Shows that a table export opens in LibreOffice Calc as intended: Windows-1251
# text, ";" separators, 30 columns in every data row.
#   scripts/check-export-in-calc.sh [RECORDING.kvr]
# Installs libreoffice-calc-nogui when missing (large; not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh >/dev/null
if ! command -v soffice >/dev/null; then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends libreoffice-calc-nogui
fi
recording="${1:-fuzz/corpus/two-frames.kvr}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
build/bin/kestrovin-cli export "$recording" "$work/export.csv"
# Import options: separator 59 (";"), text delimiter 34 ("), character set 34
# (Windows-1251); written back as UTF-8 (76) with tabs (9) to count the columns.
soffice --headless -env:UserInstallation="file://$work/profile" --infilter="CSV:59,34,34,1" \
  --convert-to "csv:Text - txt - csv (StarCalc):9,34,76,1" --outdir "$work/out" "$work/export.csv" >/dev/null 2>&1
converted="$work/out/export.csv"
frames=$(head -n 1 "$converted" | grep -o '[0-9]* кадров' | grep -o '^[0-9]*')
echo "check: Calc read the banner: $(head -n 1 "$converted" | tr '\t' ' ' | tr -s ' ')"
bad=$(awk -F'\t' -v n="$frames" 'NR >= 3 && NR < 3 + n && NF != 30 { print NR": "NF" columns" }' "$converted")
if [ -n "$bad" ] || [ -z "$frames" ]; then
  echo "check: rows without 30 columns:"; echo "$bad"; exit 1
fi
echo "check: all $frames data rows have 30 columns"
