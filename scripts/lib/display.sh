# Starts a private Xvfb display with a plain US keymap and a Wine prefix of the
# project's own. Sourced, not run; the caller traps EXIT to call wordsnap_stop_display.

# Starts Xvfb on the first free display number from 90 and exports DISPLAY.
wordsnap_start_display() {
  local n i
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    # -noreset keeps the keymap loaded below when the last client disconnects.
    Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
    WORDSNAP_XVFB_PID=$!
    for i in $(seq 1 100); do
      DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
      # Someone else took the number in the meantime: try the next one.
      kill -0 "$WORDSNAP_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && kill -0 "$WORDSNAP_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$n"
      # Xvfb's default map lacks some US keys; a plain US map makes every ASCII character typable.
      setxkbmap -display "$DISPLAY" us >/dev/null 2>&1 ||
        echo "display: warning: the US keymap could not be loaded on $DISPLAY" >&2
      return 0
    fi
    kill "$WORDSNAP_XVFB_PID" >/dev/null 2>&1 || true
    wait "$WORDSNAP_XVFB_PID" 2>/dev/null || true
    WORDSNAP_XVFB_PID=
  done
  echo "display: no Xvfb display could be started (tried :90 to :140)" >&2
  return 1
}

# Ends every Wine process of both prefixes and the Xvfb this shell started (if any).
wordsnap_stop_display() {
  local prefix
  for prefix in "${WINEPREFIX:-}" "${WORDSNAP_SECOND_WINEPREFIX:-}"; do
    if [ -n "$prefix" ] && [ -d "$prefix" ]; then
      WINEPREFIX="$prefix" "$(dirname "$WORDSNAP_WINE")/wineserver" -k >/dev/null 2>&1 || true
    fi
  done
  if [ -n "${WORDSNAP_XVFB_PID:-}" ]; then
    kill "$WORDSNAP_XVFB_PID" >/dev/null 2>&1 || true
    wait "$WORDSNAP_XVFB_PID" 2>/dev/null || true
    WORDSNAP_XVFB_PID=
  fi
}

# Creates a Wine prefix (by default $WINEPREFIX) once, then reuses it.
wordsnap_ensure_prefix() {
  local prefix=${1:-$WINEPREFIX}
  if [ ! -f "$prefix/.wordsnap-ready" ]; then
    echo "wine: creating the prefix $prefix (once)"
    mkdir -p "$prefix"
    WINEPREFIX="$prefix" "$WORDSNAP_WINE" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" "$(dirname "$WORDSNAP_WINE")/wineserver" -w || true
    if [ ! -d "$prefix/drive_c/windows" ]; then
      echo "wine: the prefix $prefix could not be created" >&2
      return 1
    fi
    touch "$prefix/.wordsnap-ready"
  fi
}
