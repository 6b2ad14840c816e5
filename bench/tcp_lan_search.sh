#!/usr/bin/env bash
# LAN-search benchmark, run by hand as root (not part of the test run):
#   cmake -S . -B build -DQM_BUILD_BENCH=ON && cmake --build build --target quillmark-tcp-search-bench
#   bench/tcp_lan_search.sh [build-dir] [runs]
#
# Builds a LAN of its own inside a private network namespace: a bridge with
# 10.77.0.1/24 and five stand-in printers of different models, each in a
# namespace of its own on a veth link (real ARP). The fifth sits behind a
# congested link: a tbf shaper on its veth with a standing queue of about
# 30 ms, kept full by a paced UDP sender. Then it times whole searches of
# 10.77.0.0/24 and, on the same LAN, nmap -sT -p9100 --open. Everything it
# creates is removed again; nothing leaves the private namespace.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD_DIR="$(cd "${1:-$ROOT/build}" && pwd)"
RUNS="${2:-5}"
BIN="$BUILD_DIR/bench/tcp_search/quillmark-tcp-search-bench"
[ -x "$BIN" ] || { echo "missing $BIN (configure with -DQM_BUILD_BENCH=ON and build it)" >&2; exit 1; }
command -v nmap >/dev/null || { echo "nmap is missing (apt-get install nmap)" >&2; exit 1; }

# Re-run inside a private network namespace: the bridge and every link live there.
if [ -z "${QM_BENCH_PRIVATE:-}" ]; then
  exec unshare -n env QM_BENCH_PRIVATE=1 bash "$0" "$BUILD_DIR" "$RUNS"
fi

TAG="qmb$$"
NET=10.77.0
SHAPED_RATE_BYTES=1000000   # 8 Mbit/s
QUEUE_MS=30
MODELS=(KVZ-L7D KVZ-L7N KVZ-L7K KVZ-L7S KVZ-L7W)
HOSTS=(20 45 90 130 200)
PIDS=()

cleanup() {
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for i in 0 1 2 3 4; do ip netns del "${TAG}p$i" 2>/dev/null || true; done
}
trap cleanup EXIT

ip link set lo up
ip link add br0 type bridge
ip addr add $NET.1/24 dev br0
ip link set br0 up
for i in 0 1 2 3 4; do
  ns="${TAG}p$i"; host="v$i"; ip="$NET.${HOSTS[$i]}"
  ip netns add "$ns"
  ip link add "$host" type veth peer name eth0 netns "$ns"
  ip link set "$host" master br0 up
  ip -n "$ns" link set lo up
  ip -n "$ns" addr add "$ip/24" dev eth0
  ip -n "$ns" link set eth0 up
  ip netns exec "$ns" "$BIN" --printer "${MODELS[$i]}" "$ip" &
  PIDS+=($!)
done

# The congested printer: everything towards it waits behind ~30 ms of UDP.
SLOW="$NET.${HOSTS[4]}"
LIMIT=$(( SHAPED_RATE_BYTES * QUEUE_MS * 3 / 1000 ))
tc qdisc add dev v4 root tbf rate $((SHAPED_RATE_BYTES * 8))bit burst 1600 limit "$LIMIT"
sleep 0.5
"$BIN" --flood "$SLOW" 9999 "$SHAPED_RATE_BYTES" "$QUEUE_MS" 600 v4 &
FLOOD=$!
PIDS+=($FLOOD)
sleep 2.5
echo "== $RUNS searches of $NET.0/24 (5 printers; fresh neighbour table each time)"
for r in $(seq 1 "$RUNS"); do
  ip neigh flush dev br0 2>/dev/null || true
  "$BIN" --search "$NET." 2>/dev/null
done
echo "== nmap -sT -p9100 --open $NET.0/24 (same LAN)"
for r in $(seq 1 "$RUNS"); do
  ip neigh flush dev br0 2>/dev/null || true
  /usr/bin/time -f "nmap_s %e" nmap -n -sT -p9100 --open "$NET.0/24" -oG - 2>&1 | grep -E "Ports:|nmap_s|Nmap done" || true
done
echo "== shaper on the congested link"
tc -s qdisc show dev v4 | head -3
