#!/usr/bin/env bash
# The window in Traditional Chinese when it is built the way the run script builds it:
# only the program's target, from a build folder that has no language files yet. The
# window is pictured once in English and once in Traditional Chinese; when the language
# files were not brought along, both pictures show the built-in English texts.
#   LanguageFilesBuiltTest.sh BUILD_FOLDER GUI_PROGRAM
set -euo pipefail
build=$1 gui=$2

rm -rf "$(dirname "$gui")/Lang"
cmake --build "$build" --target t360kv-gui >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
settings="$home/Documents/Norax/TidelaneT360KVConfig"
mkdir -p "$settings"

picture() {
    printf '[VIEW]\r\nLanguage=%s\r\n' "$1" >"$settings/NoraxT360KVConfig.ini"
    HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=offscreen \
        "$gui" --screenshot "$home/window-$1.png" --after 300
}
picture 0
picture 1

for file in Lang-EN.ini Lang-TW.ini Lang-CN.ini; do
    [ -f "$(dirname "$gui")/Lang/$file" ] || { echo "Lang/$file was not built beside $gui"; exit 1; }
done
if cmp -s "$home/window-0.png" "$home/window-1.png"; then
    echo "The window looks the same in English and in Traditional Chinese: its texts were not loaded"
    exit 1
fi
echo "The window shows its Traditional Chinese texts"
