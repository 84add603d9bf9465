# Shared by the project's commands: installs what is missing, once.

# Installs the Debian packages given that are not installed yet: as root by
# apt-get, otherwise it prints the line to run and stops.
need_packages() {
    missing=""
    for pkg in "$@"; do
        case $(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true) in
            *"install ok installed"*) ;;
            *) missing="$missing $pkg" ;;
        esac
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing Debian packages. Run this, then try again:" >&2
        echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends$missing" >&2
        exit 1
    fi
    echo "Installing:$missing"
    apt-get update -q
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
}

# Wine takes its ANSI code page from the locale: 932 from ja_JP.UTF-8, and
# for the tests under other code pages 1252 from en_US.UTF-8, 936 from zh_CN.UTF-8.
need_japanese_locale() {
    missing=""
    for loc in ja_JP en_US zh_CN; do
        case $(locale -a 2>/dev/null || true) in
            *"$loc.utf8"* | *"$loc.UTF-8"*) ;;
            *) missing="$missing $loc" ;;
        esac
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Locales missing:$missing. Add each as 'xx_XX.UTF-8 UTF-8' to /etc/locale.gen, run locale-gen, then try again." >&2
        exit 1
    fi
    for loc in $missing; do
        grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$loc.UTF-8 UTF-8" >> /etc/locale.gen
    done
    locale-gen
}

build_packages="cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix"
fuzz_packages="clang libclang-rt-dev"
package_packages="python3-markdown osslsigncode openssl"
wine_packages="wine64 fonts-wine fonts-ipafont-gothic xvfb xauth locales xdotool imagemagick"
