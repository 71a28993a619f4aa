#!/bin/sh
# Builds a boot image package with GNU tar and md5sum, never with ixo:
#   make_package.sh [-d] [-H TEXT] OUT FILE...
# FILE... are the image archive's members, boot.txt first, taken from the
# working directory. The package holds the image archive as its first
# member and "<hash>" with the archive's MD5 digest as its second; with -d
# it is the image archive itself (boot.txt, the hash of boot.txt, then the
# images). -H puts TEXT after "<hash>" in place of the digest.
set -e
direct=0
hash=
while [ $# -gt 0 ]; do
    case "$1" in
    -d) direct=1; shift ;;
    -H) hash=$2; shift 2 ;;
    *) break ;;
    esac
done
out=$1
shift
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tar_ustar() {
    tar --format=ustar --owner=0 --group=0 --numeric-owner -cf "$@"
}
if [ "$direct" = 1 ]; then
    first=$1
    shift
    [ -n "$hash" ] || hash=$(md5sum < "$first" | cut -c1-32)
    printf '<hash>%s\n' "$hash" > "$tmp/hash.md5"
    cp "$first" "$tmp/$first"
    for f in "$@"; do cp "$f" "$tmp/$f"; done
    tar_ustar "$out" -C "$tmp" "$first" hash.md5 "$@"
else
    tar_ustar "$tmp/images.tar" "$@"
    [ -n "$hash" ] || hash=$(md5sum < "$tmp/images.tar" | cut -c1-32)
    printf 'package digest <hash>%s\n' "$hash" > "$tmp/hash.md5"
    tar_ustar "$out" -C "$tmp" images.tar hash.md5
fi
