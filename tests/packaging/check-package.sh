#!/usr/bin/env bash
# Builds the .deb from a configured build folder and puts it through the distribution's own
# checks: lintian (no error, no warning, no info tag but those listed below),
# desktop-file-validate and appstreamcli. Then installs it into a scratch root with dpkg,
# and purges it again: nothing may be left behind.
#   check-package.sh <build folder>
set -euo pipefail
build=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Info-level tags kept on purpose, separated by blanks, each with its reason here. None today.
allowed_info=""

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no single .deb: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb")"

# lintian refuses to run as root without a word on stderr; its findings go to stdout.
lintian --info --pedantic --fail-on error,warning "$deb" >"$work/lintian" 2>"$work/lintian.err" ||
    { cat "$work/lintian" "$work/lintian.err"; fail "lintian"; }
cat "$work/lintian"
while read -r level _ tag _; do
    case "$level" in
        I:) [[ " $allowed_info " == *" $tag "* ]] || fail "info tag not accounted for: $tag" ;;
        N:|P:) ;; # explanations, and pedantic hints: shown, not enforced
        *) fail "lintian: $level $tag" ;;
    esac
done < <(grep -E '^[A-Z]: ' "$work/lintian" || true)

dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
entries=("$work"/root/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || fail "menu entries: ${entries[*]}"
id=$(basename "${entries[0]}" .desktop)
# Hints count too: the entry must pass without a remark.
findings=$(desktop-file-validate "${entries[0]}" 2>&1) || fail "desktop-file-validate: $findings"
[ -z "$findings" ] || fail "desktop-file-validate: $findings"
appstreamcli validate --pedantic --no-net --explain "$work/root/usr/share/metainfo/$id.metainfo.xml" |
    tee "$work/appstream"
grep -q 'Validation was successful\.$' "$work/appstream" || fail "appstreamcli validate: findings"
appstreamcli validate-tree --pedantic --no-net "$work/root" | tee "$work/appstream-tree"
grep -q 'Validation was successful\.$' "$work/appstream-tree" || fail "appstreamcli validate-tree"

# Library dependencies are computed by dpkg-shlibdeps; the font is the one named by hand.
depends=$(sed -n 's/^Depends: //p' "$work/control/control")
echo "Depends: $depends"
for needed in 'libqt6widgets6 (>= ' 'libc6 (>= ' 'fonts-'; do
    [[ "$depends" == *"$needed"* ]] || fail "Depends lacks $needed"
done
file "$work/root/usr/bin/fourier" | grep -q ', stripped' || fail "binary not stripped"
owners=$(dpkg-deb -c "$deb" | awk '{print $2}' | sort -u)
[ "$owners" = "root/root" ] || fail "owners: $owners"

# Installed and purged with dpkg in a root of its own, its database empty.
root="$work/dpkg-root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" >"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg -i"; }
for f in usr/bin/fourier usr/share/fourier/velmora.cfg "usr/share/applications/$id.desktop" \
         "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
         usr/share/man/man1/fourier.1.gz usr/share/man/ru/man1/fourier.1.gz \
         usr/share/doc/fourier/copyright usr/share/doc/fourier/changelog.gz; do
    [ -f "$root/$f" ] || fail "not installed: /$f"
done
for size in 16 22 24 32 48 64 128 256; do
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "no ${size}px icon"
    [ -f "$root/usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-fourier.png" ] ||
        fail "no ${size}px file icon"
done
# The file type: the desktop's own tool builds a database from it that knows the suffix and
# the first line, and the menu entry opens such files.
mime="$work/mime"
mkdir -p "$mime/packages"
cp "$root/usr/share/mime/packages/$id.xml" "$mime/packages/" || fail "no MIME type installed"
update-mime-database "$mime" || fail "update-mime-database"
[ -f "$mime/application/x-fourier.xml" ] || fail "the MIME type is not in the database"
grep -qx '50:application/x-fourier:\*\.fourier' "$mime/globs2" || fail "suffix not registered"
grep -qx 'MimeType=application/x-fourier;' "${entries[0]}" || fail "menu entry lacks MimeType"
grep -q '^Exec=.*/fourier %f$' "${entries[0]}" || fail "menu entry does not pass the file"
dpkg --root="$root" --force-not-root --log=/dev/null --purge fourier >>"$work/dpkg.log" 2>&1 ||
    { cat "$work/dpkg.log"; fail "dpkg --purge"; }
left=$(cd "$root" && find . -path ./var -prune -o ! -name . -print)
[ -z "$left" ] || fail "left behind after purge: $left"
echo "package checks: ok"
