#!/usr/bin/env python3
"""Turns the results that scripts/bench collected into docs/performance.md.

Usage: performance_report.py RESULTS_DIR OUTPUT_FILE
"""

import datetime
import json
import os
import platform
import re
import statistics
import subprocess
import sys
from pathlib import Path

PARSER_DOCUMENTS = [
    ("canada", 1.0),
    ("citm_catalog", 0.8),
    ("twitter", 0.8),
    ("interpreter_1KiB", 1.0),
    ("interpreter_1MiB", 1.0),
    ("interpreter_20MiB", 1.0),
]
RUN_ENTRIES = [150, 1500, 15000]
RUN_MATCHES = [1, 10]
LOOKUP_LAST = 15000

BYTES_PER_INPUT_BYTE = 3.0
ALLOCATIONS_PER_KIB = 1.0
LOOKUP_BUDGET = 2.0
SCALING_BUDGET = 11.0
RUN_PER_PARSE_BUDGET = 3.0
STARTUP_BUDGET = 1.3
NO_PROBE_BUDGET = 1.15
SAMPLE_LOAD_BUDGET = 1.5
PUMP_GAP_BUDGET_MS = 50.0


def verdict(ok):
    return "met" if ok else "**not met**"


def quartiles(values):
    if len(values) < 4:
        return min(values), max(values)
    q = statistics.quantiles(values, n=4)
    return q[0], q[2]


class Pair:
    """Two series measured interleaved: a ratio of medians and the spread of the
    per-repetition ratios."""

    def __init__(self, numerator, denominator):
        self.ratio = statistics.median(numerator) / statistics.median(denominator)
        pairwise = [n / d for n, d in zip(numerator, denominator)]
        self.low, self.high = quartiles(pairwise)

    def spread(self):
        return f"{self.low:.2f}–{self.high:.2f}"

    def noisy(self, budget):
        return self.low <= budget <= self.high


def judge(pair, budget, instruction_ratio, at_least):
    """Judges the time ratio; when its spread straddles the budget, the instruction ratio
    decides. Returns whether the budget is met and the text of the result."""
    meets = (lambda r: r >= budget) if at_least else (lambda r: r <= budget)
    if pair.noisy(budget) and instruction_ratio is not None:
        ok = meets(instruction_ratio)
        return ok, f"{verdict(ok)} (time ratio noisy: judged by instructions)"
    ok = meets(pair.ratio)
    return ok, verdict(ok)


def google_benchmark(path):
    """Per benchmark name: the CPU times of its repetitions, in seconds."""
    scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
    times = {}
    for run in json.loads(Path(path).read_text())["benchmarks"]:
        if run.get("run_type") != "iteration":
            continue
        times.setdefault(run["run_name"], []).append(run["cpu_time"] * scale[run["time_unit"]])
    return times


def instructions(results, name):
    path = results / "callgrind" / f"{name}.callgrind"
    if not path.exists():
        return None
    for line in path.read_text(errors="replace").splitlines():
        if line.startswith("totals:") or line.startswith("summary:"):
            value = int(line.split()[1])
            if value:
                return value
    return None


def instruction_ratio(results, numerator, denominator):
    a = instructions(results, numerator)
    b = instructions(results, denominator)
    return a / b if a and b else None


def ratio_text(value):
    return "n/a" if value is None else f"{value:.2f}"


