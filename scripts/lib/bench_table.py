"""Runs the release build's benchmarks side by side and prints one table.

Called by scripts/bench with the build folder; every figure is the median of
repeated runs.
"""
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
# Google Benchmark reports a median only from two repetitions on.
repetitions = max(2, int(sys.argv[3])) if len(sys.argv) > 3 else 15

programs = {
    "rastomat": os.path.join(build, "rastomat", "rastomat"),
    "aspekto": os.path.join(build, "aspekto", "aspekto"),
}
minimal = os.path.join(build, "bench", "minimal_window")
bench = os.path.join(build, "bench")


def google_benchmark(program, name):
    """Median real time of one benchmark over its repetitions, in its unit."""
    out = subprocess.run(
        [os.path.join(bench, program), f"--benchmark_filter=^{name}$",
         f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            return b["real_time"]
    raise SystemExit(f"{program}: no median for {name}")


def reading_figures():
    """Reading a 50-megapixel picture's facts: median ms and extra peak MiB."""
    out = subprocess.run(
        [os.path.join(bench, "media_bench"), "--benchmark_filter=^ReadPicture/",
         f"--benchmark_repetitions={repetitions}", "--benchmark_report_aggregates_only=true",
         "--benchmark_format=json"],
        check=True, capture_output=True, text=True,
        env=dict(os.environ, QT_QPA_PLATFORM="offscreen")).stdout
    # The first read of each file, which also loads the readers, is printed
    # before the JSON.
    first = [line for line in out[:out.index("{")].splitlines() if line.strip()]
    figures = {}
    for b in json.loads(out[out.index("{"):])["benchmarks"]:
        if b.get("aggregate_name") == "median":
            name = b["run_name"].split("/")[1]
            figures[name] = (b["real_time"], b.get("extra_peak_MiB", float("nan")))
    return figures, first


def first_frame(command):
    """Start-up to the first painted frame in ms, and VmRSS, VmHWM in kB."""
    with tempfile.TemporaryDirectory() as runtime:  # 0700, a fresh lock folder
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", CALC_QUIT_AFTER_FIRST_FRAME="1",
                   XDG_RUNTIME_DIR=runtime)
        start = time.monotonic_ns()
        done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
    for line in done.stderr.splitlines():
        if line.startswith("first-frame "):
            fields = dict(f.split("=") for f in line.split()[1:])
            return {"ms": (int(fields["ns"]) - start) / 1e6, "rss": int(fields["rss-kb"]),
                    "hwm": int(fields["hwm-kb"]), "size": (fields["width"], fields["height"])}
    raise SystemExit(f"{command[0]} painted no frame (status {done.returncode}):\n{done.stderr}")


def stripped_kb(path):
    with tempfile.TemporaryDirectory() as folder:
        copy = os.path.join(folder, "stripped")
        subprocess.run(["strip", "-o", copy, path], check=True)
        return os.path.getsize(copy) / 1024


# Start-up and memory: each program and an empty window of its size, taking
# turns, after one run each that fills the file cache and finds the size.
commands = {}
for name, path in programs.items():
    width, height = first_frame([path])["size"]
    commands[name] = [path]
    commands["empty " + name] = [minimal, width, height]
    first_frame(commands["empty " + name])
# One line of text in the empty window: the part of the gap that is the
# font system's, which the empty window never starts.
commands["label"] = commands["empty rastomat"] + ["label"]
runs = {key: [] for key in commands}
for _ in range(rounds):
    for key, command in commands.items():
        runs[key].append(first_frame(command))


def median(key, figure):
    return statistics.median(run[figure] for run in runs[key])


cascade = {"rastomat": google_benchmark("dpi_bench", "KeystrokeCascade"),
           "aspekto": google_benchmark("format_bench", "KeystrokeCascade")}
# What the keystroke changed, as the toolkit repaints it; and, for scale, the
# whole window painted at once.
repaint = {"rastomat": google_benchmark("view_bench", "RastomatKeyToRepaint/0"),
           "aspekto": google_benchmark("view_bench", "AspektoKeyToRepaint/0")}
whole = {"rastomat": google_benchmark("view_bench", "RastomatKeyToRepaint/1"),
         "aspekto": google_benchmark("view_bench", "AspektoKeyToRepaint/1")}

columns = ["rastomat", "empty rastomat", "aspekto", "empty aspekto", "label"]
ratios = {}
rows = []
rows.append(["keystroke cascade in the model (ns)",
             f"{cascade['rastomat']:.0f}", "", f"{cascade['aspekto']:.0f}", "", ""])
rows.append(["keystroke to repainted window (us)",
             f"{repaint['rastomat']:.1f}", "", f"{repaint['aspekto']:.1f}", "", ""])
rows.append(["  the whole window repainted (us)",
             f"{whole['rastomat']:.1f}", "", f"{whole['aspekto']:.1f}", "", ""])
rows.append(["start-up to first frame (ms)"] + [f"{median(c, 'ms'):.1f}" for c in columns])
rows.append(["resident memory VmRSS (kB)"] + [f"{median(c, 'rss'):.0f}" for c in columns])
rows.append(["peak resident VmHWM (kB)"] + [f"{median(c, 'hwm'):.0f}" for c in columns])
sizes = {"rastomat": stripped_kb(programs["rastomat"]), "aspekto": stripped_kb(programs["aspekto"])}
empty_size = stripped_kb(minimal)
rows.append(["stripped executable (kB)", f"{sizes['rastomat']:.0f}", f"{empty_size:.0f}",
             f"{sizes['aspekto']:.0f}", f"{empty_size:.0f}", f"{empty_size:.0f}"])
for name in programs:
    ratios[f"start-up {name}"] = median(name, "ms") / median("empty " + name, "ms")
for name in programs:
    ratios[f"memory {name}"] = median(name, "rss") / median("empty " + name, "rss")

header = ["figure (median)", "Rastomat", "empty window", "Aspekto", "empty window",
          "with one label"]
widths = [max(len(r[i]) for r in rows + [header]) for i in range(len(header))]
line = lambda r: "  ".join(c.ljust(widths[0]) if i == 0 else c.rjust(widths[i])
                           for i, c in enumerate(r))
print(f"{rounds} start-ups each, {repetitions} benchmark repetitions; each empty window has "
      "the size of the program's window, the one with a label Rastomat's")
print(line(header))
print(line(["-" * w for w in widths]))
for r in rows:
    print(line(r))
print()
print("reading a 50-megapixel picture's facts (median ms, extra peak MiB)")
figures, first = reading_figures()
for name, (ms, mib) in figures.items():
    print(f"  {name:<20} {ms:8.2f} ms  {mib:6.2f} MiB")
for line in first:
    print(f"  {line}")
print()
for key, value in ratios.items():
    print(f"ratio {key}: {value:.2f}")
