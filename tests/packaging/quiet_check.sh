#!/bin/sh
# Runs one of the Debian tools that check a packaging file, and fails on what it reports.
#   quiet_check.sh MODE PACKAGE TOOL [ARGUMENTS...]
# MODE: stderr (a warning is anything on standard error), output (anything printed at all) or
# status (the tool's exit status decides). PACKAGE is the Debian package that brings TOOL: a
# missing tool fails the check and names it, so that a machine without it never passes quietly.
set -u
mode=$1 package=$2 tool=$3
shift 2
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "FAILED: '$tool' is missing: install the Debian package $package (scripts/deps.sh installs it)" >&2
  exit 1
fi
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
status=$?
cat "$err" >&2
[ "$mode" = stderr ] || cat "$out"
if [ "$status" -ne 0 ]; then
  echo "FAILED: $tool exited with status $status" >&2
  exit 1
fi
case $mode in
  stderr) [ -s "$err" ] && { echo "FAILED: $tool wrote warnings (above)" >&2; exit 1; } ;;
  output) [ -s "$err" ] || [ -s "$out" ] && { echo "FAILED: $tool reported something (above)" >&2; exit 1; } ;;
  status) ;;
  *) echo "FAILED: unknown mode '$mode'" >&2; exit 1 ;;
esac
exit 0
