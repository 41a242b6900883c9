#!/bin/sh
# Builds the Debian package from a build tree and checks it: the file list,
# the declared dependencies (each installed here, as on a Debian 12 machine
# with the build's Qt), and an installation with dpkg into a scratch root.
# Usage: check-deb.sh BUILD_DIR EXPECTED_CONTENTS
set -eu
build=$1
expected=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)

# Regular files only; directories and their order do not matter.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$scratch/contents.txt"
sort "$expected" | diff -u - "$scratch/contents.txt"

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for package in $(echo "$depends" | sed 's/([^)]*)//g; s/,/ /g'); do
    dpkg -s "$package" >/dev/null 2>&1 || { echo "dependency $package is not a package here"; exit 1; }
done

root="$scratch/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg --root="$root" --log=/dev/null --force-not-root --force-depends --force-script-chrootless -i "$deb" \
    >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log"; exit 1; }
while read -r file; do
    test -f "$root/$file" || { echo "not installed: $file"; exit 1; }
done <"$expected"
test -x "$root/usr/bin/velmora-gen"
"$root/usr/bin/velmora-gen" --version
gzip -t "$root/usr/share/man/man1/velmora-gen.1.gz"
if command -v groff >/dev/null; then
    warnings=$(gzip -dc "$root/usr/share/man/man1/velmora-gen.1.gz" | groff -man -Tutf8 -ww -z 2>&1)
    test -z "$warnings" || { echo "manual page: $warnings"; exit 1; }
fi
echo "package ok: $(basename "$deb")"
