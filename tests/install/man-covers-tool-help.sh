#!/bin/bash
# Every command and option that `vorpa-tool --help` and `vorpa-tool CMD --help`
# list appears in vorpa-tool(1), and every option of `vorpa --help` and
# `vorpa-ipatd --help` in their pages.
# Usage: man-covers-tool-help.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
man=$2/data/man
missing=0
# A home of its own: nothing here reads or writes the user's files.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
       XDG_STATE_HOME=$home/.local/state XDG_RUNTIME_DIR=$home/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

# The page's text with roff's escaped hyphens as plain ones.
page_text() { sed 's/\\-/-/g' "$man/$1.1"; }

# The long options in a help text.
options_of() { grep -oE -- '--[a-z][a-z0-9-]*' | sort -u; }

expect() {  # expect PAGE WORD WHERE
  if ! grep -qF -- "$2" <<< "$(page_text "$1")"; then
    echo "$1(1) lacks $2 (listed by $3)"
    missing=1
  fi
}

commands=$("$build/vorpa-tool" --help | sed -n '/^Commands:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
[ -n "$commands" ] || { echo "vorpa-tool --help lists no commands"; exit 1; }
for opt in $("$build/vorpa-tool" --help | options_of); do expect vorpa-tool "$opt" "vorpa-tool --help"; done
for cmd in $commands; do
  expect vorpa-tool ".SS $cmd" "vorpa-tool --help"
  for opt in $("$build/vorpa-tool" "$cmd" --help | options_of); do
    expect vorpa-tool "$opt" "vorpa-tool $cmd --help"
  done
done
if [ -x "$build/vorpa" ]; then
  for opt in $("$build/vorpa" --help | options_of); do expect vorpa "$opt" "vorpa --help"; done
fi
for opt in $("$build/vorpa-ipatd" --help | options_of); do expect vorpa-ipatd "$opt" "vorpa-ipatd --help"; done
exit $missing
