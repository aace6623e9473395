#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it:
# scripts/package-check.sh BUILD_DIR. The package must list the programs and
# the desktop files, pass lintian where it is installed (its findings are
# shown, not fatal), and its kelconv, unpacked into a scratch root, must
# report the project's version.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
version=$(sed -n 's/^project([^ ]* VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
package="$build/kel-converter_${version}_$(dpkg --print-architecture).deb"

rm -f "$package"
(cd "$build" && cpack -G DEB > /dev/null)
[ -f "$package" ] || { echo "cpack did not make $package" >&2; exit 1; }

contents=$(dpkg-deb --contents "$package")
for file in usr/bin/kelconv usr/bin/kel-converter usr/share/man/man1/kelconv.1 \
            usr/share/man/man1/kel-converter.1 \
            usr/share/applications/kel-converter.desktop \
            usr/share/mime/packages/kel-converter.xml \
            usr/share/icons/hicolor/scalable/apps/kel-converter.svg \
            usr/share/icons/hicolor/48x48/apps/kel-converter.png; do
  grep -q " \./$file\$" <<< "$contents" || { echo "$package lacks $file" >&2; exit 1; }
done
echo "Depends: $(dpkg-deb --field "$package" Depends)"

if command -v lintian > /dev/null; then
  lintian --tag-display-limit 0 "$package" || echo "lintian reported the findings above"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$package" "$scratch"
reported=$("$scratch/usr/bin/kelconv" --version)
[ "$reported" = "kelconv $version" ] || {
  echo "the packaged kelconv reports '$reported', not 'kelconv $version'" >&2
  exit 1
}
echo "$(basename "$package"): $reported"
