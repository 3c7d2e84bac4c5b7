#!/usr/bin/env python3
"""Mutation testing: how many planted faults in src/ does the test suite catch?

Each mutant is one small fault on one line of src/**/*.cpp|h:
  flip-cmp   == <-> !=, < <-> >=, > <-> <=  (only operators written with a
             space either side, so template brackets and << are left alone)
  negate-if  if (x) -> if (!(x)), when the condition closes on the same line
  and-or     && <-> ||  (space either side, so T&& is left alone)
  drop-stmt  a one-line statement ending in ';' becomes ';'. Declarations,
             'return value;' and lines that continue an expression are left
             out: removing them only breaks the build or is undefined.
  const      decimal integer literal n -> n+1, true <-> false
Comments, string and character literals and preprocessor lines never change.

The draw: every line where some operator applies is a candidate; the
candidates are shuffled with --seed, and each drawn line gets one of its
mutations at random. A mutant that does not compile is "not viable": it is
reported apart, does not count, and the next draw takes its place, so the
share is always over N mutants that built. Same tree + same seed = same draw.

For each mutant: write the file, rebuild incrementally, run every test; the
original bytes are written back in a finally block (Ctrl-C and SIGTERM
included). "killed" means a test failed or the run passed --run-timeout;
"survived" means every test passed. The tree must be clean before and after.

The build directory is configured once: Debug, -g0, lld if present, no
benchmarks, ccache as launcher (export CCACHE_DIR/CCACHE_BASEDIR to share).
"""
import argparse, os, random, re, resource, shutil, signal, subprocess, sys, time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
FLIP = {"==": "!=", "!=": "==", "<": ">=", ">=": "<", ">": "<=", "<=": ">"}
CMP = re.compile(r"(?<!\S)(==|!=|<=|>=|<|>)(?!\S)")
LOGIC = re.compile(r"(?<!\S)(&&|\|\|)(?!\S)")
INT = re.compile(r"(?<![\w.'])\d+(?=[uUlL]*(?![\w.']))")
BOOL = re.compile(r"\b(true|false)\b")
PURE = re.compile(r"\)\s*(?:const\s*)?(?:override\s*)?=\s*$")  # "= 0" of a pure virtual
CLASSLIKE = re.compile(r"\b(class|struct|union|namespace|enum|extern)\b")
IF = re.compile(r"\bif\s*\(")
DECL_IN_IF = re.compile(r"^\s*[\w:<>]+[\s*&]+\w+\s*=(?!=)")
NOT_STMT = re.compile(r"^(return\s*[^;\s]|case\b|default\b|using\b|typedef\b|friend\b|class\b|"
                      r"struct\b|enum\b|namespace\b|template\b|static_assert\b|[}#])")
DECL = re.compile(r"^(?:(?:static|const|constexpr|inline|virtual|explicit|mutable|extern)\s+)*"
                  r"(?!(?:return|delete|throw|emit|goto|else|do)\b)[A-Za-z_][\w:]*(?:<.*>)?"
                  r"(?:\s*[*&]+\s*|\s+)(?:const\s*[*&]*\s*)?(?:[A-Za-z_~]\w*|\[)")


def mask(text):
    """The text with comments and literal contents blanked, same length."""
    out, i, n = list(text), 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith(("//", "/*"), i):
            end = "\n" if text[i + 1] == "/" else "*/"
            j = text.find(end, i + 2)
            j = n if j < 0 else j + len(end)
            lo, hi, fill = i, j, " "
        elif text.startswith('R"', i) and not (i and (text[i - 1].isalnum() or text[i - 1] == "_")):
            k = text.find("(", i)
            close = ")" + text[i + 2:k] + '"'
            j = text.find(close, k)
            j = n if j < 0 else j + len(close)
            lo, hi, fill = i + 2, j - 1, "_"
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            j += 1
            lo, hi, fill = i + 1, j - 1, "_"  # a literal keeps its quotes: still one token
        else:
            i += 1
            continue
        out[lo:hi] = [ch if ch == "\n" else fill for ch in out[lo:hi]]
        i = j
    return "".join(out)


