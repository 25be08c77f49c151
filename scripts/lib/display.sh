# Starts a private Xvfb display with a plain US keymap and a Wine prefix of the
# project's own. Sourced, not run; the caller traps EXIT to call wordsnap_stop_display.

wordsnap_start_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  # -noreset keeps the keymap loaded below when the last client disconnects.
  Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  WORDSNAP_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
  done
  if ! xdpyinfo >/dev/null 2>&1; then
    echo "display: Xvfb did not start on $DISPLAY" >&2
    return 1
  fi
  # Xvfb's default map lacks some US keys; a plain US map makes every ASCII character typable.
  setxkbmap -display "$DISPLAY" us >/dev/null 2>&1 || true
}

wordsnap_stop_display() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    WINEPREFIX="$WINEPREFIX" "$(dirname "$WORDSNAP_WINE")/wineserver" -k >/dev/null 2>&1 || true
  fi
  if [ -n "${WORDSNAP_XVFB_PID:-}" ]; then
    kill "$WORDSNAP_XVFB_PID" >/dev/null 2>&1 || true
    wait "$WORDSNAP_XVFB_PID" 2>/dev/null || true
  fi
}

# Creates the Wine prefix once, then reuses it.
wordsnap_ensure_prefix() {
  if [ ! -f "$WINEPREFIX/.wordsnap-ready" ]; then
    echo "wine: creating the prefix $WINEPREFIX (once)"
    mkdir -p "$WINEPREFIX"
    "$WORDSNAP_WINE" wineboot -i >/dev/null 2>&1 || true
    "$(dirname "$WORDSNAP_WINE")/wineserver" -w || true
    if [ ! -d "$WINEPREFIX/drive_c/windows" ]; then
      echo "wine: the prefix could not be created" >&2
      return 1
    fi
    touch "$WINEPREFIX/.wordsnap-ready"
  fi
}
