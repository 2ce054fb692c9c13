#!/bin/bash
# Installs the build into a temporary prefix and checks the installed tree as a
# desktop and a packager see it; then builds the Debian package and checks it.
# Usage: install-tree.sh BUILD_DIR VERSION
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A home of its own: nothing here reads or writes the user's files.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
       XDG_STATE_HOME=$work/home/.local/state XDG_RUNTIME_DIR=$work/home/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
prefix=$work/prefix
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

# The tree.
for f in bin/vorpa bin/vorpa-tool bin/vorpa-ipatd \
         share/icons/hicolor/scalable/apps/vorpa.svg \
         share/man/man1/vorpa.1 share/man/man1/vorpa-tool.1 share/man/man1/vorpa-ipatd.1 \
         share/vorpa/help/index.html \
         share/doc/vorpa/examples/vorpa-fetch.service share/doc/vorpa/examples/vorpa-fetch.timer; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
for size in 16 22 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/vorpa.png
  file "$png" | grep -q "PNG image data, $size x $size" || fail "no ${size}x${size} icon"
done
desktop=$(ls "$prefix"/share/applications/*.desktop)
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)

# The programs run and name their version.
for p in vorpa vorpa-tool vorpa-ipatd; do
  out=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/$p" --version) || fail "$p --version failed"
  [ "$out" = "$p $version" ] || fail "$p --version printed '$out'"
done

# Desktop entry and AppStream metadata, and the entry's command is the program.
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
grep -qx 'Exec=vorpa' "$desktop" && grep -qx 'Icon=vorpa' "$desktop" || fail "desktop entry command or icon"
grep -q '^Comment\[ja\]=' "$desktop" || fail "no Japanese comment"
appstreamcli validate --no-net "$metainfo" > "$work/as.log" || { cat "$work/as.log"; fail "appstreamcli validate"; }
grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" || fail "metainfo names another desktop entry"

# Man pages render without a warning.
for page in "$prefix"/share/man/man1/*.1; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 > /dev/null)
  [ -z "$warnings" ] || fail "man $page: $warnings"
done

# The installed program finds its help page in the data folder, and the page
# names only files that lie beside it.
help=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/vorpa" --help-page) || fail "vorpa --help-page: not found ($help)"
[ "$help" = "$prefix/share/vorpa/help/index.html" ] || fail "help page at $help"
for ref in $(grep -oE '(src|href)="[^"#]+"' "$help" | sed -E 's/^[a-z]+="(.*)"$/\1/'); do
  case $ref in *:*) fail "help page loads $ref from outside" ;; esac
  [ -f "$(dirname "$help")/$ref" ] || fail "help page names missing $ref"
done
for anchor in $(grep -oE 'href="#[^"]+"' "$help" | sed -E 's/href="#(.*)"/\1/'); do
  grep -q "id=\"$anchor\"" "$help" || fail "help page table of contents: no #$anchor"
done

# The installed programs keep their settings in $XDG_CONFIG_HOME/vorpa, even
# when their folder is writable.
XDG_CONFIG_HOME=$work/config "$prefix/bin/vorpa-tool" --data-dir /nonexistent settings > /dev/null
[ -d "$work/config/vorpa" ] || fail "no configuration directory under XDG_CONFIG_HOME"
ls "$prefix/bin" | grep -qv '^vorpa' && fail "settings written into bin/"

# The example units name the installed vorpa-tool and pass systemd's check.
service=$prefix/share/doc/vorpa/examples/vorpa-fetch.service
grep -q "^ExecStart=/usr/bin/timeout 13h $prefix/bin/vorpa-tool fetch$" "$service" || fail "service command: $(grep ExecStart "$service")"
if command -v systemd-analyze > /dev/null; then
  units=$work/units
  mkdir -p "$units"
  cp "$service" "$prefix/share/doc/vorpa/examples/vorpa-fetch.timer" "$units/"
  (cd "$units" && SYSTEMD_LOG_LEVEL=warning systemd-analyze verify --man=no vorpa-fetch.service vorpa-fetch.timer) \
    || fail "systemd-analyze verify"
fi

# The service's command against the simulator, stopped as systemd stops it:
# SIGTERM to the whole group lets the running page finish and ends the run
# with exit 0, leaving every race file whole.
"$prefix/bin/vorpa-ipatd" --port 0 --seed 7 --now "2026-12-06 14:00:00" > "$work/ipatd.log" &
ipatd=$!
for _ in $(seq 100); do grep -q listening "$work/ipatd.log" && break; sleep 0.1; done
port=$(sed -n 's/.*listening on .*:\([0-9]*\)$/\1/p' "$work/ipatd.log")
mkdir -p "$work/svc/vorpa" "$work/data"
printf '[vorpa]\r\nINetID=SVC00001\r\nMojiPath=%s\r\nIPatHost=127.0.0.1:%s\r\n' "$work/data" "$port" \
  > "$work/svc/vorpa/Vorpa.Ini"
read -r -a command <<< "$(sed -n 's/^ExecStart=//p' "$service")"
XDG_CONFIG_HOME=$work/svc setsid "${command[@]}" --now "2026-12-06 14:00:00" --retry-wait 0 > "$work/fetch.log" 2>&1 &
fetch=$!
for _ in $(seq 300); do grep -q ' 取得$' "$work/fetch.log" && break; sleep 0.1; done
kill -TERM -- "-$fetch"
status=0
wait "$fetch" || status=$?
kill "$ipatd"
[ "$status" -eq 0 ] || fail "service command ended with $status on SIGTERM: $(cat "$work/fetch.log")"
grep -q ' 取得$' "$work/fetch.log" || fail "service command fetched nothing: $(cat "$work/fetch.log")"
tail -n 1 "$work/fetch.log" | grep -qE ' (情報取得停止|情報取得終了|全情報取得完了)$' \
  || fail "service command's last line: $(tail -n 1 "$work/fetch.log")"
while IFS= read -r -d '' mjo; do
  head -c 14 "$mjo" | grep -q '^VORPADAT 2.1' && [ "$(tail -c 2 "$mjo" | od -An -c | tr -d ' ')" = '\r\n' ] \
    || fail "race file not whole: $mjo"
done < <(find "$work/data" -name '*.MJO' -print0)

# The Debian package: its files, and dependencies computed from the binaries.
(cd "$build" && cpack -G DEB -B "$work/deb" > "$work/cpack.log") || { cat "$work/cpack.log"; fail "cpack"; }
deb=$work/deb/vorpa_${version}_amd64.deb
if [ -f "$deb" ]; then
  dpkg-deb -c "$deb" | awk '{ print $6 }' > "$work/deb.files"
  for f in ./usr/bin/vorpa ./usr/bin/vorpa-tool ./usr/bin/vorpa-ipatd \
           ./usr/share/man/man1/vorpa-tool.1 ./usr/share/vorpa/help/index.html ./usr/share/vorpa/help/raceday.png \
           ./usr/share/icons/hicolor/48x48/apps/vorpa.png "./usr/share/applications/$(basename "$desktop")" \
           "./usr/share/metainfo/$(basename "$metainfo")" ./usr/share/doc/vorpa/examples/vorpa-fetch.timer; do
    grep -qxF "$f" "$work/deb.files" || fail "package lacks $f"
  done
  dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vorpa/examples/vorpa-fetch.service \
    | grep -q '^ExecStart=/usr/bin/timeout 13h /usr/bin/vorpa-tool fetch$' || fail "packaged service command"
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6charts6 libcurl4 'libicu[0-9]' libc6 fonts-ipafont-gothic fonts-noto-cjk qt6-translations-l10n; do
    echo "$depends" | grep -qE "(^|, )$lib" || fail "Depends lacks $lib: $depends"
  done
  [ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"
else
  fail "no $deb ($(ls "$work/deb"))"
fi

exit $failed
