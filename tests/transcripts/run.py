#!/usr/bin/env python3
"""Runs command transcripts and compares stdout, stderr and exit status.

A transcript is a text file of cases. Each case starts with a command line
and is followed by what it reads and what it must print:

    $ ixo adapter --query          command, run by /bin/sh
    < line                         a line of standard input
    | line                         a line of standard output
    ! line                         a line of standard error
    [166]                          the exit status, when it is not 0

"|" and "!" alone stand for an empty line. "|%", "!%" and "<%" mark a last
line that has no newline at its end. Lines starting with "#" and blank lines
between cases are comments. All cases of one file share one fresh emulated
root (IXO_SIM_ROOT) and working directory, so state carries from case to
case within a file.

    run.py --bin DIR FILE...           check
    run.py --bin DIR --update FILE...  rewrite the expected output in place
"""

import argparse
import os
import subprocess
import sys
import tempfile


class Case:
    def __init__(self, command):
        self.command = command
        self.stdin = ""
        self.stdout = ""
        self.stderr = ""
        self.status = 0
        self.comments_after = []


def parse_text_line(line, prefix):
    """Returns (text, has_newline) for an output or input line."""
    body = line[len(prefix):]
    no_eol = body.startswith("%")
    if no_eol:
        body = body[1:]
    if body.startswith(" "):
        body = body[1:]
    return body, not no_eol


def parse(path):
    header, cases = [], []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    for line in lines:
        if line.startswith("$ "):
            cases.append(Case(line[2:]))
            continue
        if not cases or line.startswith("#") or line == "":
            (cases[-1].comments_after if cases else header).append(line)
            continue
        case = cases[-1]
        if line[0] in "|!<":
            text, eol = parse_text_line(line, line[0])
            text += "\n" if eol else ""
            if line[0] == "|":
                case.stdout += text
            elif line[0] == "!":
                case.stderr += text
            else:
                case.stdin += text
        elif line.startswith("[") and line.endswith("]"):
            case.status = int(line[1:-1])
        else:
            raise SystemExit(f"{path}: cannot read line: {line!r}")
    return header, cases


def render_stream(prefix, text):
    out = []
    for piece in text.splitlines(keepends=True):
        if piece.endswith("\n"):
            body = piece[:-1]
            out.append(f"{prefix} {body}" if body else prefix)
        else:
            out.append(f"{prefix}% {piece}")
    return out


def render(header, cases):
    out = list(header)
    for case in cases:
        out.append(f"$ {case.command}")
        out += render_stream("<", case.stdin)
        out += render_stream("|", case.stdout)
        out += render_stream("!", case.stderr)
        if case.status:
            out.append(f"[{case.status}]")
        out += case.comments_after
    return "\n".join(out) + "\n"


def run_case(case, env, cwd):
    proc = subprocess.run(
        ["/bin/sh", "-c", case.command],
        input=case.stdin.encode(),
        capture_output=True,
        env=env,
        cwd=cwd,
        timeout=120,
    )
    return (proc.stdout.decode(errors="backslashreplace"),
            proc.stderr.decode(errors="backslashreplace"),
            proc.returncode)


def run_file(path, bindir, update):
    header, cases = parse(path)
    failures = 0
    with tempfile.TemporaryDirectory(prefix="ixo-transcript-") as tmp:
        root = os.path.join(tmp, "root")
        work = os.path.join(tmp, "work")
        os.mkdir(root)
        os.mkdir(work)
        env = dict(os.environ)
        env["PATH"] = os.path.abspath(bindir) + os.pathsep + env.get("PATH", "")
        env["IXO_SIM_ROOT"] = root
        env["TESTDIR"] = os.path.dirname(os.path.abspath(path))
        env["LC_ALL"] = "C"
        for case in cases:
            stdout, stderr, status = run_case(case, env, work)
            if (stdout, stderr, status) == (case.stdout, case.stderr, case.status):
                continue
            if update:
                case.stdout, case.stderr, case.status = stdout, stderr, status
                continue
            failures += 1
            print(f"{path}: $ {case.command}")
            expected = render([], [case]).splitlines()[1:]
            case.stdout, case.stderr, case.status = stdout, stderr, status
            actual = render([], [case]).splitlines()[1:]
            for line in expected:
                print(f"  - {line}")
            for line in actual:
                print(f"  + {line}")
    if update:
        with open(path, "w", encoding="utf-8") as f:
            f.write(render(header, cases))
    return len(cases), failures


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--bin", required=True, help="folder holding the programs under test")
    parser.add_argument("--update", action="store_true", help="rewrite expected output")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    total = failed = 0
    for path in args.files:
        n, f = run_file(path, args.bin, args.update)
        total += n
        failed += f
    print(f"{total - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
