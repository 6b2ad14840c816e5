#!/usr/bin/env python3
"""The exporter over a fleet of virtual printers, run by hand (not part of the
test run). Everything lives in a private network namespace on loopback: one
quillmark-virtual-printer process serving PRINTERS printers on 127.0.10.1 and
on, and quillmark exporter polling them.

  bench/exporter_fleet.py [--build build] [--printers 1000] [--interval 15] [--duration 150]
      Speed: scrape latency (--latency-scrapes scrapes a quarter second apart,
      during poll rounds too), then over --duration seconds with a scrape every
      --scrape-every seconds (as Prometheus would, default: the interval): poll
      round duration, the exporter's CPU share of one core, its resident memory.
  bench/exporter_fleet.py --soak [--interval 1] [--duration 1800] [--warm-up 120]
      Soak: resident memory sampled every --sample seconds, its growth after
      the warm-up, and whether the rounds keep their interval.
  bench/exporter_fleet.py --idle 0,4,64 [--printers 100] [--idle-scrapes 10]
      Scrape latency while that many idle clients hold connections open to
      the listen port (connected, sending nothing; one the exporter closes is
      opened again at once, as a client that keeps its connections would),
      each scrape given --idle-limit seconds.

It prints one summary table; the raw samples go to --samples FILE (CSV) when
given.
"""
import argparse
import gzip
import os
import re
import selectors
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
CLOCK_TICKS = os.sysconf('SC_CLK_TCK')
PAGE_KIB = os.sysconf('SC_PAGE_SIZE') // 1024


def in_private_namespace():
    # Only loopback here: no interface but lo (/proc/net follows the
    # namespace, /sys/class/net would not without a new mount).
    with open('/proc/net/dev') as f:
        names = [line.split(':')[0].strip() for line in f.readlines()[2:]]
    return names == ['lo']


def cpu_seconds(pid):
    with open(f'/proc/{pid}/stat') as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def memory_kib(pid):
    values = {}
    with open(f'/proc/{pid}/status') as f:
        for line in f:
            key, _, rest = line.partition(':')
            if key in ('VmRSS', 'VmHWM', 'RssAnon'):
                values[key] = int(rest.split()[0])
    return values['VmRSS'], values['VmHWM'], values['RssAnon']


def scrape(url, timeout=10):
    # As Prometheus asks: compressed when the exporter offers it.
    request = urllib.request.Request(url, headers={'Accept-Encoding': 'gzip'})
    start = time.perf_counter()
    with urllib.request.urlopen(request, timeout=timeout) as answer:
        raw = answer.read()
        gzipped = answer.headers.get('Content-Encoding') == 'gzip'
    elapsed = time.perf_counter() - start
    return elapsed, (gzip.decompress(raw) if gzipped else raw).decode()


def value(body, name):
    m = re.search(r'^' + re.escape(name) + r' (\S+)$', body, re.M)
    return float(m.group(1)) if m else None


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


class IdleClients:
    """count connections to address that send nothing; one the other side
    closes is opened again at once."""

    def __init__(self, address, count):
        self.address = address
        self.reopened = 0
        self.selector = selectors.DefaultSelector()
        self.stopping = False
        for _ in range(count):
            self.open()
        self.thread = threading.Thread(target=self.run, daemon=True)
        self.thread.start()

    def open(self):
        s = socket.create_connection(self.address)
        self.selector.register(s, selectors.EVENT_READ)

    def run(self):
        while not self.stopping:
            for key, _ in self.selector.select(timeout=0.1):
                s = key.fileobj
                try:
                    data = s.recv(4096)
                except OSError:
                    data = b''
                if data:
                    continue
                self.selector.unregister(s)
                s.close()
                if not self.stopping:
                    self.open()
                    self.reopened += 1

    def close(self):
        self.stopping = True
        self.thread.join()
        for key in list(self.selector.get_map().values()):
            key.fileobj.close()


