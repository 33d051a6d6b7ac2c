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
the tool, {version} the version the build says it made (build/version),
{time} any time text, {n} any digits and {*} any text.
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
    steps = []
    for number, raw in enumerate(open(path, encoding="utf-8").read().split("\n"), 1):
        where = f"{path}:{number}"
        if not raw or raw.startswith("#"):
            continue
        head, rest = raw[0], raw[2:] if raw[1:2] == " " else raw[1:]
        tagged = re.match(r"\$\[(root|user)\]( |$)", raw)
        if head in "$%=":
            kind, rest = ("$" + raw[1:7], raw[tagged.end():]) if tagged else (head, rest)
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
            sink.extend(open(os.path.join(os.path.dirname(path), raw[2:]), encoding="utf-8").read().splitlines())
        elif sink is not None:
            sink.append(rest)
        else:
            sys.exit(f"{where}: cannot read this line: {raw!r}")
    return steps


def pattern(line, names):
    parts = re.split(r"(\{(?:root|work|tool|version|time|n|\*)\})", line)
    table = {"{time}": TIME, "{n}": "[0-9]+", "{*}": ".*"}
    regex = "".join(table.get(p) or (re.escape(names[p]) if p in names else re.escape(p)) for p in parts)
    return re.compile(regex, re.S)


def matches(expected, actual, names):
    return len(expected) == len(actual) and all(pattern(e, names).fullmatch(a) for e, a in zip(expected, actual))


def drop_to(uid):
    return lambda: uid and (os.setgroups([]), os.setgid(uid), os.setuid(uid))


def lines(data):
    """Every line ends with a line feed; a last line without one shows as "\\ no newline"."""
    *full, last = data.decode("utf-8", "replace").split("\n")
    return full + [last + "\\ no newline"] if last else full


def main(path):
    build, source = os.environ["QC_BUILD"], os.environ["QC_SOURCE"]
    root, work = tempfile.mkdtemp(prefix="qc-root-"), tempfile.mkdtemp(prefix="qc-work-")
    for folder in (root, work):
        os.chown(folder, NOBODY, NOBODY)
        os.chmod(folder, 0o755)
    tool = os.path.join(build, "quorvandel-connect")
    values = {"ROOT": root, "STATE": root + "/Library/Application Support/Quorvandel Connect", "WORK": work,
              "LOG": root + "/var/log/quorvandel-connect.log", "TOOL": tool, "BUILD": build, "SRC": source}
    names = {"{root}": root, "{work}": work, "{tool}": tool, "{version}": open(build + "/version").read().strip()}
    tool_env = {"PATH": "/usr/bin:/bin", "QUORVANDEL_CONNECT_TEST_ROOT": root}
    # The sandbox's PATH: it holds the unpacked chronyd.
    shell_env = dict(values, PATH=os.environ["PATH"], LC_ALL="C.UTF-8")
    prelude = os.path.join(HERE, "prelude.sh")
    for step in [Step("=", "PATH=/usr/bin:/bin", "")] + parse(path):
        text = step.text
        for name, value in values.items():
            text = text.replace("$" + name, value).replace("${" + name + "}", value)
        if step.kind == "=":
            name, _, value = text.partition("=")
            tool_env.pop(name[1:], None) if name.startswith("-") else tool_env.update({name: value})
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
        result = subprocess.run(argv, input="".join(line + "\n" for line in step.input).encode(),
                                capture_output=True, env=env, cwd=work, preexec_fn=drop_to(uid), timeout=900)
        wrong = [(label, want, got) for label, want, got in (("stdout", step.out, lines(result.stdout)),
                 ("stderr", step.err, lines(result.stderr))) if not matches(want, got, names)]
        if not wrong and result.returncode == step.code:
            continue
        print(f"FAIL {step.where}: {step.kind} {step.text}")
        for label, want, got in wrong:
            print(f"  {label} expected:\n" + "".join(f"    |{w}\n" for w in want)
                  + f"  {label} got:\n" + "".join(f"    |{g}\n" for g in got), end="")
        if result.returncode != step.code:
            print(f"  exit code expected {step.code}, got {result.returncode}")
        return 1
    return 0

if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
