#!/usr/bin/env bash
# Checks a built Debian package: unpacks it into a scratch root, checks what it installs,
# and starts both programs from there.
set -euo pipefail
deb=$(realpath "$1")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

fail() { echo "package check: $*" >&2; exit 1; }

# Read whole first: grep -q leaving a pipe early would fail the pipeline.
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *qt6-qpa-plugins* ]] || fail "Qt platform plugins not declared"
[[ $depends == *libqt6widgets6* ]] || fail "Qt libraries not declared"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/chronoflip usr/bin/chronoflip-cli usr/share/applications/chronoflip.desktop \
            usr/share/icons/hicolor/scalable/apps/chronoflip.svg \
            usr/share/man/man1/chronoflip.1.gz usr/share/man/man1/chronoflip-cli.1.gz \
            usr/share/chronoflip/guide.html usr/share/doc/chronoflip/copyright \
            usr/share/doc/chronoflip/README.md usr/share/mime/packages/chronoflip.xml; do
    [[ -e $root/$file ]] || fail "$file missing"
done
desktop-file-validate "$root/usr/share/applications/chronoflip.desktop"
# The guide's pictures are there.
for picture in $(grep -o 'src="[^"]*"' "$root/usr/share/chronoflip/guide.html" | cut -d'"' -f2); do
    [[ -e $root/usr/share/chronoflip/$picture ]] || fail "the guide's $picture missing"
done

# A file manager offers "Open with Chronoflip" for the GNSS names, in either case, and for
# compressed files: the names get the types the desktop entry says the program opens, and
# the program takes the files it is given (%F).
entry=$(<"$root/usr/share/applications/chronoflip.desktop")
[[ $entry == *$'\nExec=chronoflip %F\n'* ]] || fail "the desktop entry passes no files"
mime=$root/usr/share/mime
update-mime-database "$mime" >/dev/null
shopt -s nocasematch
for name in abcd0480.16o ABCD0480.16O brdc0480.16n ESBC00DNK_R_20201770000_01D_30S_MO.rnx \
            abcd0480.16d KOSG0010.95D ESBC00DNK_R_20201770000_01D_30S_MO.crx igs18901.sp3; do
    type=""
    while IFS=: read -r _ candidate pattern _; do
        # shellcheck disable=SC2053 # the pattern is a glob
        [[ $name == $pattern ]] && { type=$candidate; break; }
    done < <(grep -v '^#' "$mime/globs2")
    [[ -n $type ]] || fail "$name has no file type"
    [[ $entry == *"MimeType="*"$type;"* ]] || fail "$name is $type, which the entry does not name"
done
shopt -u nocasematch
for type in application/gzip application/x-compress; do
    [[ $entry == *"MimeType="*"$type;"* ]] || fail "the desktop entry does not name $type"
done

# Debian's own checks, and no address that leads nowhere.
lintian --fail-on error,warning "$deb" || fail "lintian found faults"
if grep -rq 'example\.org' "$root" || dpkg-deb --field "$deb" | grep -q 'example\.org'; then
    fail "the package names example.org"
fi

# One version, from project() in CMakeLists.txt: the package, its change log, the manual
# pages and the program itself must all give it.
project_version=$(sed -n 's/^project(Chronoflip VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
short_version=$(cut -d. -f1-2 <<<"$project_version")
[[ -n $project_version ]] || fail "no version in CMakeLists.txt"
package_version=$(dpkg-deb --field "$deb" Version)
[[ $package_version == "$project_version" ]] ||
    fail "package version $package_version, project version $project_version"
changelog=$(zcat "$root/usr/share/doc/chronoflip/changelog.gz")
changelog=${changelog%%$'\n'*}
[[ $changelog == "chronoflip ($project_version) "* ]] || fail "change log starts '$changelog'"
for page in chronoflip chronoflip-cli; do
    title=$(zcat "$root/usr/share/man/man1/$page.1.gz")
    title=${title%%$'\n'*}
    [[ $title == *"\"Chronoflip $short_version\""* ]] || fail "$page.1 says '$title'"
done
version=$("$root/usr/bin/chronoflip-cli" --version)
[[ $version == "$short_version" ]] || fail "chronoflip-cli --version said '$version'"

# The desktop program must come up and stay up; timeout ends it (status 124).
status=0
HOME=$root QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/chronoflip" || status=$?
[[ $status -eq 124 ]] || fail "chronoflip ended with status $status at start"

echo "package check: $(basename "$deb") installs and starts both programs"
