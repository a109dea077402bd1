#!/usr/bin/env bash
# Starts or stops a private CUPS server for the printing tests, with one raw queue,
# "quarnel-test", as its default. Its backend (cups-backend) keeps every job's file and title
# in an output folder instead of printing. The machine's own CUPS, printers and default are
# never touched: clients reach this server only through the CUPS_SERVER that cups.env sets.
# Usage: cups.sh start|stop STATE_DIR
# start writes STATE_DIR/cups.env, which run.sh reads.
set -euo pipefail
action=$1
state=$2
mkdir -p "$state"
state=$(cd "$state" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# lpstat's answers are read below: keep them in English.
export LC_ALL=C

queue=quarnel-test
# The server's folders live in a short folder of their own under /tmp, not in STATE_DIR: a unix
# socket path must stay under 108 bytes, and as root the scheduler's children run as lp, which
# may not be able to traverse a build folder owned by root. STATE_DIR/cups links to them.
link="$state/cups"

# As root, cupsd refuses to run its children as root: they run as lp. As anyone else it runs
# as that user, children included, in folders that user owns.
if ((EUID == 0)); then
    server_user=lp
    server_group=lp
    system_group=root
else
    server_user=$(id -un)
    server_group=$(id -gn)
    system_group=$server_group
fi

stop() {
    local root pid
    if [[ -L $link ]]; then
        root=$(readlink "$link")
        if [[ -f $root/cupsd.pid ]]; then
            pid=$(cat "$root/cupsd.pid")
            if kill "$pid" 2>/dev/null; then
                for _ in $(seq 50); do
                    kill -0 "$pid" 2>/dev/null || break
                    sleep 0.1
                done
                kill -KILL "$pid" 2>/dev/null || true
            fi
        fi
        # Only ever remove a folder this script made.
        [[ $root == /tmp/quarnel-cups.* ]] && rm -rf -- "$root"
        rm -f -- "$link"
    fi
    rm -f -- "$state/cups.env"
}

fail() {
    echo "cups.sh: $*" >&2
    [[ -n ${root:-} && -f $root/log/error_log ]] && tail -n 30 "$root/log/error_log" >&2
    stop
    exit 1
}

write_config() {
    cat >"$root/conf/cups-files.conf" <<EOF
User $server_user
Group $server_group
SystemGroup $system_group
ServerRoot $root/conf
ServerBin $root/bin
ServerKeychain $root/conf/ssl
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/state/printcap
CreateSelfSignedCerts no
EOF
    cat >"$root/conf/cupsd.conf" <<EOF
LogLevel info
Listen $root/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
}

# ServerBin: the system's filters and helpers, and a backend folder holding only ours.
make_server_bin() {
    local dir
    mkdir -p "$root/bin/backend"
    for dir in filter daemon cgi-bin driver monitor notifier; do
        [[ -e /usr/lib/cups/$dir ]] && ln -s "/usr/lib/cups/$dir" "$root/bin/$dir"
    done
    # cupsd runs a backend only when root or the server's own user owns it and no one else
    # may write it.
    install -m 755 "$here/cups-backend" "$root/bin/backend/quarnel-capture"
}

case $action in
start)
    stop
    command -v cupsd >/dev/null || fail "cupsd is missing (tools/install-deps.sh installs it)"
    root=$(mktemp -d /tmp/quarnel-cups.XXXXXX)
    chmod 755 "$root"
    ln -s "$root" "$link"
    mkdir -p "$root"/{conf/ssl,spool/tmp,cache,state,log,output}
    chown "$EUID:$server_group" "$root/spool" "$root/spool/tmp" "$root/cache" "$root/state"
    chmod 0710 "$root/spool"
    chmod 1770 "$root/spool/tmp"
    chmod 0770 "$root/cache"
    chown "$server_user:$server_group" "$root/output"
    write_config
    make_server_bin

    export CUPS_SERVER="$root/cups.sock"
    export CUPS_SERVERROOT="$root/conf"
    cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" \
        </dev/null >"$root/log/cupsd.out" 2>&1 &
    echo $! >"$root/cupsd.pid"
    for _ in $(seq 100); do
        lpstat -r 2>/dev/null | grep -q 'is running' && break
        kill -0 "$(cat "$root/cupsd.pid")" 2>/dev/null || break
        sleep 0.1
    done
    lpstat -r 2>/dev/null | grep -q 'is running' ||
        fail "the private cupsd did not start: $(cat "$root/log/cupsd.out")"

    # Raw: the queue hands the backend the very file that the program sent.
    lpadmin -p "$queue" -E -v "quarnel-capture:$root/output" -m raw >>"$root/log/lpadmin.log" 2>&1 ||
        fail "lpadmin could not create $queue: $(cat "$root/log/lpadmin.log")"
    lpadmin -d "$queue" >>"$root/log/lpadmin.log" 2>&1 || fail "lpadmin could not make $queue the default"
    [[ $(lpstat -d) == *": $queue" ]] || fail "$queue is not the default: $(lpstat -d)"

    cat >"$state/cups.env" <<EOF
export CUPS_SERVER=$root/cups.sock
# Keeps /etc/cups (client.conf, lpoptions) out of the tests' view.
export CUPS_SERVERROOT=$root/conf
unset LPDEST PRINTER
export QUARNEL_PRINT_QUEUE=$queue
export QUARNEL_PRINT_OUTPUT=$root/output
EOF
    ;;
stop)
    stop
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR" >&2
    exit 2
    ;;
esac
