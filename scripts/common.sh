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

# Wine takes its ANSI code page (932 for the Japanese texts) from the locale.
need_japanese_locale() {
    case $(locale -a 2>/dev/null || true) in
        *ja_JP.utf8* | *ja_JP.UTF-8*) return 0 ;;
    esac
    if [ "$(id -u)" -ne 0 ]; then
        echo "The ja_JP.UTF-8 locale is missing. Run this, then try again:" >&2
        echo "  echo 'ja_JP.UTF-8 UTF-8' | sudo tee -a /etc/locale.gen && sudo locale-gen" >&2
        exit 1
    fi
    grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen
}

build_packages="cmake ninja-build g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix"
fuzz_packages="clang libclang-rt-dev"
package_packages="python3-markdown osslsigncode openssl"
wine_packages="wine64 fonts-wine fonts-ipafont-gothic xvfb xauth locales xdotool imagemagick"