def line_mutations(code, prev, in_body):
    """(operator, start, end, replacement) for one masked line of code."""
    muts = [("flip-cmp", m.start(), m.end(), FLIP[m.group()]) for m in CMP.finditer(code)]
    muts += [("and-or", m.start(), m.end(), "||" if m.group() == "&&" else "&&")
             for m in LOGIC.finditer(code)]
    muts += [("const", m.start(), m.end(), str(int(m.group()) + 1)) for m in INT.finditer(code)
             if not PURE.search(code[:m.start()])]
    muts += [("const", m.start(), m.end(), "false" if m.group() == "true" else "true")
             for m in BOOL.finditer(code)]
    for m in IF.finditer(code):
        depth, j = 0, m.end() - 1
        for j in range(m.end() - 1, len(code)):
            depth += {"(": 1, ")": -1}.get(code[j], 0)
            if depth == 0:
                break
        cond = code[m.end():j]
        if depth == 0 and cond.strip() and ";" not in cond and not DECL_IN_IF.match(cond):
            muts.append(("negate-if", m.end(), j, None))
    stmt = code.strip()
    starts = prev == "" or prev[-1] in ";{}:" or re.match(r"(\}\s*)?(if|for|while|else)\b", prev)
    if (in_body and stmt.endswith(";") and stmt != ";" and starts and stmt.count("(") == stmt.count(")")
            and not NOT_STMT.match(stmt) and not DECL.match(stmt)):
        muts.append(("drop-stmt", code.index(stmt[0]), code.rindex(";") + 1, ";"))
    return muts


def candidates():
    """[(path, line index, [mutations])] for every mutable line, in a fixed order."""
    found = []
    files = sorted(p for p in (ROOT / "src").rglob("*") if p.suffix in (".cpp", ".h"))
    for path in files:
        # Braces tell function bodies (statements) from class and namespace
        # bodies (declarations): a brace opens a body of the kind its head names.
        prev, cont, head, braces = "", False, "", []
        for no, code in enumerate(mask(path.read_text(encoding="utf-8")).split("\n")):
            stripped = code.strip()
            if cont or stripped.startswith("#"):  # preprocessor, with its continuations
                cont = stripped.endswith("\\")
                continue
            if not stripped:
                continue
            muts = line_mutations(code, prev, bool(braces) and braces[-1])
            if muts:
                found.append((path, no, muts))
            prev = stripped
            for c in code:
                if c == "{":
                    braces.append(not CLASSLIKE.search(head))
                elif c == "}" and braces:
                    braces.pop()
                head = "" if c in ";{}" else head + c
    return found


def draw(seed):
    """The mutants in the order they are tried: (path, line index, mutation)."""
    rng = random.Random(seed)
    lines = candidates()
    rng.shuffle(lines)
    for path, no, muts in lines:
        yield path, no, rng.choice(muts)


def apply(text, no, mut):
    lines = text.split("\n")
    _, start, end, rep = mut
    line = lines[no]
    rep = "!(" + line[start:end] + ")" if rep is None else rep
    lines[no] = line[:start] + rep + line[end:]
    return "\n".join(lines), line.strip(), lines[no].strip()


def limit_file_size():
    """A mutant that writes without end (a dropped "written += count") fails at 2 GiB a file
    instead of filling the disk under every other run until its time is up."""
    resource.setrlimit(resource.RLIMIT_FSIZE, (2 << 30, 2 << 30))


def run(cmd, timeout):
    """(exit status or None on timeout, seconds); the whole process group goes on timeout or Ctrl-C."""
    t0 = time.monotonic()
    p = subprocess.Popen(cmd, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                         start_new_session=True, env=dict(os.environ, QT_QPA_PLATFORM="offscreen"),
                         preexec_fn=limit_file_size)
    try:
        return p.wait(timeout=timeout), time.monotonic() - t0
    except subprocess.TimeoutExpired:
        return None, time.monotonic() - t0
    finally:
        if p.poll() is None:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()


