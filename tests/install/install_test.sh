#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the game into a temporary prefix, compares the installed files with
# files.txt, validates the installed desktop entry and metainfo, and starts the
# installed game until it shows its first window.
#
#   install_test.sh BUILD_DIR
#
# The first window is detected with Qt's minimal platform: with
# QT_DEBUG_BACKINGSTORE set it writes every window it flushes to outputNNNN.png
# in the working folder, so the first such picture is the first window shown.
set -euo pipefail
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tmp="$(mktemp -d)"
pid=""
cleanup() {
  if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
trap "exit 1" INT TERM

cmake --install "$build" --prefix "$tmp/usr" >/dev/null
(cd "$tmp/usr" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) >"$tmp/files"
diff -u "$here/files.txt" "$tmp/files"

desktop-file-validate "$tmp/usr/share/applications/io.github.gunsei.Gunsei.desktop"
appstreamcli validate --no-net --explain "$tmp/usr/share/metainfo/io.github.gunsei.Gunsei.metainfo.xml"
[[ -x "$tmp/usr/bin/gunsei" ]]

mkdir "$tmp/run"
cd "$tmp/run"
QT_QPA_PLATFORM=minimal:fontconfig QT_DEBUG_BACKINGSTORE=1 "$tmp/usr/bin/gunsei" >log 2>&1 &
pid=$!
# The opening screen is 800 x 600: the width and height in the PNG header.
want="00000320 00000258"
for ((i = 0; i < 300; i++)); do
  if [[ -f output0000.png ]] && [[ "$(od -An -tx1 -j16 -N8 output0000.png | tr -d ' \n' | sed 's/^\(.\{8\}\)/\1 /')" == "$want" ]]; then
    echo "first window shown after about $((i / 10)).$((i % 10)) s"
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    pid=""
    echo "the installed game ended before it showed a window:" >&2
    cat log >&2
    exit 1
  fi
  sleep 0.1
done
echo "the installed game showed no window within 30 s:" >&2
cat log >&2
exit 1
