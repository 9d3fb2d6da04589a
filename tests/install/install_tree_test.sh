#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the tree as a user and the desktop would
# meet it. A validator whose tool is missing is skipped with a note; everything else failing
# fails the test.
set -uo pipefail
cmake=$1 build=$2 version=$3
id=io.github.kurvex.Kurvex

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
skip() { echo "SKIPPED: $1 (install $2 to run it)"; }
have() { command -v "$1" >/dev/null 2>&1; }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

for file in bin/kurvex bin/kurvex-cli share/kurvex/help/Contents.html \
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/mime/packages/$id.xml \
  share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
  share/icons/hicolor/256x256/apps/$id.png share/man/man1/kurvex.1.gz \
  share/man/man1/kurvex-cli.1.gz share/bash-completion/completions/kurvex-cli \
  share/doc/kurvex/copyright share/doc/kurvex/changelog.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done

# The programs run from the tree, and the editor finds the installed help page (not the one
# in the build folder).
[ "$("$prefix/bin/kurvex-cli" --version)" = "kurvex-cli $version" ] || fail "kurvex-cli --version"
[ "$("$prefix/bin/kurvex" --version)" = "kurvex $version" ] || fail "kurvex --version"
help=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/kurvex" --help) || fail "kurvex --help"
grep -qxF "Help page: $prefix/share/kurvex/help/Contents.html" <<<"$help" ||
  fail "the installed editor does not find its help page: $help"

if have man; then
  for page in kurvex kurvex-cli; do
    out=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man -l $page.1.gz: $out"
    zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "@[A-Z_]*@" &&
      fail "$page.1 holds an unreplaced @VARIABLE@"
    MANWIDTH=80 man -l "$prefix/share/man/man1/$page.1.gz" 2>/dev/null | grep -q "EXIT STATUS\|OPTIONS" ||
      fail "man -l $page.1.gz renders no sections"
  done
  MANWIDTH=80 man -l "$prefix/share/man/man1/kurvex-cli.1.gz" 2>/dev/null >"$prefix/cli.txt"
  for command in $("$prefix/bin/kurvex-cli" --help | sed -n 's/^  \([a-z-]*\)  .*/\1/p'); do
    grep -q "^       $command " "$prefix/cli.txt" || fail "kurvex-cli.1 lacks the command $command"
  done
else
  skip "man pages" man-db
fi

if have desktop-file-validate; then
  desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
else
  skip "desktop entry" desktop-file-utils
fi

if have appstreamcli; then
  appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml" >"$prefix/as.txt" 2>&1 ||
    fail "appstreamcli validate: $(cat "$prefix/as.txt")"
else
  skip "AppStream metadata" appstream
fi

if have update-mime-database; then
  update-mime-database "$prefix/share/mime" >/dev/null 2>&1 || fail "update-mime-database"
  grep -q "^application/x-kurvex-course:\*\.kurv$" "$prefix/share/mime/globs" ||
    fail "no *.kurv glob in the MIME database"
  grep -q "x-kurvex-course" "$prefix/share/mime/magic" || fail "no KURV magic in the MIME database"
else
  skip "MIME type" shared-mime-info
fi

completion=/usr/share/bash-completion/bash_completion
if [ -f "$completion" ]; then
  mkdir "$prefix/files" && cd "$prefix/files" && : >rom.z64 && : >a.kurv && : >b.txt &&
    : >pic.png && mkdir out
  complete_line() {
    bash -c 'source "$1"; source "$2"; shift 2
      COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
      _kurvex_cli kurvex-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
      printf "%s\n" "${COMPREPLY[@]}" | LC_ALL=C sort | tr "\n" " "' _ \
      "$completion" "$prefix/share/bash-completion/completions/kurvex-cli" "$@"
  }
  expect() {
    local want=$1
    shift
    local got
    got=$(complete_line "$@")
    [ "$got" = "$want" ] || fail "completing '$*': '$got', expected '$want'"
  }
  expect "render rom-info " kurvex-cli r
  expect "--checksum --help --partial --slot " kurvex-cli patch rom.z64 out.z64 --
  expect "a.kurv b.txt out rom.z64 " kurvex-cli convert ""
  expect "a.kurv b.txt out " kurvex-cli convert a.kurv ""
  expect "rom.z64@Queen1 rom.z64@Queen2 rom.z64@Queen3 rom.z64@Queen4 rom.z64@Queen5 rom.z64@Queen6 " \
    kurvex-cli stats rom.z64@Q
  expect "out pic.png " kurvex-cli render a.kurv ""
  expect "Joker1= Joker2= Joker3= Joker4= Joker5= Joker6= " kurvex-cli patch rom.z64 o.z64 --slot Jo
else
  skip "bash completion" bash-completion
fi

[ "$failures" -eq 0 ] && echo "The installed tree is complete and valid."
exit $((failures > 0))
