# Starts a private CUPS scheduler with a printer that writes PDF files, as the test
# printer of the end-to-end tests. Sourced, not run; the caller traps EXIT to call
# wordsnap_stop_printer. Wine reaches it through CUPS_SERVER (its socket).
#
# The PDF backend runs as root (its file mode says so) and reads its settings from
# the system's CUPS folder only, so the scheduler runs as root (through sudo when
# the session is not root) and one settings file named after this run's queue is
# placed there, and removed again on stop.

WORDSNAP_PRINTER_NAME=WordsnapPDF

wordsnap_start_printer() {
  local sudo="" dir queue i
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  dir=$(mktemp -d /tmp/wordsnap-cups.XXXXXX) || return 1
  WORDSNAP_CUPS_DIR=$dir
  queue="wordsnap-${dir##*.}"
  WORDSNAP_CUPS_PDF_CONF="/etc/cups/cups-pdf-$queue.conf"
  chmod 755 "$dir"
  mkdir -p "$dir/etc" "$dir/spool" "$dir/cache" "$dir/state" "$dir/log" "$dir/tmp" "$dir/pdf-spool" "$dir/out"
  # Filters run as CUPS's own user and need somewhere to write.
  chmod 1777 "$dir/tmp" "$dir/pdf-spool"
  cat >"$dir/etc/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
LogLevel debug
MaxLogSize 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
Sandboxing Relaxed
CONF
  $sudo tee "$WORDSNAP_CUPS_PDF_CONF" >/dev/null <<CONF
Out $dir/out
AnonDirName $dir/out
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Label 0
CONF
  $sudo cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
  WORDSNAP_CUPSD_PID=$!
  export CUPS_SERVER="$dir/cups.sock"
  for i in $(seq 1 100); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$WORDSNAP_CUPSD_PID" 2>/dev/null || break
    sleep 0.1
  done
  if ! lpstat -r >/dev/null 2>&1; then
    echo "printer: the private CUPS scheduler did not start (see $dir/log)" >&2
    return 1
  fi
  lpadmin -p "$WORDSNAP_PRINTER_NAME" -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd -E \
    2>&1 | grep -v 'drivers are deprecated' >&2
  lpadmin -d "$WORDSNAP_PRINTER_NAME" || return 1
  export WORDSNAP_PDF_DIR="$dir/out"
}

wordsnap_stop_printer() {
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if [ -n "${WORDSNAP_CUPSD_PID:-}" ]; then
    $sudo kill "$WORDSNAP_CUPSD_PID" >/dev/null 2>&1 || true
    wait "$WORDSNAP_CUPSD_PID" 2>/dev/null || true
    WORDSNAP_CUPSD_PID=
  fi
  if [ -n "${WORDSNAP_CUPS_PDF_CONF:-}" ]; then
    $sudo rm -f "$WORDSNAP_CUPS_PDF_CONF"
    WORDSNAP_CUPS_PDF_CONF=
  fi
  if [ -n "${WORDSNAP_CUPS_DIR:-}" ]; then
    $sudo rm -rf "$WORDSNAP_CUPS_DIR"
    WORDSNAP_CUPS_DIR=
  fi
}