def tree_clean():
    return subprocess.run(["git", "diff", "--quiet"], cwd=ROOT).returncode == 0


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("-n", type=int, default=100, help="viable mutants to measure")
    ap.add_argument("--build-dir", default="build-mutate")
    ap.add_argument("--log", help="default: BUILD_DIR/mutate.log")
    # The tests carry their own 300 s CTest timeout, which beats ctest --timeout;
    # this wall-clock limit on the whole run is what stops an endless loop.
    ap.add_argument("--run-timeout", type=int, default=180, help="seconds for one test run")
    ap.add_argument("--list", action="store_true", help="print the first N draws and stop")
    args = ap.parse_args()
    if args.list:
        for path, no, mut in list(draw(args.seed))[:args.n]:
            text, before, after = apply(path.read_text(encoding="utf-8"), no, mut)
            print(f"{path.relative_to(ROOT)}:{no + 1}  {mut[0]}  {before}  ->  {after}")
        return 0
    if not tree_clean():
        sys.exit("mutate: the work tree has uncommitted changes; commit or stash them first")
    build = ROOT / args.build_dir
    if not (build / "CMakeCache.txt").exists():
        flags = ["-DCMAKE_CXX_FLAGS=-g0", "-DQZ_BENCHMARKS=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
        if shutil.which("ld.lld"):
            flags.append("-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld")
        subprocess.run(["cmake", "-S", ROOT, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                        *flags], check=True, stdout=subprocess.DEVNULL)
    build_cmd = ["cmake", "--build", str(build), "-j2"]
    test_cmd = ["ctest", "--test-dir", str(build), "-j2", "--stop-on-failure", "--timeout", "60"]
    if run(build_cmd, 1800)[0] != 0 or run(test_cmd, args.run_timeout)[0] != 0:
        sys.exit("mutate: the unmutated tree does not build or its tests fail")
    signal.signal(signal.SIGTERM, signal.default_int_handler)  # SIGTERM restores like Ctrl-C
    log = open(args.log or build / "mutate.log", "w", encoding="utf-8")
    killed, survivors, not_viable, measured, t_start = 0, [], [], 0, time.monotonic()

    def say(line):
        print(line, flush=True)
        print(line, file=log, flush=True)
    try:
        for path, no, mut in draw(args.seed):
            if measured == args.n:
                break
            original = path.read_bytes()
            mutated, before, after = apply(original.decode("utf-8"), no, mut)
            where = f"{path.relative_to(ROOT)}:{no + 1}"
            try:
                path.write_text(mutated, encoding="utf-8")
                status, t_build = run(build_cmd, 1800)
                if status != 0:
                    result, t_test = "not viable", 0.0
                    not_viable.append(where)
                else:
                    status, t_test = run(test_cmd, args.run_timeout)
                    measured += 1
                    result = "survived" if status == 0 else "killed" + (" (timeout)" if status is None else "")
                    killed += status != 0
                    if status == 0:
                        survivors.append((path, no, f"{where}  {mut[0]}  {before}  ->  {after}"))
            finally:
                path.write_bytes(original)
            say(f"[{measured}/{args.n}] {where}  {mut[0]}  {before}  ->  {after}  => {result}"
                f"  (build {t_build:.0f}s, tests {t_test:.0f}s)")
    except KeyboardInterrupt:
        say("interrupted")
    elapsed, tries = time.monotonic() - t_start, measured + len(not_viable)
    say(f"caught {killed} of {measured} ({100.0 * killed / max(measured, 1):.0f}%); not viable: "
        f"{len(not_viable)}; {elapsed:.0f}s in all, {elapsed / max(tries, 1):.1f}s per mutant tried")
    say("not viable: " + (", ".join(not_viable) or "none"))
    say("survivors:" if survivors else "survivors: none")
    for *_, line in sorted(survivors):
        say("  " + line)
    log.close()
    if not tree_clean():
        sys.exit("mutate: THE WORK TREE IS DIRTY after restoring; see git diff")
    return 0


if __name__ == "__main__":
    sys.exit(main())
