#!/usr/bin/env bash
# Builds the Debian package from build/ (made by scripts/test.sh), installs it with apt-get as a
# user would, and runs the installed programs: zetra-cli --version, then zetra-cli info against
# the installed simulated meter on a pipe of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

rm -f "$dir"/zetra_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
debs=("$dir"/zetra_*.deb)
[ -f "${debs[0]}" ] || { echo "no zetra_*.deb in $dir" >&2; exit 1; }
deb=$(realpath "${debs[0]}")
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$deb" >/dev/null
for f in /usr/bin/zetra /usr/bin/zetra-cli /usr/bin/zetra-sim \
    /usr/share/applications/zetra.desktop /usr/share/icons/hicolor/scalable/apps/zetra.svg; do
    [ -e "$f" ] || { echo "not installed: $f" >&2; exit 1; }
done

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
