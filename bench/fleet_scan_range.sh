#!/usr/bin/env bash
# Benchmark of "quillmark scan --range" over a /22, run by hand as root (not
# part of the test run):
#   cmake --build build --target quillmark quillmark-virtual-printer
#   bench/fleet_scan_range.sh [build-dir] [runs]
#
# Inside a private network namespace it times whole searches of a /22 (1022
# host addresses) with four virtual printers of different models (print
# port, web page on port 80, NetBIOS name on port 137) in it, in two cases:
#   refused  127.0.100.0/22 on loopback: the other 1018 addresses refuse at
#            once
#   silent   10.78.0.0/22 on a veth link whose other end answers nothing (no
#            ARP answer), so the other addresses never answer and each costs
#            the connect limit (300 ms), as switched-off hosts on a real
#            network do; the printers' addresses are this machine's own.
# Nothing leaves the private namespace; the namespace goes with the script.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-5}"
CLI="$BUILD_DIR/quillmark"
VP="$BUILD_DIR/tools/virtual_printer/quillmark-virtual-printer"
for b in "$CLI" "$VP"; do
  [ -x "$b" ] || { echo "missing $b (build the targets quillmark and quillmark-virtual-printer)" >&2; exit 1; }
done

if [ -z "${QM_BENCH_PRIVATE:-}" ]; then
  exec unshare -n env QM_BENCH_PRIVATE=1 bash "$0" "$BUILD_DIR" "$RUNS"
fi
ip link set lo up

HOSTS=(0.20 1.45 2.90 3.200)
MODELS=(KVZ-L7N KVZ-L7D KVZ-L7K KVZ-L7S)
WORK="$(mktemp -d)"
PIDS=()
cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# The silent segment: a veth pair, nobody behind the far end.
ip link add qmb0 type veth peer name qmb1
ip link set qmb1 up
ip addr add 10.78.0.1/22 dev qmb0
ip link set qmb0 up

start_printers() { # network prefix (127.0.10 gives 127.0.100.20 ...), tag
  local net="$1" tag="$2"
  for i in "${!HOSTS[@]}"; do
    local a="$net${HOSTS[$i]}"
    [[ $a == 127.* ]] || ip addr add "$a/32" dev lo
    "$VP" --address "$a" --model "${MODELS[$i]}" --mac "02:00:00:00:0$tag:0$i" \
          >"$WORK/vp$tag$i.out" 2>&1 </dev/null &
    PIDS+=($!)
  done
  for i in "${!HOSTS[@]}"; do
    for _ in $(seq 100); do grep -q '^ready' "$WORK/vp$tag$i.out" && break; sleep 0.05; done
    grep -q 'http listening' "$WORK/vp$tag$i.out" || { cat "$WORK/vp$tag$i.out" >&2; exit 1; }
  done
}
start_printers 127.0.10 1
start_printers 10.78. 2

# The program's configuration and log in the work folder.
cp "$CLI" "$WORK/quillmark"

run_case() {
  local name="$1" RANGE="$2" times=() found
  for r in $(seq "$RUNS"); do
    local t0 t1
    t0=$(date +%s.%N)
    found=$("$WORK/quillmark" scan --range "$RANGE" | wc -l)
    t1=$(date +%s.%N)
    times+=("$(echo "$t1 - $t0" | bc -l)")
    [ "$found" -eq "${#HOSTS[@]}" ] || echo "  run $r found $found printers" >&2
  done
  printf '%s\n' "${times[@]}" | sort -n | awk -v name="$name" -v n="$RUNS" '
    { t[NR] = $1 } END { printf "%-8s runs %d  min %.3f s  median %.3f s  max %.3f s\n", name, n, t[1], t[int((n + 1) / 2)], t[n] }'
}

# The program's start alone, for comparison.
t0=$(date +%s.%N); "$WORK/quillmark" --version >/dev/null; t1=$(date +%s.%N)
echo "program start $(echo "$t1 - $t0" | bc -l | cut -c1-5) s; load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "scan --range of a /22: 1022 addresses, ${#HOSTS[@]} printers"
run_case refused 127.0.100.0/22
run_case silent 10.78.0.0/22

