#!/usr/bin/env bash
# Installs the Debian packages given as arguments that are not installed yet.
# Waits for the apt lock instead of failing when another apt is running.
set -euo pipefail

missing=()
for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$pkg")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
apt_get() {
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 "$@"
}

echo "Installing: ${missing[*]}"
if ! apt_get install -y --no-install-recommends "${missing[@]}"; then
    apt_get update
    apt_get install -y --no-install-recommends "${missing[@]}"
fi
