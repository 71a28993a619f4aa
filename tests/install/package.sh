#!/usr/bin/env bash
# Builds the Debian packages with scripts/package and lists their contents:
# each package holds its programs, manual pages and completion, and not the
# other's. Exits 77 (skipped) where the Debian tooling is not installed.
# Usage: package.sh [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
for tool in dpkg-buildpackage dh lintian fakeroot; do
    command -v "$tool" >/dev/null || { echo "skipped: no $tool"; exit 77; }
done
out=${1:-build-deb}
mkdir -p "$out"
scripts/package "$out" >"$out/package.log" 2>&1 || { tail -n 40 "$out/package.log"; exit 1; }

failures=0
contents() {
    dpkg-deb -c "$out"/"$1"_*.deb | awk '{print $6}' | sed 's|^\./|/|'
}
expect() {
    local package=$1 listing
    shift
    listing=$(contents "$package")
    for path in "$@"; do
        if [[ $path == !* ]]; then
            grep -qx "${path#!}" <<<"$listing" && { echo "FAIL: $package holds ${path#!}"; failures=$((failures + 1)); }
        else
            grep -qx "$path" <<<"$listing" || { echo "FAIL: $package lacks $path"; failures=$((failures + 1)); }
        fi
    done
    return 0
}
expect ixo /usr/sbin/ixo /usr/share/man/man8/ixo.8.gz /usr/share/bash-completion/completions/ixo \
    /usr/share/doc/ixo/copyright '!/usr/bin/ixo-sim' '!/usr/bin/xelsim'
expect ixo-sim /usr/bin/ixo-sim /usr/bin/xelsim /usr/share/man/man1/ixo-sim.1.gz /usr/share/man/man1/xelsim.1.gz \
    /usr/share/bash-completion/completions/ixo-sim /usr/share/doc/ixo-sim/copyright '!/usr/sbin/ixo'
[[ $failures -eq 0 ]] && echo "packages: $(cd "$out" && ls ./*.deb | tr '\n' ' ')"
[[ $failures -eq 0 ]]
