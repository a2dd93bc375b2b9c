#!/usr/bin/env python3
"""The per-mapping memory comparison of the start-up benchmark, on made-up smaps texts."""
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "bench", "startup"))
import smaps_by_mapping as smaps  # noqa: E402


def mapping(perms, path, rss, pss):
    return (f"7f0000000000-7f0000001000 {perms} 00000000 08:01 1234                       {path}\n"
            f"Size:                  4 kB\nRss:            {rss} kB\nPss:            {pss} kB\n"
            f"Shared_Clean:          0 kB\nVmFlags: rd mr mw me\n")


def run(*mappings):
    return smaps.read_smaps("".join(mapping(*m) for m in mappings))


class ReadSmaps(unittest.TestCase):
    def test_groups_by_file_and_kind(self):
        cases = [
            # (perms, path) -> group
            (("r-xp", "/usr/lib/x86_64-linux-gnu/libQt6Gui.so.6.4.2"), "libQt6Gui.so.6.4.2 code"),
            (("r--p", "/usr/lib/x86_64-linux-gnu/libQt6Gui.so.6.4.2"), "libQt6Gui.so.6.4.2 read-only"),
            (("rw-p", "/usr/lib/x86_64-linux-gnu/libQt6Gui.so.6.4.2"), "libQt6Gui.so.6.4.2 writable"),
            (("rw-p", "[heap]"), "[heap]"),
            (("rw-p", ""), "[anonymous]"),
            (("---p", "/usr/lib/libx.so"), "libx.so ---"),
        ]
        for (perms, path), group in cases:
            with self.subTest(path=path, perms=perms):
                self.assertEqual(run((perms, path, 8, 4)), {group: [8, 4]})

    def test_sums_the_mappings_of_one_group(self):
        groups = run(("rw-p", "", 100, 90), ("rw-p", "", 28, 20), ("r-xp", "/bin/a", 12, 3),
                     ("r-xp", "/lib/other/a", 4, 1))
        self.assertEqual(groups, {"[anonymous]": [128, 110], "a code": [16, 4]})


class Compare(unittest.TestCase):
    def test_medians_differences_and_the_rest(self):
        a = [run(("rw-p", "[heap]", heap, heap), ("r-xp", "/lib/libf.so", 40, 10)) for heap in (900, 1000, 5000)]
        b = [run(("rw-p", "[heap]", 700, 700), ("r-xp", "/lib/libf.so", 30, 8)),
             run(("rw-p", "[heap]", 800, 800), ("r-xp", "/lib/libf.so", 30, 8), ("r--p", "/lib/libg.so", 300, 300)),
             run(("rw-p", "[heap]", 600, 600), ("r-xp", "/lib/libf.so", 30, 8), ("r--p", "/lib/libg.so", 300, 300))]
        rows = smaps.compare(a, b, least_kib=64)
        # The heap's median is 1000 against 700; libg is missing from one run of b, which counts 0
        # there, so its median is 300; libf differs by less than 64 KiB and goes into the rest.
        self.assertEqual(rows, [
            ("[heap]", 1000, 1000, 700, 700),
            ("libg.so read-only", 0, 0, 300, 300),
            ("(the rest)", 40, 10, 30, 8),
            ("total", 1040, 1010, 1030, 1008),
        ])

    def test_a_large_pss_difference_alone_keeps_a_row(self):
        a = [run(("r-xp", "/lib/libf.so", 100, 100))]
        b = [run(("r-xp", "/lib/libf.so", 100, 10))]
        self.assertEqual(smaps.compare(a, b, least_kib=64)[0], ("libf.so code", 100, 100, 100, 10))


if __name__ == "__main__":
    unittest.main()
