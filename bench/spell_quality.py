#!/usr/bin/env python3
"""Top-1 and top-5 accuracy of our spelling suggestions next to Hunspell's.

The words are the misspellings held out of the change lists when the word lists
were built (build/bench/spell/holdout-{am,br}.txt): each with the one correction
codespell gives for it. Hunspell (Debian's hunspell with hunspell-en-us and
hunspell-en-gb) is only the yardstick here; the program never uses it.

    cmake --preset bench && cmake --build --preset bench
    bench/spell_quality.py [--limit N]
"""
import argparse
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / "build" / "bench"


def latin1(word):
    return word.encode("latin-1", errors="replace").decode("latin-1")


def ours(main, pairs):
    words = "".join(f"{w} {r}\n" for w, r in pairs)
    tool = BUILD / "bench" / "spell_quality"
    listing = BUILD / "spell" / "quality-input.txt"
    listing.write_text(words, encoding="latin-1")
    start = time.perf_counter()
    out = subprocess.run([str(tool), str(main), str(listing)], check=True, capture_output=True).stdout.decode("latin-1")
    seconds = time.perf_counter() - start
    result = {}
    for line in out.splitlines():
        wrong, _, sugs = line.partition("\t")
        result[wrong] = [s for s in sugs.split("|") if s]
    return result, seconds


def hunspell(dictionary, pairs):
    text = "".join(f"^{w}\n" for w, _ in pairs)
    start = time.perf_counter()
    out = subprocess.run(["hunspell", "-a", "-d", dictionary], input=text.encode("latin-1"),
                         check=True, capture_output=True).stdout.decode("latin-1", errors="replace")
    seconds = time.perf_counter() - start
    result = {}
    lines = out.splitlines()[1:]  # the version banner
    answers = []
    current = None
    for line in lines:
        if line == "":
            answers.append(current if current is not None else [])
            current = None
        elif line.startswith("&"):
            current = [s.strip() for s in line.split(":", 1)[1].split(",")]
        elif line.startswith("#") or line.startswith("*") or line.startswith("+") or line.startswith("-"):
            current = []
    for (wrong, _), sugs in zip(pairs, answers):
        result[wrong] = sugs
    return result, seconds


def score(results, pairs):
    top1 = sum(1 for w, r in pairs if results.get(w, [])[:1] == [r])
    top5 = sum(1 for w, r in pairs if r in results.get(w, [])[:5])
    return 100.0 * top1 / len(pairs), 100.0 * top5 / len(pairs)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--limit", type=int, default=0, help="only the first N words of each list")
    args = parser.parse_args()
    print(f"{'list':8} {'words':>6} {'checker':10} {'top-1':>7} {'top-5':>7} {'ms/word':>8}")
    for code, dictionary in (("am", "en_US"), ("br", "en_GB")):
        holdout = BUILD / "spell" / f"holdout-{code}.txt"
        pairs = [tuple(line.split(" ", 1)) for line in holdout.read_text(encoding="latin-1").splitlines() if " " in line]
        if args.limit:
            pairs = pairs[: args.limit]
        for name, (results, seconds) in (("ours", ours(BUILD / "spell" / f"ssce{code}.tlx", pairs)),
                                         ("hunspell", hunspell(dictionary, pairs))):
            top1, top5 = score(results, pairs)
            print(f"{code:8} {len(pairs):6} {name:10} {top1:6.1f}% {top5:6.1f}% {1000 * seconds / len(pairs):8.2f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
