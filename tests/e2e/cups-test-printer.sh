#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A print server of its own for the printing tests, with two queues:
#
#   duplikon-pdf  cups-pdf, the default printer: every job becomes a PDF in <dir>/pdf/
#                 (re-rendered by Ghostscript; its fonts are Type 3, pdftotext cannot read them)
#   duplikon-raw  writes every job's document unchanged to <dir>/raw/job.pdf
#                 (the PDF that the program made: pdftotext reads it)
#
# Usage:
#   cups-test-printer.sh start <dir>   start cupsd on the socket <dir>/cups.sock, add the queues,
#                                      write <dir>/env (CUPS_SERVER, PRINTER, PDF_DIR, RAW_PDF)
#   cups-test-printer.sh stop <dir>    end that cupsd (by its process id) and remove its files
#   cups-test-printer.sh wait <dir> <file> [seconds]   wait until a file exists and stops growing
#
# A program started with the variables of <dir>/env prints to the default queue duplikon-pdf;
# PRINTER=duplikon-raw sends its jobs to the raw queue instead. Needs root (cups-pdf runs as root)
# and the Debian packages cups, cups-client, printer-driver-cups-pdf, ghostscript.
set -eu

usage() {
    echo "usage: $0 start|stop <dir>  |  $0 wait <dir> <file> [seconds]" >&2
    exit 2
}

[ $# -ge 2 ] || usage
cmd=$1
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$2"
dir=$(cd "$2" && pwd)
sock=$dir/cups.sock
# one cups-pdf setting file per server, named after the folder
tag=duplikon$(printf '%s' "$dir" | md5sum | cut -c1-10)
pdfconf=/etc/cups/cups-pdf-$tag.conf

stop_server() {
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        if kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            i=0
            while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
                sleep 0.1
                i=$((i + 1))
            done
            kill -9 "$pid" 2>/dev/null || true
        fi
        rm -f "$dir/cupsd.pid"
    fi
    rm -f "$pdfconf" "$sock"
}

case $cmd in
start)
    [ "$(id -u)" = 0 ] || { echo "$0: needs root (cups-pdf runs as root)" >&2; exit 1; }
    command -v cupsd >/dev/null || { echo "$0: cupsd is not installed" >&2; exit 1; }
    [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "$0: printer-driver-cups-pdf is not installed" >&2; exit 1; }
    stop_server
    mkdir -p "$dir/etc/ppd" "$dir/etc/ssl" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" \
        "$dir/pdf" "$dir/raw" "$dir/pdf-spool"
    # the filters run as lp and must reach the spool folder
    chmod 755 "$dir" "$dir/raw"
    chmod 1777 "$dir/spool/tmp"

    cat >"$dir/etc/cupsd.conf" <<EOF
Listen $sock
LogLevel ${CUPS_TEST_LOGLEVEL:-warn}
MaxLogSize 0
Browsing No
WebInterface No
DefaultAuthType None
JobRetryLimit 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cat >"$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
FileDevice Yes
SystemGroup root
Sandboxing Relaxed
EOF
    cat >"$pdfconf" <<EOF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/pdf-spool
Log $dir/log
LogType 3
Label 1
EOF

    cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    i=0
    until [ -S "$sock" ] && CUPS_SERVER=$sock lpstat -r >/dev/null 2>&1; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
            echo "$0: cupsd did not start" >&2
            cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
            stop_server
            exit 1
        fi
        sleep 0.1
    done

    export CUPS_SERVER=$sock
    ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd* 2>/dev/null | head -n 1)
    # lpadmin warns that printer drivers are deprecated; they still work
    lpadmin -p duplikon-pdf -E -v "cups-pdf:/$tag" -P "$ppd" -o printer-error-policy=abort-job
    # a file: device needs at least one filter; gziptoany copies what it gets
    lpadmin -p duplikon-raw -E -v "file://$dir/raw/job.pdf" -P "$here/pdf-file-printer.ppd" \
        -o printer-error-policy=abort-job
    lpadmin -d duplikon-pdf

    cat >"$dir/env" <<EOF
CUPS_SERVER=$sock
PRINTER=duplikon-pdf
PDF_DIR=$dir/pdf
RAW_PDF=$dir/raw/job.pdf
EOF
    cat "$dir/env"
    ;;
stop)
    stop_server
    ;;
wait)
    [ $# -ge 3 ] || usage
    file=$3
    limit=$(( ${4:-30} * 10 ))
    i=0
    last=-1
    while :; do
        if [ -s "$file" ]; then
            size=$(stat -c %s "$file")
            [ "$size" = "$last" ] && exit 0
            last=$size
        fi
        i=$((i + 1))
        [ $i -le "$limit" ] || { echo "$0: $file did not appear" >&2; exit 1; }
        sleep 0.1
    done
    ;;
*)
    usage
    ;;
esac
