#!/usr/bin/env python3
"""Resident and proportional memory per mapping, two programs side by side.

    smaps_by_mapping.py [--min KIB] A_NAME A_SMAPS... -- B_NAME B_SMAPS...

Each SMAPS is a copy of /proc/PID/smaps of one run (startup_watch writes one with
STARTUP_WATCH_SMAPS). Mappings are grouped by file (its base name) and kind: a library's
code (r-x), read-only data (r--), writable data (rw-, which holds its relocations), and the
heap, the stacks and the anonymous mappings. For each group the median over the runs of each
program is printed, with the difference, largest first; groups that differ by less than --min
KiB in both RSS and PSS are summed into one row.
"""
import os
import re
import statistics
import sys

HEADER = re.compile(r"^[0-9a-f]+-[0-9a-f]+ (\S{4}) \S+ \S+ \S+\s*(.*)$")


def group_name(perms, path):
    if not path:
        return "[anonymous]"
    if path.startswith("["):
        return path
    kind = {"r-x": "code", "r--": "read-only", "rw-": "writable"}.get(perms[:3], perms[:3])
    return f"{os.path.basename(path)} {kind}"


def read_smaps(text):
    """{group: [rss_kib, pss_kib]} for the text of one smaps file."""
    groups = {}
    current = None
    for line in text.splitlines():
        header = HEADER.match(line)
        if header:
            current = groups.setdefault(group_name(header.group(1), header.group(2).strip()), [0, 0])
            continue
        key, _, rest = line.partition(":")
        if current is not None and key in ("Rss", "Pss"):
            current[0 if key == "Rss" else 1] += int(rest.split()[0])
    return groups


def medians(runs):
    """{group: (rss, pss)}: the median of each over the runs; a run without the group counts 0."""
    names = set().union(*runs) if runs else set()
    return {
        name: tuple(statistics.median(run.get(name, [0, 0])[i] for run in runs) for i in (0, 1))
        for name in names
    }


def compare(a_runs, b_runs, least_kib):
    """Rows (group, a_rss, a_pss, b_rss, b_pss), largest RSS difference first; small ones summed."""
    a, b = medians(a_runs), medians(b_runs)
    rows, rest = [], [0, 0, 0, 0]
    for name in sorted(set(a) | set(b)):
        values = (*a.get(name, (0, 0)), *b.get(name, (0, 0)))
        if abs(values[0] - values[2]) >= least_kib or abs(values[1] - values[3]) >= least_kib:
            rows.append((name, *values))
        else:
            rest = [r + v for r, v in zip(rest, values)]
    rows.sort(key=lambda row: (-abs(row[1] - row[3]), row[0]))
    rows.append(("(the rest)", *rest))
    totals = [sum(row[i] for row in rows) for i in range(1, 5)]
    rows.append(("total", *totals))
    return rows


def main(argv):
    least = 64
    if argv[:1] == ["--min"]:
        least = float(argv[1])
        argv = argv[2:]
    if "--" not in argv:
        sys.exit(__doc__)
    split = argv.index("--")
    a, b = argv[:split], argv[split + 1:]
    if len(a) < 2 or len(b) < 2:
        sys.exit(__doc__)

    def load(paths):
        runs = []
        for path in paths:
            with open(path, encoding="utf-8", errors="replace") as f:
                runs.append(read_smaps(f.read()))
        return runs

    rows = compare(load(a[1:]), load(b[1:]), least)
    print(f"medians of {len(a) - 1} and {len(b) - 1} runs, KiB")
    print(f"{'mapping':<40} {a[0] + ' RSS':>12} {b[0] + ' RSS':>12} {'diff':>7} "
          f"{a[0] + ' PSS':>12} {b[0] + ' PSS':>12} {'diff':>7}")
    for name, a_rss, a_pss, b_rss, b_pss in rows:
        print(f"{name:<40} {a_rss:12.0f} {b_rss:12.0f} {a_rss - b_rss:+7.0f} "
              f"{a_pss:12.0f} {b_pss:12.0f} {a_pss - b_pss:+7.0f}")


if __name__ == "__main__":
    main(sys.argv[1:])
