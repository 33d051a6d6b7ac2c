# Sourced by the scripts: the one folder, outside the source tree, where
# downloads and extracted tools are kept between runs, and the checks that
# whatever is taken from it passes each time it is used. Root runs what the
# cache holds, so it must be the user's own and writable by no one else,
# and each tree in it must still match the hash pinned for it.

# What the scripts put in the cache must pass those checks, whatever umask
# the caller has; and a check that fails inside $(...) ends the script too.
umask 022
shopt -s inherit_errexit

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

qc_cache_dir() {
  local dir=${QC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvandel-connect}
  [ -d "$dir" ] || mkdir -p "$dir"
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

# Copies the chrony package scripts/setup keeps in the cache (chronyd serves
# time in the tests) to the private folder TARGET as chrony.deb and checks it
# there: its sha256 must be in the package indexes that apt fetched and
# checked against the archive's signature, and it must be chrony.
qc_chrony_deb() {
  local target=$1 dir sum
  dir="$(qc_cache_dir)/chrony-deb" || exit 1
  [ ! -e "$dir" ] || qc_private "$dir"
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
