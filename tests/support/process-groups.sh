# Sourced by the tests that start servers of their own. Each server starts in a session of its
# own, and what it starts stays in its process group: ending the groups at exit ends everything,
# and no other process is ever signalled. The caller's $work folder is removed then too.
# skip REASON exits 77, a skip to CTest, saying why.
groups=()
start() {
  setsid "$@" &
  groups+=("$!")
}
end_all() {
  local group
  for group in "${groups[@]}"; do
    kill -- "-$group" 2>/dev/null
  done
  for _ in $(seq 40); do
    local alive=0
    for group in "${groups[@]}"; do
      kill -0 -- "-$group" 2>/dev/null && alive=1
    done
    [[ $alive == 0 ]] && break
    sleep 0.05
  done
  for group in "${groups[@]}"; do
    kill -9 -- "-$group" 2>/dev/null
  done
  rm -rf "$work"
}
trap end_all EXIT
skip() {
  echo "skipped: $*"
  exit 77
}
