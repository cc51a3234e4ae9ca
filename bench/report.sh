#!/usr/bin/env bash
# A year of answers (73,000 over 365 days) written through the answer log into a scratch folder,
# then read back and reported on: the file's size, each step's time, what an append costs the
# drill and what fdatasync costs the sync thread. The folder's file system decides the sync
# cost; give another folder to measure there. Usage: bench/report.sh [folder]
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/common.sh
build_probes pondivar_report_bench
folder=$(mktemp -d "${1:-$work}/report-bench-XXXXXX")
trap 'rm -rf "$folder"; cleanup' EXIT
echo "folder: $folder ($(stat -f -c %T "$folder"))"
./build/pondivar_report_bench "$folder"