def inclusive_costs(path, functions):
    """Inclusive instruction counts of the named functions in a callgrind profile."""
    try:
        text = subprocess.run(
            ["callgrind_annotate", "--inclusive=yes", "--threshold=100", str(path)],
            capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        return {}
    costs = {}
    for line in text.splitlines():
        match = re.match(r"\s*([\d,]+)\s+\([\s\d.]+%\)\s+(\S.*)$", line)
        if not match:
            continue
        count = int(match.group(1).replace(",", ""))
        where = match.group(2)
        for label, pattern in functions:
            if label not in costs and re.search(pattern, where):
                costs[label] = count
    return costs


def machine():
    model = "unknown CPU"
    physical = set()
    for line in Path("/proc/cpuinfo").read_text().splitlines():
        if line.startswith("model name") and model == "unknown CPU":
            model = line.split(":", 1)[1].strip()
        if line.startswith("physical id") or line.startswith("core id"):
            physical.add(line)
    system = platform.platform()
    os_release = Path("/etc/os-release")
    if os_release.exists():
        for line in os_release.read_text().splitlines():
            if line.startswith("PRETTY_NAME="):
                system = line.split("=", 1)[1].strip('"')
    memory = ""
    for line in Path("/proc/meminfo").read_text().splitlines():
        if line.startswith("MemTotal:"):
            memory = f", {int(line.split()[1]) / 1024 / 1024:.0f} GiB memory"
    return f"{model}, {os.cpu_count()} logical cores{memory}, {system}"


def tool_version(command):
    try:
        return subprocess.run(command, capture_output=True, text=True,
                              check=True).stdout.splitlines()[0].strip()
    except (OSError, subprocess.CalledProcessError, IndexError):
        return "unknown"


def milliseconds(seconds):
    return f"{seconds * 1e3:.3f} ms" if seconds < 0.01 else f"{seconds * 1e3:.1f} ms"


def section_parser(results, out, summary):
    times = google_benchmark(results / "json_parser.json")
    sizes = {d["document"]: d["inputBytes"] for d in memory_rows(results)}
    out.append("## 1. JSON parser: parse and tree build\n")
    out.append("Our engine (`JsonParser::append` and `parse` with the interpreter document's "
               "settings: quotes stripped, escapes decoded, UTF-8) against RapidJSON's DOM parser "
               "(`Document::Parse`, default flags) on the same bytes, in one process. Throughput "
               "ratio = RapidJSON's median time / ours; above 1 we are faster.\n")
    out.append("| Document | Size | Engine | RapidJSON | Throughput ratio | Spread | "
               "Instruction ratio | Budget | Result |")
    out.append("|---|---|---|---|---|---|---|---|---|")
    worst = None
    all_ok = True
    for name, budget in PARSER_DOCUMENTS:
        engine = times[f"parse/{name}/engine"]
        rapid = times[f"parse/{name}/rapidjson"]
        pair = Pair(rapid, engine)
        size = sizes.get(name, 0)
        instructions_ratio = instruction_ratio(results, f"parse-rapidjson-{name}",
                                               f"parse-engine-{name}")
        ok, result = judge(pair, budget, instructions_ratio, at_least=True)
        all_ok &= ok
        rate = lambda t: f"{size / statistics.median(t) / 1e6:.0f} MB/s"
        out.append(f"| {name} | {size:,} B | {rate(engine)} | {rate(rapid)} | "
                   f"{pair.ratio:.2f}x | {pair.spread()} | {ratio_text(instructions_ratio)} | "
                   f">= {budget}x | {result} |")
        if worst is None or pair.ratio / budget < worst[0]:
            worst = (pair.ratio / budget, name, pair.ratio, budget)
    out.append("")
    summary.append(("1", "JSON parser vs RapidJSON",
                    f"lowest: {worst[2]:.2f}x on {worst[1]} (budget >= {worst[3]}x)", all_ok))


def jsonl_rows(path):
    """The objects of a file with one JSON object per line."""
    return [json.loads(line) for line in Path(path).read_text().splitlines() if line.strip()]


def measured_rows(results, name, number, what, summary):
    """The rows of a benchmark's JSONL results, or None with the section noted as not
    measured."""
    path = results / name
    if not path.exists():
        summary.append((number, what, "not measured", False))
        return None
    return jsonl_rows(path)


def memory_rows(results):
    return jsonl_rows(results / "json_memory.jsonl")


def section_memory(results, out, summary):
    out.append("## 2. Parser memory\n")
    out.append("What one parse allocates through the global `operator new` (counted by a "
               "replaced operator in the benchmark program), from taking over the input buffer "
               "(`appendOwned`, as the JSON core does) to the finished tree. The input buffer "
               "itself is the document and is not counted.\n")
    out.append("| Document | Input | Allocated | Per input byte | Peak live per input byte | "
               "Allocations | Per KiB | Result |")
    out.append("|---|---|---|---|---|---|---|---|")
    all_ok = True
    worst_bytes = 0.0
    worst_count = 0.0
    for row in memory_rows(results):
        size = row["inputBytes"]
        per_byte = row["allocatedBytes"] / size
        per_kib = row["allocations"] / (size / 1024)
        ok = per_byte <= BYTES_PER_INPUT_BYTE and per_kib <= ALLOCATIONS_PER_KIB
        all_ok &= ok
        worst_bytes = max(worst_bytes, per_byte)
        worst_count = max(worst_count, per_kib)
        out.append(f"| {row['document']} | {size:,} B | {row['allocatedBytes']:,} B | "
                   f"{per_byte:.2f} | {row['peakBytes'] / size:.2f} | {row['allocations']} | "
                   f"{per_kib:.3f} | {verdict(ok)} |")
    out.append(f"\nBudget: <= {BYTES_PER_INPUT_BYTE:.0f} bytes allocated per input byte and "
               f"<= {ALLOCATIONS_PER_KIB:.0f} allocation per KiB of input.\n")
    out.append("A parse allocates one block, sized from the bounds its counting pass over "
               "the input finds: the tree arrays (nodes, children, containers), the parser's "
               "stacks and, when the input has a backslash, the buffer of unescaped strings. "
               "The block stays while the tree is kept.\n")
    summary.append(("2", "Parser memory",
                    f"worst: {worst_bytes:.2f} B per input byte, {worst_count:.2f} allocations "
                    f"per KiB (budget <= 3, <= 1)", all_ok))


def section_lookup(results, out, summary):
    times = google_benchmark(results / "json_path.json")
    out.append("## 3. Path lookup\n")
    out.append(f"\"/json/[i]/Param\" over a document of {LOOKUP_LAST:,} entries, in the engine "
               "(`selectPath`, then the node's text) and through `TnetJSON` (`setXPath`, then "
               "`XText`, across the entry points).\n")
    out.append("| Level | i = 1 | i = 15,000 | Ratio | Spread | Instruction ratio | Budget | "
               "Result |")
    out.append("|---|---|---|---|---|---|---|---|")
    all_ok = True
    figures = []
    for level, label in (("engine", "engine"), ("component", "TnetJSON")):
        first = times[f"lookup/{level}/1"]
        last = times[f"lookup/{level}/{LOOKUP_LAST}"]
        pair = Pair(last, first)
        instructions_ratio = instruction_ratio(results, f"lookup-{level}-{LOOKUP_LAST}",
                                               f"lookup-{level}-1")
        ok, result = judge(pair, LOOKUP_BUDGET, instructions_ratio, at_least=False)
        all_ok &= ok
        figures.append(f"{label} {pair.ratio:.2f}x")
        out.append(f"| {label} | {statistics.median(first) * 1e9:.0f} ns | "
                   f"{statistics.median(last) * 1e9:.0f} ns | {pair.ratio:.2f}x | "
                   f"{pair.spread()} | {ratio_text(instructions_ratio)} | "
                   f"<= {LOOKUP_BUDGET:.0f}x | {result} |")
    out.append("")
    summary.append(("3", "Path lookup at i = 15,000 vs i = 1", ", ".join(figures), all_ok))


def section_interpretation(results, out, summary):
    times = google_benchmark(results / "interpretation.json")
    out.append("## 4. Interpretation run\n")
    out.append("One `InterpretationRun` over a parsed interpreter document (value 5 µg/L within "
               "the limit of every matching entry, a fake view, no window), against the same run "
               "at the next smaller N and against a parse of the same document through "
               "`TnetJSON` (`Reset`, settings, `InputData`, `Parse`, as sample loading does).\n")
    out.append("| Entries | Matching | Run | vs next smaller N | Spread | Instructions | "
               "Parse | Run / parse | Spread | Instructions | Result |")
    out.append("|---|---|---|---|---|---|---|---|---|---|---|")
    all_ok = True
    scalings = []
    scaling_instructions = []
    worst_parse = 0.0
    for matching in RUN_MATCHES:
        for index, entries in enumerate(RUN_ENTRIES):
            run = times[f"run/{entries}/{matching}"]
            parse = times[f"parse/{entries}"]
            scaling_text, spread_text, scaling_ir = "—", "—", "—"
            results_text = []
            ok = True
            if index > 0:
                smaller = RUN_ENTRIES[index - 1]
                scaling = Pair(run, times[f"run/{smaller}/{matching}"])
                scaling_ratio = instruction_ratio(results, f"run-{entries}-{matching}",
                                                  f"run-{smaller}-{matching}")
                scaling_ok, scaling_result = judge(scaling, SCALING_BUDGET, scaling_ratio,
                                                   at_least=False)
                ok &= scaling_ok
                results_text.append(f"scaling {scaling_result}")
                scalings.append(scaling.ratio)
                if scaling_ratio is not None:
                    scaling_instructions.append(scaling_ratio)
                scaling_text = f"{scaling.ratio:.2f}x"
                spread_text = scaling.spread()
                scaling_ir = ratio_text(scaling_ratio)
            per_parse = Pair(run, parse)
            parse_ratio = instruction_ratio(results, f"run-{entries}-{matching}",
                                            f"component-parse-{entries}")
            parse_ok, parse_result = judge(per_parse, RUN_PER_PARSE_BUDGET, parse_ratio,
                                           at_least=False)
            ok &= parse_ok
            results_text.append(f"run/parse {parse_result}")
            worst_parse = max(worst_parse, per_parse.ratio)
            all_ok &= ok
            out.append(f"| {entries:,} | {matching} | {milliseconds(statistics.median(run))} | "
                       f"{scaling_text} | {spread_text} | {scaling_ir} | "
                       f"{milliseconds(statistics.median(parse))} | {per_parse.ratio:.2f}x | "
                       f"{per_parse.spread()} | {ratio_text(parse_ratio)} | "
                       f"{'; '.join(results_text)} |")
    out.append(f"\nBudget: t(15k)/t(1.5k) and t(1.5k)/t(150) <= {SCALING_BUDGET:.0f}; a run <= "
               f"{RUN_PER_PARSE_BUDGET:.0f}x the parse of its document.\n")
    scaling_figure = f"scaling {min(scalings):.2f}–{max(scalings):.2f}x"
    if scaling_instructions:
        scaling_figure += (f" (instructions {min(scaling_instructions):.2f}–"
                           f"{max(scaling_instructions):.2f}x)")
    summary.append(("4", "Interpretation run",
                    f"{scaling_figure}, budget <= 11; run/parse at most {worst_parse:.2f}x, "
                    f"budget <= 3", all_ok))


STARTUP_PARTS = [
    ("dynamic linking before main", r"dl_main \["),
    ("core libraries (embedded cores, libcurl and its dependencies)",
     r"CoreLibrary::load\("),
    ("window controls (createControls, fonts included)", r"TQuorviInterpreter::createControls\("),
    ("font configuration (FcInit), within the controls", r"^\S*FcInit \["),
    ("service probe (FormCreate: OpenSSL, trust store, TLS, HEAD)",
     r"WindowHandlers::FormCreate\("),
    ("event loop to the first paint (QApplication::exec)", r"QApplication::exec\(\)"),
]


def section_startup(results, out, summary):
    path = results / "startup.json"
    out.append("## 5. Start-up\n")
    if not path.exists():
        out.append("Not measured: the start-up benchmark was not built (the program's target "
                   "`quorvi_app` or its `quorvi_add_program` is missing).\n")
        summary.append(("5", "Start-up to first paint", "not measured", False))
        return
    data = json.loads(path.read_text())
    pair = Pair(data["appMs"], data["emptyMs"])
    no_probe = Pair(data["appMs"], data["noProbeMs"])
    shows_main_window = data["appWindow"].endswith("TQuorviInterpreter")
    no_probe_shows_main_window = data["noProbeWindow"].endswith("TQuorviInterpreter")
    ok = pair.ratio <= STARTUP_BUDGET and shows_main_window
    app_ir = instructions(results, "startup-app")
    empty_ir = instructions(results, "startup-empty-window")
    no_probe_ir = instructions(results, "startup-no-probe-window")
    ir_ratio = ratio_text(app_ir / empty_ir if app_ir and empty_ir else None)
    no_probe_ir_ratio = app_ir / no_probe_ir if app_ir and no_probe_ir else None
    no_probe_ok, no_probe_result = judge(no_probe, NO_PROBE_BUDGET, no_probe_ir_ratio,
                                         at_least=False)
    no_probe_ok &= shows_main_window and no_probe_shows_main_window
    if not (shows_main_window and no_probe_shows_main_window):
        no_probe_result = verdict(False)
    out.append("From spawning the process to the end of its first paint (a queued call after "
               "the first paint event, so the whole window has been painted and flushed), taken "
               "with CLOCK_MONOTONIC by the parent before the spawn and by the program. The "
               "program is built from the application's own entry with a loopback service "
               f"address, whose probe a loopback HTTPS server answers ({data['probes']} probes "
               f"for {data['starts']} starts). The references are the same main window made and "
               "shown by a minimal entry without the service probe (what the probe costs on a "
               "local link), and a minimal Qt 6 program showing one empty window of the same "
               "size. The three are started in turn, each in every place of the order; same "
               "build flags, offscreen platform for all.\n")
    out.append("| Program | Window | Median | Spread of ratios | Instruction ratio | Budget | "
               "Result |")
    out.append("|---|---|---|---|---|---|---|")
    out.append(f"| QuorviV2 start-up | {data['appWindow']} | "
               f"{statistics.median(data['appMs']):.1f} ms | | | | |")
    out.append(f"| main window without the probe | {data['noProbeWindow']} | "
               f"{statistics.median(data['noProbeMs']):.1f} ms | | | | |")
    out.append(f"| empty Qt window | {data['emptyWindow']} | "
               f"{statistics.median(data['emptyMs']):.1f} ms | | | | |")
    out.append(f"| ratio to the window without the probe | | {no_probe.ratio:.2f}x | "
               f"{no_probe.spread()} | {ratio_text(no_probe_ir_ratio)} | "
               f"<= {NO_PROBE_BUDGET}x | {no_probe_result} |")
    out.append(f"| ratio to the empty window | | {pair.ratio:.2f}x | {pair.spread()} | "
               f"{ir_ratio} | <= {STARTUP_BUDGET}x | {verdict(ok)} |")
    out.append("")
    if not shows_main_window:
        out.append("The program painted another window than its main window first: its "
                   "service probe failed.\n")
    profile = json.loads((results / "startup_profile.json").read_text())
    costs = inclusive_costs(results / "callgrind" / "startup-app.callgrind", STARTUP_PARTS)
    if app_ir and costs and profile["appWindow"].endswith("TQuorviInterpreter"):
        references = f"the empty window needs {empty_ir:,} in all"
        if no_probe_ir:
            references = (f"the window without the probe needs {no_probe_ir:,} and "
                          + references)
        out.append("Where the program's instructions go (callgrind, inclusive, one start; "
                   f"{references}):\n")
        out.append("| Part | Instructions | Share |")
        out.append("|---|---|---|")
        for label, _ in STARTUP_PARTS:
            if label in costs:
                out.append(f"| {label} | {costs[label]:,} | {costs[label] / app_ir:.0%} |")
        out.append(f"| all | {app_ir:,} | 100% |")
        out.append("")
        if not ok:
            slack = (STARTUP_BUDGET - 1) * statistics.median(data["emptyMs"])
            out.append(f"The budget leaves {slack:.1f} ms beyond the empty window. The empty "
                       "window paints no text, so it never sets up the font configuration, "
                       "which any window with text needs; the core libraries pull in libcurl "
                       "with its whole dependency tree, relocated against all libraries "
                       "already loaded; and the service probe sets up OpenSSL and makes a "
                       "full TLS handshake before the window is shown.\n")
        if not no_probe_ok:
            slack = (NO_PROBE_BUDGET - 1) * statistics.median(data["noProbeMs"])
            out.append(f"The budget leaves {slack:.1f} ms for the probe beyond the window "
                       "without it; the probe sets up OpenSSL, builds the trust store and makes "
                       "a full TLS handshake, whose server half runs in the loopback server "
                       "and so is in the time but not in the program's instructions.\n")
    summary.append(("5", "Start-up to first paint vs empty Qt window", f"{pair.ratio:.2f}x", ok))
    summary.append(("5", "Start-up to first paint vs the main window without the probe",
                    f"{no_probe.ratio:.2f}x, instructions {ratio_text(no_probe_ir_ratio)}x "
                    f"(budget <= {NO_PROBE_BUDGET}x)", no_probe_ok))


def section_sample_load(results, out, summary):
    path = results / "sample_load.json"
    out.append("## 6. Sample load\n")
    if not path.exists():
        out.append("Not measured: the sample load benchmark was not built.\n")
        summary.append(("6", "Sample load vs curl", "not measured", False))
        summary.append(("7", "Event pump while a transfer waits", "not measured", False))
        return None
    data = json.loads(path.read_text())
    pair = Pair(data["loadMs"], data["curlMs"])
    ok = pair.ratio <= SAMPLE_LOAD_BUDGET
    connections_ok = data["warmConnections"] == 1
    stores = data["certificateOpensFirstLoad"]
    store_ok = data["certificateOpensWarmLoads"] == 0 and stores <= 1
    out.append("`SampleLoader::load` with the window's five components configured as the "
               "window configures them, against a loopback HTTPS server with TCP_NODELAY, "
               "interleaved with `curl` fetching the same three addresses in one invocation "
               "(`curl --cacert CA -s -f -o /dev/null URL1 --next ... -I URL2 --next ... URL3`, "
               "the report probe as HEAD). The load is measured in a running program (warm: "
               "connections open, trust store built); curl starts a process each time.\n")
    out.append("| Figure | Value | Budget | Result |")
    out.append("|---|---|---|---|")
    out.append(f"| one load, median | {statistics.median(data['loadMs']):.2f} ms | | |")
    out.append(f"| curl, median | {statistics.median(data['curlMs']):.2f} ms | | |")
    out.append(f"| load / curl | {pair.ratio:.2f}x (spread {pair.spread()}) | "
               f"<= {SAMPLE_LOAD_BUDGET}x | {verdict(ok)} |")
    out.append(f"| first load of the process (cold) | {data['firstLoadMs']:.2f} ms | | |")
    out.append(f"| connections for {data['warmLoads']} further loads ({data['warmRequests']} "
               f"requests) | {data['warmConnections']} | 1, shared by the components | "
               f"{verdict(connections_ok)} |")
    out.append(f"| CA bundle reads in the first load / in {data['warmLoads']} further loads | "
               f"{stores} / {data['certificateOpensWarmLoads']} | 1 per process / 0 | "
               f"{verdict(store_ok)} |")
    out.append("")
    if stores > 1 and data["certificateOpensWarmLoads"] == 0:
        out.append("The trust store is built once per core library, not once per process: the "
                   "HTTP and the REST core each link the transfer engine with its own copy of the "
                   "shared store, so the compiled-in CA bundle is read once by each. It is never "
                   "read again for a further connection or transfer, and the system store is "
                   "looked up lazily in its hashed directory, so each build is cheap.\n")
    summary.append(("6", "Sample load vs curl", f"{pair.ratio:.2f}x; {data['warmConnections']} "
                    f"connection{'' if data['warmConnections'] == 1 else 's'} for {data['warmLoads']} "
                    f"loads; {stores} trust store "
                    f"build{'' if stores == 1 else 's'}",
                    ok and connections_ok and store_ok))
    return data


def section_pump(data, out, summary):
    if data is None:
        return
    out.append("## 7. Responsiveness while a transfer waits\n")
    out.append(f"The largest distance between the start of a transfer whose answer comes after "
               f"{data['waitMs']} ms, each call of the event pump (`netcomp::setEventPump`, "
               "called from the components' OnDoEvents) and the transfer's end.\n")
    out.append("| Transfer | Largest gap | Budget | Result |")
    out.append("|---|---|---|---|")
    worst = 0.0
    for name, gap in data["pumpGapMs"].items():
        worst = max(worst, gap)
        out.append(f"| {name} | {gap:.1f} ms | <= {PUMP_GAP_BUDGET_MS:.0f} ms | "
                   f"{verdict(gap <= PUMP_GAP_BUDGET_MS)} |")
    out.append("")
    summary.append(("7", "Event pump gap while a transfer waits 2 s", f"{worst:.1f} ms",
                    worst <= PUMP_GAP_BUDGET_MS))


PIECES_BUDGET = 3.0
LOAD_MEMORY_BUDGET_MIB = 256


def section_pieces(results, out, summary):
    path = results / "json_pieces.json"
    if not path.exists():
        summary.append(("8", "Parse in pieces", "not measured", False))
        return
    # Times in milliseconds, by number of pieces ("pieces/<document>/<N>").
    runs = {int(name.split("/")[2]): [t * 1e3 for t in times]
            for name, times in google_benchmark(path).items()}
    one = statistics.median(runs[1])
    out.append("## 8. Parsing in pieces\n")
    out.append("A 10 MiB interpreter document given to the engine in N pieces, `Parse` after "
               "each, against the same document in one piece. Each call goes on where the last "
               "stopped: the input is scanned once and the tree built once, so the total stays "
               "linear in the input, at about twice one piece whatever N.\n")
    out.append("| Pieces | Total | vs one piece |")
    out.append("|---|---|---|")
    worst = 0.0
    for pieces in sorted(runs):
        total = statistics.median(runs[pieces])
        worst = max(worst, total / one)
        out.append(f"| {pieces:,} | {total:.1f} ms | {total / one:.2f}x |")
    ok = worst <= PIECES_BUDGET
    out.append(f"\nBudget: any number of pieces <= {PIECES_BUDGET:.0f}x one piece.\n")
    summary.append(("8", "Parse in pieces vs one piece", f"worst {worst:.2f}x", ok))


def section_load_memory(results, out, summary):
    rows = measured_rows(results, "load_memory.jsonl", "9", "Peak memory of one load", summary)
    if rows is None:
        return
    out.append("## 9. Peak memory of one load\n")
    out.append("One sample load as the window runs it (`SampleLoader`, the five components), "
               "against a loopback service that sends the largest documents the components "
               "take in. Each case runs in a fresh process; the peak is the process's resident "
               "set during the load (VmHWM, reset before it), the loopback server and its copy "
               "of the documents included.\n")
    out.append("| Case | Sample document | Interpreter document | Resident before | Peak | "
               "Message |")
    out.append("|---|---|---|---|---|---|")
    worst = 0
    for row in rows:
        worst = max(worst, row["peakDuringLoadMiB"])
        out.append(f"| {row['case']} | {row['sampleBytes']:,} B | {row['interpreterBytes']:,} B | "
                   f"{row['residentBeforeMiB']} MiB | {row['peakDuringLoadMiB']} MiB | "
                   f"{row['message'] or '—'} |")
    ok = worst < LOAD_MEMORY_BUDGET_MIB
    out.append(f"\nBudget: below {LOAD_MEMORY_BUDGET_MIB} MiB in every case.\n")
    summary.append(("9", "Peak memory of one load, worst case", f"{worst} MiB", ok))


ROUND_TRIP_BUDGET = 3.3


def section_round_trips(results, out, summary):
    rows = measured_rows(results, "round_trips.jsonl", "10", "Round trips of a load", summary)
    if rows is None:
        return
    out.append("## 10. Round trips over a slow link\n")
    out.append("The window's five components against the loopback server behind a proxy of our "
               "own that delays each direction by half the round-trip time, and a new "
               "connection's first bytes by one round trip more (TCP's handshake). TLS 1.3. "
               "Times are given in round trips: the probe (`Head` of the service's root, as "
               "at start-up, on a new connection), the first load after it, the best of five "
               "later loads, and the best of three runs of `curl` fetching the same three "
               "addresses in one invocation. Connections: what the proxy accepted for the "
               "probe and all loads.\n")
    out.append("| Round trip | Probe | First load | Later load | curl, 3 addresses | "
               "Connections |")
    out.append("|---|---|---|---|---|---|")
    ok = True
    for row in rows:
        ok &= max(row["probe"], row["firstLoad"], row["laterLoad"]) <= ROUND_TRIP_BUDGET
        ok &= row["connections"] == 1
        out.append(f"| {row['roundTripMs']} ms | {row['probe']:.2f} | {row['firstLoad']:.2f} | "
                   f"{row['laterLoad']:.2f} | {row['curl']:.2f} | {row['connections']} |")
    out.append(f"\nBudget: the probe, the first and a later load each <= {ROUND_TRIP_BUDGET} "
               "round trips; one connection for all of them.\n")
    worst = max(max(r["probe"], r["firstLoad"], r["laterLoad"]) for r in rows)
    summary.append(("10", "Probe and loads over a slow link", f"at most {worst:.2f} round trips, "
                    f"{max(r['connections'] for r in rows)} connection", ok))


def count_range(values):
    counts = sorted(set(values))
    return str(counts[0]) if len(counts) == 1 else f"{counts[0]}–{counts[-1]}"


class Difference:
    """Two series measured interleaved, as a difference in round trips: that of their
    medians, and the spread of the per-pair differences."""

    def __init__(self, slow, local, round_trip_ms):
        self.trips = (statistics.median(slow) - statistics.median(local)) / round_trip_ms
        self.low, self.high = quartiles([(s - l) / round_trip_ms for s, l in zip(slow, local)])

    def spread(self):
        return f"{self.low:.2f}–{self.high:.2f}"


def section_startup_slow_link(results, out, summary):
    rows = measured_rows(results, "startup_slow_link.jsonl", "11", "Start-up over a slow link",
                         summary)
    if rows is None:
        return
    out.append("## 11. Start-up over a slow link\n")
    out.append("The program of section 5, built from the application's own entry with its "
               "service address on the port of the latency proxy of section 10, in front of the "
               "loopback HTTPS server. Its starts with the proxy delaying at the round-trip time "
               "are interleaved with its starts through the same proxy without delay (its local "
               "start); both are timed from the spawn to the end of the first paint. The figure "
               "is what the link adds: (median start over the link − median local start) / "
               "round-trip time, in round trips; the spread is that of the per-pair "
               "differences. Connections: what the proxy accepted during each start over the "
               "link.\n")
    out.append("| Round trip | Local start | Start over the link | Added round trips | Spread | "
               "Connections per start | Window | Budget | Result |")
    out.append("|---|---|---|---|---|---|---|---|---|")
    all_ok = True
    worst = 0.0
    connections = []
    for row in rows:
        difference = Difference(row["slowMs"], row["localMs"], row["roundTripMs"])
        windows_ok = all(w.endswith("TQuorviInterpreter") for w in row["windows"])
        one_connection = all(c == 1 for c in row["connections"])
        ok = difference.trips <= ROUND_TRIP_BUDGET and one_connection and windows_ok
        all_ok &= ok
        worst = max(worst, difference.trips)
        connections += row["connections"]
        out.append(f"| {row['roundTripMs']} ms | {statistics.median(row['localMs']):.1f} ms | "
                   f"{statistics.median(row['slowMs']):.1f} ms | {difference.trips:.2f} | "
                   f"{difference.spread()} | {count_range(row['connections'])} | {', '.join(row['windows'])} | "
                   f"<= {ROUND_TRIP_BUDGET} | {verdict(ok)} |")
    out.append(f"\nBudget: the link adds <= {ROUND_TRIP_BUDGET} round trips to the local "
               "start, over one connection, and the main window is shown. The probe needs at "
               "least three: TCP's handshake, TLS 1.3's, and the HEAD request.\n")
    summary.append(("11", "Start-up over a slow link, on top of the local start",
                    f"at most {worst:.2f} round trips; {count_range(connections)} connection "
                    "per start", all_ok))


def main():
    results = Path(sys.argv[1])
    output = Path(sys.argv[2])
    context = json.loads((results / "json_parser.json").read_text())["context"]
    sections = []
    summary = []
    section_parser(results, sections, summary)
    section_memory(results, sections, summary)
    section_lookup(results, sections, summary)
    section_interpretation(results, sections, summary)
    section_startup(results, sections, summary)
    section_pump(section_sample_load(results, sections, summary), sections, summary)
    section_pieces(results, sections, summary)
    section_load_memory(results, sections, summary)
    section_round_trips(results, sections, summary)
    section_startup_slow_link(results, sections, summary)

    now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    load = context.get("load_avg", [])
    head = [
        "# Performance",
        "",
        f"Written by `scripts/bench` on {now}.",
        "",
        f"- Machine: {machine()}; load average at the start "
        f"{', '.join(f'{x:.2f}' for x in load) if load else 'unknown'}.",
        f"- Build: Release; {tool_version(['c++', '--version'])}; Qt "
        f"{tool_version(['pkg-config', '--modversion', 'Qt6Core'])}; "
        f"{tool_version(['valgrind', '--version'])}.",
        "",
        "The machine is shared and noisy, so every figure is a ratio of two things measured "
        "side by side in the same run: repetitions of both are interleaved, and the ratio is "
        "that of their medians. In-process benchmarks (1, 3, 4) use Google Benchmark with "
        "random interleaving and CPU time; \"Spread\" is the range from the 25th to the 75th "
        "percentile of the per-repetition ratios. \"Instruction ratio\" is the same ratio in "
        "instructions counted by `valgrind --tool=callgrind` over one operation, which other "
        "load on the machine cannot disturb. Results are judged on the time ratio; where its "
        "spread straddles the budget, on the instruction ratio.",
        "",
        "## Summary",
        "",
        "| # | What | Figure | Result |",
        "|---|---|---|---|",
    ]
    for number, what, figure, ok in summary:
        head.append(f"| {number} | {what} | {figure} | {verdict(ok)} |")
    head.append("")
    output.write_text("\n".join(head + sections).rstrip() + "\n")


if __name__ == "__main__":
    main()
