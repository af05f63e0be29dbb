#!/usr/bin/env bash
# Installs, from Debian's packages, whatever of the build and test tools this
# machine lacks, plus any packages named as arguments. Safe to run again: it
# asks apt only for what is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-svg-dev libgl-dev
    qt6-translations-l10n locales
    qt6-tools-dev qt6-l10n-tools
    xvfb xauth fonts-wqy-zenhei fonts-noto-cjk fonts-dejavu-extra
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev file
    libxlsxwriter-dev libicu-dev libtomlplusplus-dev libzip-dev unzip
    chromium poppler-utils tidy libreoffice-writer-nogui python3-docx
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or install these packages yourself): ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The window's tests also run under the Chinese locale of most users.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf-\?8'; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "Run as root (or generate the zh_CN.UTF-8 locale yourself)" >&2
        exit 1
    fi
    sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen
fi
