# Sourced by the scripts: the one folder, outside the source tree, where
# downloads and extracted tools are kept between runs.
qc_cache_dir() {
  printf '%s\n' "${QC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvandel-connect}"
}
