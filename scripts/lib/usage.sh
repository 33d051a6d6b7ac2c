# Sourced by the shell scripts for their command line: the usage is the
# script's opening comment, which --help prints.

# The opening comment of the running script, without its "# ".
qc_usage() { sed -n '2,/^[^#]/s/^# \{0,1\}//p' "$0"; }

# Refuses ARG, which the script does not take, with exit code 2.
qc_refuse() {
  local what="unexpected argument"
  [[ $1 != -* ]] || what="unknown option"
  echo "$0: $what $1 (see $0 --help)" >&2
  exit 2
}

# For a script that takes no arguments: --help prints the usage, anything
# else is refused.
qc_no_arguments() {
  [ $# = 0 ] && return
  case $1 in -h | --help) qc_usage; exit 0 ;; esac
  qc_refuse "$1"
}