def idle_latencies(url, counts, scrapes, limit):
    host, port = re.match(r'http://([0-9.]+):([0-9]+)/', url).groups()
    print(f'{"idle":>5} {"scrapes":>8} {"answered":>9} {"median ms":>10} {"max ms":>10} {"reopened":>9}')
    for count in counts:
        clients = IdleClients((host, int(port)), count)
        time.sleep(0.5)
        latencies, missed = [], 0
        for _ in range(scrapes):
            try:
                latencies.append(scrape(url, timeout=limit)[0])
            except OSError:
                missed += 1
            time.sleep(0.5)
        clients.close()
        median = f'{statistics.median(latencies) * 1000:.1f}' if latencies else '-'
        longest = f'{max(latencies) * 1000:.1f}' if latencies else '-'
        print(f'{count:>5} {scrapes:>8} {scrapes - missed:>9} {median:>10} {longest:>10} {clients.reopened:>9}')
        # The exporter lets go of what the last clients left behind.
        time.sleep(limit if missed else 2)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--build', default=os.path.join(ROOT, 'build'))
    ap.add_argument('--printers', type=int, default=1000)
    ap.add_argument('--interval', type=float)
    ap.add_argument('--duration', type=float)
    ap.add_argument('--soak', action='store_true')
    ap.add_argument('--warm-up', type=float, default=120)
    ap.add_argument('--sample', type=float, default=10)
    ap.add_argument('--scrape-every', type=float)
    ap.add_argument('--latency-scrapes', type=int, default=200)
    ap.add_argument('--settle', type=float, default=90,
                    help='seconds before measuring: the first rounds and the model look-ups of all printers')
    ap.add_argument('--samples')
    ap.add_argument('--idle', help='comma-separated counts of idle connections, e.g. 0,4,64')
    ap.add_argument('--idle-scrapes', type=int, default=10)
    ap.add_argument('--idle-limit', type=float, default=40,
                    help='seconds a scrape may take before it counts as unanswered')
    args = ap.parse_args()
    interval = args.interval or (1 if args.soak else 15)
    duration = args.duration or (1800 if args.soak else 150)

    if not in_private_namespace():
        # Again inside a private network namespace of its own.
        cmd = ['unshare', '-n', 'sh', '-c', 'ip link set lo up && exec "$0" "$@"', sys.executable,
               os.path.abspath(__file__)] + sys.argv[1:]
        os.execvp('unshare', cmd)

    build = os.path.abspath(args.build)
    fleet_bin = os.path.join(build, 'tools/virtual_printer/quillmark-virtual-printer')
    cli_bin = os.path.join(build, 'quillmark')
    work = tempfile.mkdtemp(prefix='qm-exporter-bench-')
    # A copy of its own: the exporter's log goes into this folder.
    exporter_bin = os.path.join(work, 'quillmark')
    subprocess.run(['cp', cli_bin, exporter_bin], check=True)

    fleet = subprocess.Popen([fleet_bin, '--fleet', f'127.0.10.1+{args.printers}'], stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    for line in fleet.stdout:
        if line.strip() == 'ready':
            break
    else:
        sys.exit('the fleet did not start')
    base = (127 << 24) | (10 << 8) | 1
    with open(os.path.join(work, 'targets'), 'w') as f:
        for i in range(args.printers):
            a = base + i
            f.write(f'tcp:{a >> 24}.{(a >> 16) & 255}.{(a >> 8) & 255}.{a & 255} site=shop-{i // 10} till={i % 10}\n')

    env = dict(os.environ, QM_LANGUAGE='en_US')
    exporter = subprocess.Popen([exporter_bin, 'exporter', '--targets', os.path.join(work, 'targets'),
                                 '--listen', '127.0.0.1:0', '--interval', str(interval)],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True, env=env)
    first = exporter.stdout.readline()
    m = re.search(r'http://([0-9.]+:[0-9]+)/metrics', first)
    if not m:
        sys.exit('the exporter did not start: ' + first + exporter.stderr.read())
    url = f'http://{m.group(1)}/metrics'

    try:
        # The first round over, and the printers' model lookups settled.
        while value(scrape(url)[1], 'quillmark_exporter_poll_rounds_total') in (None, 0.0):
            time.sleep(0.2)
        if args.idle is not None:
            print(f'printers {args.printers}, interval {interval:g} s')
            idle_latencies(url, [int(n) for n in args.idle.split(',')], args.idle_scrapes, args.idle_limit)
            return
        time.sleep(args.settle)
        latencies = []
        for _ in range(args.latency_scrapes):
            latencies.append(scrape(url)[0])
            time.sleep(0.25)
        scrape_every = args.scrape_every or (args.sample if args.soak else interval)
        rounds0 = value(scrape(url)[1], 'quillmark_exporter_poll_rounds_total')
        cpu0, wall0 = cpu_seconds(exporter.pid), time.monotonic()
        durations, rows = [], []
        next_sample = wall0
        last_round = rounds0
        up_counts = []
        while time.monotonic() - wall0 < duration:
            latency, body = scrape(url)
            latencies.append(latency)
            rounds = value(body, 'quillmark_exporter_poll_rounds_total')
            if rounds != last_round:
                durations.append(value(body, 'quillmark_exporter_poll_duration_seconds'))
                up_counts.append(body.count('\nquillmark_printer_up{') - len(re.findall(r'^quillmark_printer_up\{.*\} 0$', body, re.M)))
                last_round = rounds
            now = time.monotonic()
            if now >= next_sample:
                rss, hwm, anon = memory_kib(exporter.pid)
                rows.append((now - wall0, rss, hwm, rounds, cpu_seconds(exporter.pid), anon))
                next_sample += args.sample
            # Rounds are seen by looking more often than scraping in full
            # would: a poll of the round counter alone is not possible, so the
            # sampling follows the scrape spacing.
            time.sleep(scrape_every)
        cpu1, wall1 = cpu_seconds(exporter.pid), time.monotonic()
        rounds1 = value(scrape(url)[1], 'quillmark_exporter_poll_rounds_total')
        rss, hwm, _ = memory_kib(exporter.pid)
        fleet_rss, _, _ = memory_kib(fleet.pid)
    finally:
        exporter.terminate()
        exporter.wait()
        fleet.terminate()
        fleet.wait()

    elapsed = wall1 - wall0
    print(f'printers {args.printers}, interval {interval:g} s, measured {elapsed:.0f} s')
    print(f'scrape latency: median {statistics.median(latencies) * 1000:.1f} ms, '
          f'p99 {percentile(latencies, 99) * 1000:.1f} ms, max {max(latencies) * 1000:.1f} ms '
          f'({len(latencies)} scrapes)')
    if durations:
        print(f'poll round: median {statistics.median(durations):.3f} s, max {max(durations):.3f} s '
              f'({len(durations)} rounds seen); printers up per round: min {min(up_counts)}')
    print(f'exporter CPU: {(cpu1 - cpu0) / elapsed * 100:.2f} % of one core')
    print(f'exporter memory: resident {rss / 1024:.1f} MiB, peak {hwm / 1024:.1f} MiB; fleet resident '
          f'{fleet_rss / 1024:.1f} MiB')
    expected = elapsed / interval
    print(f'rounds: {rounds1 - rounds0:.0f} completed, {expected:.0f} due')
    if args.soak and rows:
        warm = [r for r in rows if r[0] >= args.warm_up]
        if warm:
            growth = (warm[-1][1] - warm[0][1]) / 1024
            print(f'resident after warm-up ({args.warm_up:.0f} s): {warm[0][1] / 1024:.2f} MiB, at the end '
                  f'{warm[-1][1] / 1024:.2f} MiB, growth {growth:+.2f} MiB, max {max(r[1] for r in warm) / 1024:.2f} MiB; '
                  f'of it anonymous (heap): {(warm[-1][5] - warm[0][5]) / 1024:+.2f} MiB')
        late = 0
        for a, b in zip(rows, rows[1:]):
            due = (b[0] - a[0]) / interval
            if b[3] - a[3] < due - 1.5:
                late += 1
        print(f'sample windows with rounds missing: {late} of {len(rows) - 1}')
    if args.samples:
        with open(args.samples, 'w') as f:
            f.write('seconds,rss_kib,peak_kib,rounds,cpu_seconds,anon_kib\n')
            for r in rows:
                f.write(','.join(f'{x:.3f}' if isinstance(x, float) else str(x) for x in r) + '\n')


if __name__ == '__main__':
    main()
