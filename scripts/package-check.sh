#!/usr/bin/env bash
# Builds the Debian package from build/ (made by scripts/test.sh), checks it with lintian (any
# error or warning fails), installs it with apt-get as a user would, and runs the installed
# programs: each manual page rendered, zetra --version without a display, the bash completion
# of zetra-cli, zetra-cli --version, then zetra-cli info against the installed simulated meter
# on a pipe of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

tools=()
command -v lintian >/dev/null || tools+=(lintian)
command -v man >/dev/null || tools+=(man-db)
[ -f /usr/share/bash-completion/bash_completion ] || tools+=(bash-completion)
if [ ${#tools[@]} -gt 0 ]; then
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${tools[@]}"
fi

rm -f "$dir"/zetra_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/zetra_*.deb)
[ -f "${debs[0]}" ] || { echo "no zetra_*.deb in $dir" >&2; exit 1; }
deb=$(realpath "${debs[0]}")
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

# Errors and warnings fail; pedantic and informational tags are only shown.
lintian --fail-on error,warning --display-info "$deb"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb" >/dev/null
for f in /usr/bin/zetra /usr/bin/zetra-cli /usr/bin/zetra-sim \
    /usr/share/applications/zetra.desktop /usr/share/icons/hicolor/scalable/apps/zetra.svg; do
    [ -e "$f" ] || { echo "not installed: $f" >&2; exit 1; }
done

for page in zetra zetra-cli zetra-sim; do
    file=/usr/share/man/man1/$page.1.gz
    [ -f "$file" ] || { echo "no manual page $file" >&2; exit 1; }
    rendered=$(MANWIDTH=80 man -l "$file" 2>&1 >/dev/null) || { echo "man -l $file failed" >&2; exit 1; }
    [ -z "$rendered" ] || { echo "man -l $file: $rendered" >&2; exit 1; }
    for section in "EXIT STATUS" ENVIRONMENT FILES EXAMPLES; do
        MANWIDTH=80 man -l "$file" | grep -q "^$section" || {
            echo "the manual page $page.1 has no $section section" >&2
            exit 1
        }
    done
done

# The window's --version and --help need no display.
window=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= /usr/bin/zetra --version)
[ "$window" = "zetra $(dpkg-deb --field "$deb" Version)" ] || {
    echo "zetra --version without a display gave '$window'" >&2
    exit 1
}

# The installed completion, as an interactive bash loads it: the command names after
# "zetra-cli da", the archive's options after "zetra-cli daily 01.03.2015 --sa".
completion=$(bash -i -c '
    . /usr/share/bash-completion/bash_completion
    __load_completion zetra-cli
    complete -p zetra-cli
    COMP_WORDS=(zetra-cli da); COMP_CWORD=1; _zetra_cli; echo "${COMPREPLY[*]}"
    COMP_WORDS=(zetra-cli daily 01.03.2015 --sa); COMP_CWORD=3; _zetra_cli; echo "${COMPREPLY[*]}"
' 2>/dev/null)
expected="complete -F _zetra_cli zetra-cli
daily
--save"
[ "$completion" = "$expected" ] || {
    printf 'the bash completion of zetra-cli gave:\n%s\n' "$completion" >&2
    exit 1
}

version=$(/usr/bin/zetra-cli --version)
echo "$version"
[ "$version" = "zetra-cli $(dpkg-deb --field "$deb" Version)" ] || {
    echo "the installed zetra-cli is not the packaged version" >&2
    exit 1
}

pipe="zetra-package-check-$$"
out=$(mktemp)
/usr/bin/zetra-sim --pipe "$pipe" --no-pty >"$out" &
sim=$!
trap 'kill $sim 2>/dev/null || true; rm -f "$out"' EXIT
for _ in $(seq 100); do grep -q '^ready' "$out" && break; sleep 0.1; done
grep -q '^ready' "$out" || { echo "the installed zetra-sim did not start" >&2; exit 1; }

info=$(/usr/bin/zetra-cli --pipe "$pipe" info)
echo "$info"
[ "$(tail -n 1 <<<"$info")" = "Завершено успешно" ] || {
    echo "zetra-cli info against the installed zetra-sim failed" >&2
    exit 1
}
echo "package check passed"
