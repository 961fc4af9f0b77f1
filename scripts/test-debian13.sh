#!/usr/bin/env bash
# Runs the README's test command on a fresh Debian 13 (trixie): bootstraps a
# minimal root, clones the committed HEAD of this checkout into it (nothing of
# the host's build trees goes along), mounts what the tests need and runs
# ./scripts/test.sh inside as root, as a new user of a fresh machine would.
# Every exit path, an interruption included, unmounts what it mounted.
#
#   scripts/test-debian13.sh [root folder]     (default: build-debian13/root)
#
# Needs root, debootstrap and the Debian package archive. The archive is the
# one the host's apt uses; DEBIAN_MIRROR names another.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
root="$(realpath -m "${1:-build-debian13/root}")"
suite=trixie

fail() {
  echo "Debian 13 check FAILED: $*" >&2
  exit 1
}

[ "$(id -u)" -eq 0 ] || fail "debootstrap, mount and chroot need root"
command -v debootstrap >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap

# The Debian archive the host's own release comes from.
host_mirror() {
  local codename
  codename="$(. /etc/os-release && echo "${VERSION_CODENAME:-}")"
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
    awk -v suite="$codename" '$2 == suite { print $1; exit }'
}
mirror="${DEBIAN_MIRROR:-$(host_mirror)}"
[ -n "$mirror" ] || fail "no Debian archive found in the host's apt sources; set DEBIAN_MIRROR"

mounts_under_root() {
  awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/self/mounts
}

# Ends what still runs inside the root (an X server left by an interrupted
# session), then unmounts, deepest first.
cleanup() {
  local pid
  for pid in $(ls /proc | grep -E '^[0-9]+$'); do
    [ "$(readlink "/proc/$pid/root" 2>/dev/null)" = "$root" ] && kill -KILL "$pid" 2>/dev/null || true
  done
  local m
  for m in $(mounts_under_root | sort -r); do
    umount "$m" 2>/dev/null || umount -l "$m" || true
  done
  if [ -n "$(mounts_under_root)" ]; then
    echo "still mounted under $root:" >&2
    mounts_under_root >&2
  fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

# A root left over from an earlier run goes first; never while anything is
# mounted in it, since /dev is bound from the host.
cleanup
[ -z "$(mounts_under_root)" ] || fail "cannot unmount what is mounted under $root"
rm -rf --one-file-system "$root"
mkdir -p "$root"

echo "== a minimal Debian 13 root from $mirror"
start=$SECONDS
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
  { tail -n 30 "$root.debootstrap.log" >&2; fail "debootstrap did not finish"; }
echo "   $((SECONDS - start)) s"

commit="$(git rev-parse HEAD)"
[ -z "$(git status --porcelain --untracked-files=no)" ] ||
  echo "note: uncommitted changes stay behind; testing commit $commit"
echo "== cloning $commit into the root"
git clone --quiet --no-hardlinks --no-checkout "$repo" "$root/root/tandrel"
git -C "$root/root/tandrel" checkout --quiet --detach "$commit"

mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
# The host's /dev/shm is a mount of its own: the root gets an empty one.
mount -t tmpfs tmpfs "$root/dev/shm"

echo "== ./scripts/test.sh in the Debian 13 root"
start=$SECONDS
# In the background so that a signal reaches the traps at once, not only
# when the run ends; the clean-up ends what runs inside the root.
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  ${FUZZ_SECONDS:+FUZZ_SECONDS=$FUZZ_SECONDS} \
  /bin/bash -c 'cd /root/tandrel && ./scripts/test.sh' &
wait $!
echo "Debian 13 check passed in $((SECONDS - start)) s (commit $commit)"
