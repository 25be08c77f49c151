# Shared environment of the scripts: paths, the Wine prefix and Wine's settings.
# Sourced, not run.
WORDSNAP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WORDSNAP_ROOT
export WORDSNAP_BUILD="$WORDSNAP_ROOT/build"
export WORDSNAP_PROGRAM_DIR="$WORDSNAP_BUILD/win64/Wordsnap"
export WINEPREFIX="${WORDSNAP_WINEPREFIX:-$WORDSNAP_BUILD/wineprefix}"
# A second prefix stands for a second computer sharing a data file with the first.
export WORDSNAP_SECOND_WINEPREFIX="${WORDSNAP_SECOND_WINEPREFIX:-$WINEPREFIX-second}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
WORDSNAP_WINE=/usr/lib/wine/wine64
[ -x "$WORDSNAP_WINE" ] || WORDSNAP_WINE=$(command -v wine64 || command -v wine || echo wine64)
export WORDSNAP_WINE
