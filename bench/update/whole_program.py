#!/usr/bin/env python3
"""Update.exe through the whole program against the floor and native tools.

Each case is run the same way for each program: the installation is reset,
the program is started under Wine with "GAME|MANIFEST_URL" and the clock stops
when the stand-in game program has recorded its start (game-started.txt).
  Update.exe      the updater as shipped (check dialog, update frame)
  update_floor    a plain Win32 client: blocking 64 KB reads, CryptoAPI MD5
  native          curl (the download) or md5sum (the check) on Linux
Cases: one 200 MB file at nginx's limit_rate 50m and on raw loopback, and a
no-op check of an up-to-date 10,000-file installation. Prints the median of
the rounds for each, and the ratios.

Wine's desktop process is kept up throughout, as a player's desktop is (the
Wine environment of scripts/bench.sh starts the build's desktop_keeper): Wine
would otherwise start it again for each windowed program run more than a few
seconds after the last one, about a second charged to Update.exe alone (the
floor opens no window).

usage: whole_program.py BINDIR FLOORDIR PEERSDIR PORT WORKDIR [ROUNDS]
"""
import hashlib
import os
import shutil
import statistics
import subprocess
import sys
import time

import installation

bindir, floordir, peers, port, work = sys.argv[1:6]
rounds = int(sys.argv[6]) if len(sys.argv) > 6 else 3
www = os.path.join(peers, "www")
inst = os.path.join(work, "inst")
served = os.path.join(www, "files", "bench-whole")
MB = 1 << 20
BIG = 200 * MB


def winpath(path):
    return "Z:" + path.replace("/", "\\")


def md5(path):
    h = hashlib.md5()
    with open(path, "rb") as f:
        for chunk in iter(lambda: f.read(1 << 20), b""):
            h.update(chunk)
    return h.hexdigest()


def publish(name, base, entries):
    """A manifest served by nginx; returns its URL."""
    installation.write_manifest(os.path.join(www, "bench-whole", name), base, entries)
    return "http://127.0.0.1:%s/bench-whole/%s" % (port, name)


def prepare():
    shutil.rmtree(inst, ignore_errors=True)
    os.makedirs(inst)
    for f in ("Update.exe", "game.exe"):
        shutil.copy(os.path.join(bindir, f), inst)
    shutil.copy(os.path.join(floordir, "update_floor.exe"), inst)
    os.makedirs(served, exist_ok=True)
    big = os.path.join(served, "big-200m.bin")
    if not os.path.exists(big) or os.path.getsize(big) != BIG:
        with open(big, "wb") as f:
            f.write(os.urandom(BIG))
    entry = [("big-200m.bin", md5(big))]
    urls = {
        "raw": publish("raw.ini", "http://127.0.0.1:%s/files/bench-whole/" % port, entry),
        "slow": publish("slow.ini", "http://127.0.0.1:%s/slow/bench-whole/" % port, entry),
    }
    urls["noop"] = publish("noop.ini", "http://127.0.0.1:%s/files/" % port, installation.make(inst, "noop"))
    return urls, entry[0][1]


def reset():
    for name in ("big-200m.bin", "game-started.txt"):
        try:
            os.remove(os.path.join(inst, name))
        except FileNotFoundError:
            pass
    for name in ("DownLoad", "Update"):
        shutil.rmtree(os.path.join(inst, name), ignore_errors=True)


def run(program, url, timeout=900):
    """Seconds from the program's start until the game has started."""
    reset()
    started = os.path.join(inst, "game-started.txt")
    arg = winpath(os.path.join(inst, "game.exe")) + "|" + url
    env = dict(os.environ, LC_ALL="zh_CN.UTF-8")
    t0 = time.perf_counter()
    proc = subprocess.Popen(["wine", program, arg], cwd=inst, env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while time.perf_counter() - t0 < timeout:
        if os.path.exists(started) and os.path.getsize(started) > 0:
            break
        time.sleep(0.005)
    seconds = time.perf_counter() - t0
    try:
        proc.wait(timeout=60)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    with open(started, "rb") as f:
        said = f.read().decode("utf-8", "replace")
    if not said.startswith("UPDATED"):
        sys.exit("bench: %s did not start the game with UPDATED: %r" % (program, said))
    return seconds


def native_download(url):
    target = os.path.join(work, "curl-200m.bin")
    t0 = time.perf_counter()
    subprocess.run(["curl", "-s", "-f", "-o", target, url], check=True)
    subprocess.run(["md5sum", target], check=True, stdout=subprocess.DEVNULL)
    seconds = time.perf_counter() - t0
    os.remove(target)
    return seconds


def native_check():
    t0 = time.perf_counter()
    subprocess.run("find noop -type f -print0 | xargs -0 md5sum >/dev/null", shell=True, cwd=inst, check=True)
    return time.perf_counter() - t0


def measure(case, url, native):
    times = {"Update.exe": [], "update_floor.exe": [], "native": []}
    for _ in range(rounds):
        for program in ("Update.exe", "update_floor.exe"):
            times[program].append(run(program, url))
            if case != "noop" and md5(os.path.join(inst, "big-200m.bin")) != big_sum:
                sys.exit("bench: %s left wrong bytes in place" % program)
        times["native"].append(native())
    return {k: statistics.median(v) for k, v in times.items()}


def fmt(seconds, size):
    return "%7.2f s" % seconds + ("  (%6.1f MB/s)" % (size / MB / seconds) if size else "")


urls, big_sum = prepare()
print("== Update.exe through the whole program, median of %d rounds (until the game has started)" % rounds)
big_url = "http://127.0.0.1:%s/%s/bench-whole/big-200m.bin"
cases = [
    ("slow", "one 200 MB file, nginx limit_rate 50m", BIG, lambda: native_download(big_url % (port, "slow"))),
    ("raw", "one 200 MB file, raw loopback", BIG, lambda: native_download(big_url % (port, "files"))),
    ("noop", "no-op check of an up-to-date 10,000-file installation", 0, native_check),
]
# BENCH_CASES="raw noop" measures only those cases.
only = os.environ.get("BENCH_CASES", "").split()
for case, title, size, native in cases:
    if only and case not in only:
        continue
    m = measure(case, urls[case], native)
    print("  %s" % title)
    print("    Update.exe        %s" % fmt(m["Update.exe"], size))
    print("    plain Win32 floor %s" % fmt(m["update_floor.exe"], size))
    print("    %-17s %s" % ("curl + md5sum" if size else "md5sum", fmt(m["native"], size)))
    ratio = m["Update.exe"] / m["update_floor.exe"]
    if case == "slow":
        print("    Update / floor %.2f (target <= 1.10)" % ratio)
    elif case == "raw":
        print("    Update / floor %.2f; Update's throughput is %.2f of the floor's (target >= 0.50)"
              % (ratio, 1 / ratio))
    else:
        print("    Update / floor %.2f (target <= 1.20)" % ratio)
    print("    floor / native %.2f" % (m["update_floor.exe"] / m["native"]))
reset()
shutil.rmtree(os.path.join(www, "bench-whole"), ignore_errors=True)
shutil.rmtree(served, ignore_errors=True)
