#!/usr/bin/env bash
# Makes the releases (scripts/package.sh) and checks them as a technician would get them.
#
# The Debian package, unpacked with dpkg-deb -x into a scratch folder: its files, each
# program's --version, `t360kv decode` against the golden output of a capture, the window
# reading its language files from share/t360kv/Lang (a picture in Traditional Chinese
# differs from the English one, and no longer does once that folder is gone), the manual
# pages naming every command and option of --help, the desktop entry and metainfo
# validated, and lintian without errors.
#
# The Windows installer under wine (the prefix of scripts/windows.sh, build/windows/wine):
# a silent install puts the programs and Lang\ under Program Files with a Start-menu
# shortcut and the Add/Remove Programs entry, the installed t360kv.exe --version runs,
# and the silent uninstaller removes all of it again. The zip holds the same files.
#
#   tests/packages/check.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/packages.sh

bash scripts/deps.sh "${PACKAGE_CHECK_PACKAGES[@]}"
bash scripts/package.sh

version=$(sed -n 's/^#define T360KV_VERSION "\(.*\)"$/\1/p' build/release/version/ProgramVersion.h)
app_id=com.tidelane.T360KVConfigurator
deb=dist/t360kv_${version}-1_amd64.deb
installer=dist/t360kv-${version}-win64.exe
zip=dist/t360kv-${version}-win64.zip
windows=build/windows

export WINEPREFIX=$PWD/$windows/wine
export WINEDEBUG=-all
install_dir="C:\\Program Files\\T360KV Configurator"
unix_install_dir="$WINEPREFIX/drive_c/Program Files/T360KV Configurator"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/T360KV Configurator.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\T360KV Configurator'

scratch=$(mktemp -d)
# Whatever a failed check left of the install in the wine prefix goes with the scratch
# folder, so that the next run starts from a prefix without it.
installing=false
cleanup() {
    if $installing; then
        rm -rf "$unix_install_dir" "$shortcut"
        wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
        wineserver -w
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "check.sh: $*" >&2
    exit 1
}

# "<name> <version>" from `<program> --version`, without a Windows line end.
expect_version() {
    local name=$1 output
    shift
    output=$("$@" --version | tr -d '\r') || fail "$name --version failed"
    [[ $output == "$name $version" ]] || fail "$name --version printed \"$output\""
}

# Each file of the folder `from` is the same in the folder `to`, which has no others.
same_files() {
    local from=$1 to=$2
    diff <(cd "$from" && find . -type f | sort) <(cd "$to" && find . -type f | sort) ||
        fail "$to does not hold the files of $from"
    (cd "$from" && find . -type f -print0) | while IFS= read -r -d '' file; do
        cmp -s "$from/$file" "$to/$file" || fail "$to/$file differs from $from/$file"
    done
}

echo "== The Debian package $deb"
[[ $(dpkg-deb -f "$deb" Version) == "$version-1" ]] || fail "the package's version is not $version-1"
root=$scratch/deb
dpkg-deb -x "$deb" "$root"
for file in usr/bin/t360kv usr/bin/t360kv-gui usr/bin/t360kv-sim \
    usr/share/applications/$app_id.desktop usr/share/metainfo/$app_id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$app_id.svg \
    usr/share/man/man1/t360kv.1.gz usr/share/man/man1/t360kv-sim.1.gz \
    usr/share/doc/t360kv/copyright usr/share/doc/t360kv/README.Debian \
    usr/share/doc/t360kv/changelog.Debian.gz; do
    [[ -f $root/$file ]] || fail "the package has no /$file"
done
for size in 16 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    file "$icon" | grep -q "PNG image data, $size x $size" || fail "no $size-pixel icon"
done
# The language files as the build puts them beside the window.
same_files build/release/ui/Lang "$root/usr/share/t360kv/Lang"

bin=$root/usr/bin
expect_version t360kv "$bin/t360kv"
expect_version t360kv-sim "$bin/t360kv-sim"
expect_version t360kv-gui env -u DISPLAY "$bin/t360kv-gui"

capture=gpsd/ais_unpack_sixbit.log
"$bin/t360kv" decode "tests/data/nmea/captures/$capture" >"$scratch/decoded.jsonl" 2>/dev/null ||
    fail "the packaged t360kv could not decode $capture"
cmp "$scratch/decoded.jsonl" "tests/data/nmea/expected/$capture.jsonl" ||
    fail "the packaged t360kv decodes $capture otherwise than the golden output"

