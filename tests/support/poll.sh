# Sourced by the shell checks. A bounded poll: poll TENTHS COMMAND... is true as soon as the
# command is, false when it never was within that many tenths of a second.
poll() {
  local n=$1
  shift
  for ((i = 0; i < n; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
