#!/usr/bin/python3
"""Runs one transcript: a scenario of commands with their exact output.

It runs inside scripts/sandbox as root, with a fresh test root owned by
nobody. Syntax, one item per line:

  # text            a comment ("#! sandbox: ..." lines are read by CMake)
  = NAME=VALUE      set (or "= -NAME" unset) a variable of the tool's environment
  $ WORDS           run the tool as nobody in test mode; WORDS are split like a
                    shell's (quotes work) after $ROOT, $STATE, $LOG, $WORK expand
  $[root] WORDS     the tool as root outside test mode (commands that write nothing)
  $[user] WORDS     the tool as nobody outside test mode
  % COMMAND         /bin/sh -c COMMAND as root, with tests/support/prelude.sh loaded
  + COMMAND         the "%" command above goes on with this line
Then, for the command above them:
  < LINE            a line of standard input (none: input closed at once)
  | LINE            a line of standard output
  ! LINE            a line of standard error
  |@FILE, !@FILE    the lines of tests/transcripts/FILE
  ? CODE            the exit code (0 when absent)
Output is compared exactly, line by line; absent expectations mean no output.
In expected lines {root} is the test root, {work} the scratch folder, {tool}
the tool, {time} any time text, {n} any digits and {*} any text.
"""
import os
import re
import shlex
import subprocess
import sys
import tempfile

NOBODY = 65534
HERE = os.path.dirname(os.path.abspath(__file__))
TIME = r"[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z"


class Step:
    def __init__(self, kind, text, where):
        self.kind, self.text, self.where = kind, text, where
        self.input, self.out, self.err, self.code = [], [], [], 0


def parse(path):
    steps, env = [], []
    folder = os.path.dirname(path)
    for number, raw in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        where = f"{path}:{number}"
        if not raw or raw.startswith("#"):
            continue
        head, rest = raw[0], raw[2:] if len(raw) > 1 and raw[1] == " " else raw[1:]
        if head in "$%=":
            kind = "=" if head == "=" else "%" if head == "%" else "$"
            for tag in ("[root]", "[user]"):
                if head == "$" and (raw == "$" + tag or raw.startswith("$" + tag + " ")):
                    kind, rest = "$" + tag, raw[len(tag) + 2:]
            steps.append(Step(kind, rest, where))
            continue
        if not steps or steps[-1].kind == "=":
            sys.exit(f"{where}: expectation without a command")
        step = steps[-1]
        if head == "+" and step.kind == "%" and not (step.input or step.out or step.err):
            step.text += "\n" + rest
            continue
        sink = {"<": step.input, "|": step.out, "!": step.err}.get(head)
        if head == "?":
            step.code = int(rest)
        elif sink is not None and raw[1:2] == "@":
            sink.extend(open(os.path.join(folder, raw[2:]), encoding="utf-8").read().splitlines())
        elif sink is not None:
            sink.append(rest)
        else:
            sys.exit(f"{where}: cannot read this line: {raw!r}")
    return steps


def pattern(line, names):
    parts = re.split(r"(\{(?:root|work|tool|time|n|\*)\})", line)
    table = {"{time}": TIME, "{n}": "[0-9]+", "{*}": ".*"}
    regex = "".join(table.get(p) or (re.escape(names[p]) if p in names else re.escape(p)) for p in parts)
    return re.compile(regex, re.S)


def matches(expected, actual, names):
    return len(expected) == len(actual) and all(
        pattern(e, names).fullmatch(a) for e, a in zip(expected, actual))


def drop_to(uid):
    def drop():
        if uid:
            os.setgroups([])
            os.setgid(uid)
            os.setuid(uid)
    return drop


def main(path):
    build, source = os.environ["QC_BUILD"], os.environ["QC_SOURCE"]
    root = tempfile.mkdtemp(prefix="qc-root-")
    work = tempfile.mkdtemp(prefix="qc-work-")
    for folder in (root, work):
        os.chown(folder, NOBODY, NOBODY)
        os.chmod(folder, 0o755)
    tool = os.path.join(build, "quorvandel-connect")
    state = root + "/Library/Application Support/Quorvandel Connect"
    values = {"ROOT": root, "STATE": state, "LOG": root + "/var/log/quorvandel-connect.log",
              "WORK": work, "TOOL": tool, "BUILD": build, "SRC": source}
    names = {"{root}": root, "{work}": work, "{tool}": tool}
    tool_env = {"PATH": "/usr/bin:/bin", "QUORVANDEL_CONNECT_TEST_ROOT": root}
    # The sandbox's PATH: it holds the unpacked chronyd.
    shell_env = dict(values, PATH=os.environ["PATH"], LC_ALL="C.UTF-8")
    prelude = os.path.join(HERE, "prelude.sh")
    failures = 0
    for step in parse(path):
        text = step.text
        for name, value in values.items():
            text = text.replace("$" + name, value).replace("${" + name + "}", value)
        if step.kind == "=":
            name, _, value = text.partition("=")
            if name.startswith("-"):
                tool_env.pop(name[1:], None)
            else:
                tool_env[name] = value
            # as_nobody in "%" lines starts the tool with the same environment.
            with open(os.path.join(work, ".tool-env"), "w") as f:
                f.writelines(f"{k}={v}\n" for k, v in tool_env.items())
            continue
        if step.kind == "%":
            argv, env, uid = ["/bin/sh", "-c", f". '{prelude}'\n{text}"], shell_env, 0
        else:
            argv = [tool] + shlex.split(text)
            env = {"PATH": "/usr/bin:/bin"} if step.kind == "$[user]" else tool_env
            uid = 0 if step.kind == "$[root]" else NOBODY
        stdin = "".join(line + "\n" for line in step.input).encode()
        result = subprocess.run(argv, input=stdin, capture_output=True, env=env, cwd=work,
                                preexec_fn=drop_to(uid), timeout=900)
        out = result.stdout.decode("utf-8", "replace").split("\n")
        err = result.stderr.decode("utf-8", "replace").split("\n")
        # Every line ends with a line feed; a last line without one shows as "\ no newline".
        out = out[:-1] if out[-1] == "" else out[:-1] + [out[-1] + "\\ no newline"]
        err = err[:-1] if err[-1] == "" else err[:-1] + [err[-1] + "\\ no newline"]
        if (matches(step.out, out, names) and matches(step.err, err, names)
                and result.returncode == step.code):
            continue
        failures += 1
        print(f"FAIL {step.where}: {step.kind} {step.text}")
        for label, want, got in (("stdout", step.out, out), ("stderr", step.err, err)):
            if not matches(want, got, names):
                print(f"  {label} expected:\n" + "".join(f"    |{w}\n" for w in want)
                      + f"  {label} got:\n" + "".join(f"    |{g}\n" for g in got), end="")
        if result.returncode != step.code:
            print(f"  exit code expected {step.code}, got {result.returncode}")
        break
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