# The window pictured in English (0) and Traditional Chinese (1), from the settings file
# of a home of its own.
home=$scratch/home
settings=$home/Documents/Norax/TidelaneT360KVConfig
mkdir -p "$settings"
picture() {
    printf '[VIEW]\r\nLanguage=%s\r\n' "$1" >"$settings/NoraxT360KVConfig.ini"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$scratch QT_QPA_PLATFORM=offscreen \
        "$bin/t360kv-gui" --screenshot "$scratch/$2.png" --after 300 2>/dev/null ||
        fail "the packaged window saved no picture in language $1"
}
picture 0 english
picture 1 chinese
cmp -s "$scratch/english.png" "$scratch/chinese.png" &&
    fail "the packaged window shows the same texts in English and Chinese: Lang not found"
mv "$root/usr/share/t360kv/Lang" "$scratch/Lang-away"
picture 1 chinese-without-lang
mv "$scratch/Lang-away" "$root/usr/share/t360kv/Lang"
cmp -s "$scratch/english.png" "$scratch/chinese-without-lang.png" ||
    fail "the window's Chinese texts came from elsewhere than share/t360kv/Lang"

# Every command and option that --help names is in the manual page.
page_text() { zcat "$root/usr/share/man/man1/$1.1.gz" | sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g'; }
"$bin/t360kv" --help >"$scratch/t360kv.help"
"$bin/t360kv-sim" --help >"$scratch/t360kv-sim.help"
for program in t360kv t360kv-sim; do
    page_text "$program" >"$scratch/$program.page"
    words=$(grep -o -- '--[a-z0-9-]*[a-z0-9]' "$scratch/$program.help" | sort -u)
    [[ $program == t360kv ]] && words+=" $(sed -n 's/^  \([a-z]\+\) .*/\1/p' "$scratch/$program.help")"
    for word in $words; do
        grep -q -- "$word" "$scratch/$program.page" || fail "the manual page of $program lacks $word"
    done
done
zcat "$root/usr/share/doc/t360kv/changelog.Debian.gz" | head -1 | grep -qF "t360kv ($version-1)" ||
    fail "the changelog's newest entry is not $version-1"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the metainfo has no release $version"

desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
lintian --fail-on error "$deb"

echo "== The portable zip $zip"
unzip -q "$zip" -d "$scratch/zip"
mkdir -p "$scratch/programs/Lang"
cp "$windows/t360kv-win.exe" "$windows/t360kv.exe" "$scratch/programs/"
cp "$windows"/Lang/* "$scratch/programs/Lang/"
same_files "$scratch/programs" "$scratch/zip/T360KV"

echo "== The Windows installer $installer under wine"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi
[[ -e $unix_install_dir ]] && fail "$unix_install_dir is there before the install"
installing=true
wine "$installer" /S || fail "the silent install failed"
[[ -f $unix_install_dir/Uninstall.exe ]] || fail "no uninstaller in $install_dir"
cp "$unix_install_dir/Uninstall.exe" "$scratch/programs/"
same_files "$scratch/programs" "$unix_install_dir"
[[ -f $shortcut ]] || fail "no Start-menu shortcut"

# The value of the Add/Remove Programs entry, from `reg query`'s "name  REG_SZ  value".
entry() {
    wine reg query "$uninstall_key" /v "$1" | tr -d '\r' |
        sed -n "s/^ *$1 \+REG_SZ \+//p"
}
[[ $(entry DisplayName) == "T360KV Configurator" ]] || fail "DisplayName is \"$(entry DisplayName)\""
[[ $(entry DisplayVersion) == "$version" ]] || fail "DisplayVersion is \"$(entry DisplayVersion)\""
[[ $(entry Publisher) == Tidelane ]] || fail "Publisher is \"$(entry Publisher)\""
[[ $(entry UninstallString) == "\"$install_dir\\Uninstall.exe\"" ]] ||
    fail "UninstallString is \"$(entry UninstallString)\""

expect_version t360kv wine "$install_dir\\t360kv.exe"

# The uninstaller runs a copy of itself from the temporary folder and returns at once:
# the wine server ends when that copy has ended.
wine "$install_dir\\Uninstall.exe" /S || fail "the silent uninstall failed"
wineserver -w
[[ -e $unix_install_dir ]] && fail "the uninstaller left $install_dir: $(ls -R "$unix_install_dir")"
[[ -e $shortcut ]] && fail "the uninstaller left the Start-menu shortcut"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left $uninstall_key"
installing=false

echo "The Debian package, the Windows installer and the zip of version $version are sound."
