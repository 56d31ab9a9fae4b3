# shellcheck shell=bash
# Sourced by the scripts that run the Windows build under Debian's 64-bit Wine. Needs $work, a
# temporary folder of the caller's that holds the Wine prefixes, and $qt, the Qt for Windows.
wine="${OSK_WINE:-/usr/lib/wine/wine64}"
wineserver="$(dirname "$wine")/wineserver"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
unset WINEPATH

windows_path() { # a Linux path as Wine's Z: drive shows it
    printf 'Z:%s' "$1" | tr / '\\'
}

# The build's programs find the Qt and compiler DLLs through WINEPATH; the packages need none.
build_dlls="$(windows_path "$qt/bin");$(windows_path "$(dirname "$(x86_64-w64-mingw32-g++-posix \
    -print-file-name=libstdc++-6.dll)")");$(windows_path /usr/x86_64-w64-mingw32/lib)"

new_prefix() { # name: a fresh Wine prefix, ready to run programs
    local prefix="$work/prefix-$1"
    mkdir -p "$prefix"
    # Preparing the prefix reports the 32-bit parts Debian's 64-bit Wine lacks; none is needed.
    WINEPREFIX="$prefix" timeout 300 "$wine" wineboot --init >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" timeout 120 "$wineserver" -w || true
    # Debian's Wine keeps its Fonts folder empty (its own drawing finds the machine's fonts), but
    # Qt's offscreen platform reads the fonts from that folder, as on Windows.
    cp /usr/share/fonts/truetype/dejavu/*.ttf "$prefix/drive_c/windows/Fonts/"
    echo "$prefix"
}

stop_prefixes() { # ends whatever still runs in the prefixes
    local p
    for p in "$work"/prefix-*; do
        [ -d "$p" ] && WINEPREFIX="$p" "$wineserver" -k 2>/dev/null || true
    done
}

# The cmake arguments of the cross build. -O2: at -O3 the cross compiler's string code gives
# false -Wrestrict warnings, errors here.
windows_cmake_args=(
    -G Ninja -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG"
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DOSK_WINDOWS_QT_DIR="$qt"
    -DOSK_WERROR=ON -DOSK_GTEST_SOURCE=/usr/src/googletest
)
