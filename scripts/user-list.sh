# Sourced by the scripts that change the per-user list (run.sh, import.sh). Sets home, the
# per-user Quillet folder, and list, its myQuillet.txt:
#   ${QUILLET_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/quillet}/myQuillet.txt
# and keep_list, which keeps a copy of the list before it changes.
home=${QUILLET_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/quillet}
list="$home/myQuillet.txt"

# A name for keeping the current list that no file has yet.
backup_name() {
  local stamp candidate n=1
  stamp=$(date +%Y%m%d-%H%M%S)
  candidate="$home/myQuillet-$stamp.txt"
  while [ -e "$candidate" ]; do
    n=$((n + 1))
    candidate="$home/myQuillet-$stamp-$n.txt"
  done
  echo "$candidate"
}

# keep_list WHO: copies the list, when there is one, beside it as myQuillet-YYYYMMDD-HHMMSS.txt
# and sets kept to the copy's path (empty without a list). Ends the calling script when the copy
# is not the list byte for byte; WHO names that script in the message.
keep_list() {
  kept=""
  [ -e "$list" ] || return 0
  kept=$(backup_name)
  cp -p "$list" "$kept"
  cmp -s "$list" "$kept" || { echo "$1: could not keep $list as $kept" >&2; exit 1; }
}
