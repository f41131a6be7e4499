# Sourced by the scripts that work in a fresh minimal Debian 12 (bookworm) root:
# set $root, then open_root makes the root with debootstrap when it holds no
# Debian yet, mounts what programs in it need, and on exit unmounts it and
# removes it (KEEP_ROOT=1 leaves it). MIRROR=... chooses the Debian mirror.
# in_root runs a command in the root with a clean environment.
[ "$(id -u)" = 0 ] || { echo "run as root" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "install debootstrap first" >&2; exit 2; }

close_root() {
    umount "$root/dev/pts" 2>/dev/null || true
    umount "$root/dev/shm" 2>/dev/null || true
    umount "$root/proc" 2>/dev/null || true
    [ "${KEEP_ROOT:-0}" = 1 ] || rm -rf --one-file-system "$root" "$root.debootstrap.log"
}

open_root() {
    trap close_root EXIT
    if [ ! -f "$root/etc/debian_version" ]; then
        echo "== debootstrap bookworm into $root"
        debootstrap --variant=minbase bookworm "$root" "${MIRROR:-http://deb.debian.org/debian}" \
            >"$root.debootstrap.log" 2>&1 || { tail "$root.debootstrap.log"; exit 1; }
    fi
    # A folder from mktemp -d is 0700: as /, it would shut out every user but root.
    chmod 755 "$root"
    mount -t proc proc "$root/proc"
    mkdir -p "$root/dev/pts" "$root/dev/shm"
    mount -t devpts -o newinstance devpts "$root/dev/pts"
    mount -t tmpfs tmpfs "$root/dev/shm"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
}

in_root() {
    chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
        DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"
}
