#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Does what a new user does on a brand-new Debian 12, before a change of dependencies lands: makes a
# minimal Debian 12 root with debootstrap (kept as a tarball in ~/.cache/orvane, so the next run starts
# in seconds), puts a clean clone of this checkout's HEAD into it, and there runs the README's commands
# exactly as written: the run command without a display (it must say what to do and fail), then on a
# virtual display (the main window must appear; it is then ended), then .ci/run, which is the README's
# test command followed by the Windows build, with no LANG set as on a fresh machine. Prints each step's
# time; the root is unmounted and removed whatever happens. Not part of CI (it would double its time).
#   bash scripts/test-fresh.sh          every step
#   bash scripts/test-fresh.sh --no-ci  only the run command (a quick check of the set-up)
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
run_ci=yes
[ "${1:-}" = "--no-ci" ] && run_ci=no

suite=bookworm
mirror=$(sed -n 's/^URIs: *\([^ ]*debian\)$/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
cache=${XDG_CACHE_HOME:-$HOME/.cache}/orvane
tarball=$cache/debian-$suite-fresh-root.tar.gz
display=:97

started=$SECONDS
step() {  # name, command...
    local name=$1 begun=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "-- $name: $((SECONDS - begun)) s"
}

host_tools() {
    local missing=()
    for p in debootstrap xvfb x11-utils xdotool; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    fi
}

make_tarball() {
    [ -f "$tarball" ] && { echo "reused $tarball"; return; }
    mkdir -p "$cache"
    local fresh
    fresh=$(mktemp -d /var/tmp/orvane-debootstrap.XXXXXX)
    chmod 755 "$fresh"
    debootstrap --include=git "$suite" "$fresh" "$mirror" >"$fresh.log" 2>&1 ||
        { tail -n 20 "$fresh.log"; rm -rf --one-file-system "$fresh" "$fresh.log"; return 1; }
    tar -C "$fresh" -czf "$tarball.part" . && mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$fresh" "$fresh.log"
}

root=$(mktemp -d /var/tmp/orvane-fresh.XXXXXX)
xvfb_pid=

end_processes_in_root() {
    local proc
    for proc in /proc/[0-9]*; do
        [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && kill -9 "${proc#/proc/}" 2>/dev/null
    done
    return 0
}

cleanup() {
    set +e
    # Whatever still runs inside the root (the program, a wine server) goes first.
    end_processes_in_root
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    sleep 1
    for mount in tmp/.X11-unix dev/pts dev sys proc; do
        mountpoint -q "$root/$mount" && { umount "$root/$mount" || umount -l "$root/$mount"; }
    done
    if findmnt -rn -o TARGET | grep -q "^$root"; then
        echo "test-fresh.sh: $root is still mounted; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
    echo "== all steps: $((SECONDS - started)) s"
}
trap cleanup EXIT

unpack_root() {
    tar -C "$root" -xzf "$tarball"
    chmod 755 "$root"  # as / is (older tarballs kept mktemp's 0700): man-db's own user must get in
    mount -t proc proc "$root/proc"
    mount -t sysfs sysfs "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    # The machine's way to the package mirror: its name service and apt settings, nothing else.
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    if ls /etc/apt/sources.list.d/*.sources >/dev/null 2>&1; then
        cp /etc/apt/sources.list.d/*.sources "$root/etc/apt/sources.list.d/"
        rm -f "$root/etc/apt/sources.list"
    fi
    cp /etc/apt/apt.conf.d/99artifact-registry "$root/etc/apt/apt.conf.d/" 2>/dev/null || true
    git clone -q "$checkout" "$root/root/orvane"
}

# A root shell in the fresh system: no LANG, only what a login would set.
in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        HOME=/root TERM=dumb "$@"
}

run_without_display() {
    local status=0
    in_root bash -c 'cd /root/orvane && bash scripts/run.sh' >"$root/no-display.log" 2>&1 || status=$?
    cat "$root/no-display.log"
    [ "$status" -ne 0 ] && grep -q "no display found" "$root/no-display.log"
}

run_on_display() {
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    mkdir -p "$root/tmp/.X11-unix"
    sleep 1
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    in_root DISPLAY="$display" bash -c 'cd /root/orvane && bash scripts/run.sh' >"$root/run.log" 2>&1 &
    local run_pid=$! waited=0
    until DISPLAY=$display xdotool search --name '^Orvane [0-9.]*$' >/dev/null 2>&1; do
        if ! kill -0 "$run_pid" 2>/dev/null || [ $waited -ge 1800 ]; then
            tail -n 30 "$root/run.log"
            echo "test-fresh.sh: the main window did not appear" >&2
            return 1
        fi
        sleep 5
        waited=$((waited + 5))
    done
    echo "the main window is shown: $(DISPLAY=$display xdotool search --name '^Orvane' getwindowname)"
    end_processes_in_root
    wait "$run_pid" 2>/dev/null || true
}

# Shows the steps and the names of failed tests; the whole output is kept beside the cached root
# when the run fails, since the root itself is removed.
run_ci() {
    local statuses
    in_root CI=true bash -c 'cd /root/orvane && bash .ci/run </dev/null' 2>&1 | tee "$root/ci.log" |
        grep --line-buffered -E '^(==|-- )|tests passed|passed, [0-9]+ failed|FAILED|rror|\((Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)\)' &&
        return 0 || statuses=("${PIPESTATUS[@]}")
    if [ "${statuses[0]}" -ne 0 ]; then
        cp "$root/ci.log" "$cache/test-fresh-ci.log"
        echo "the whole output of .ci/run: $cache/test-fresh-ci.log"
        return "${statuses[0]}"
    fi
    return 0  # .ci/run passed; only grep found nothing to show
}

step "host tools" host_tools
step "Debian 12 root" make_tarball
step "unpack the root and clone the checkout" unpack_root
step "README run command without a display" run_without_display
step "README run command on a virtual display" run_on_display
if [ "$run_ci" = yes ]; then
    step ".ci/run (the README's test command, then the Windows build)" run_ci
fi
echo "test-fresh.sh: passed"
