# SPDX-FileCopyrightText: 2026 The Quarnel developers
# SPDX-License-Identifier: MIT
"""What a screen reader hears: the real program on a private X server, session
bus and accessibility bus, its tree read through AT-SPI as a screen reader reads
it, keys sent as a user types them.

    tst_screenreader.py QUARNEL_BINARY          run the checks
    tst_screenreader.py QUARNEL_BINARY --dump   print the tree after a run
"""
import os
import signal
import subprocess
import sys
import tempfile
import time

DEADLINE = 100  # seconds for everything; CTest's timeout is longer
SESSION_CONFIG = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir={dir}</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
"""


class Session:
    """Xvfb, a session bus, the accessibility bus and the program; every process
    it starts is in a process group of its own, ended when the session ends."""

    def __init__(self, binary):
        self.groups = []
        self.dir = tempfile.TemporaryDirectory(prefix="quarnel-a11y-")
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("DBUS_", "AT_SPI", "DISPLAY", "XDG_RUNTIME", "WAYLAND"))}
        self.env["XDG_RUNTIME_DIR"] = self.dir.name
        os.chmod(self.dir.name, 0o700)
        self.binary = binary
        self.program = None

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, env=self.env, start_new_session=True, **kwargs)
        self.groups.append(process)
        return process

    def first_line(self, process, what):
        line = process.stdout.readline().strip()
        if not line:
            raise RuntimeError(what + " did not start")
        return line

    def __enter__(self):
        try:
            read, write = os.pipe()
            xvfb = self.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp", "-noreset"], pass_fds=(write,),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            os.close(write)
            with os.fdopen(read) as numbers:
                number = numbers.readline().strip()
            if not number or xvfb.poll() is not None:
                raise RuntimeError("Xvfb did not start")
            self.env["DISPLAY"] = ":" + number

            config = os.path.join(self.dir.name, "session.conf")
            with open(config, "w") as f:
                f.write(SESSION_CONFIG.format(dir=self.dir.name))
            bus = self.start(["dbus-daemon", "--config-file=" + config, "--nofork", "--print-address"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            self.env["DBUS_SESSION_BUS_ADDRESS"] = self.first_line(bus, "the session bus")

            self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            # pyatspi reads these when it is first imported.
            for key in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR"):
                os.environ[key] = self.env[key]
            os.environ.pop("AT_SPI_BUS_ADDRESS", None)
            return self
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def launch(self):
        env = dict(self.env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                   LC_ALL="C.UTF-8", LANG="C.UTF-8")
        self.program = subprocess.Popen([self.binary], env=env, start_new_session=True)
        self.groups.append(self.program)
        return self.program

    def __exit__(self, *exc):
        for process in reversed(self.groups):
            if process.poll() is None:
                try:
                    os.killpg(process.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for process in reversed(self.groups):
            try:
                process.wait(timeout=3)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()
            # Anything a helper left in its group (the accessibility bus's own daemon, the registry).
            try:
                os.killpg(process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self.dir.cleanup()
        return False


def wait_for(what, condition, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = condition()
        if value:
            return value
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


class Reader:
    """The program's tree as AT-SPI hands it to a screen reader."""

    def __init__(self, pid):
        import pyatspi  # after the session's buses are in the environment
        self.pyatspi = pyatspi
        self.pid = pid
        self.app = wait_for("the program on the accessibility bus", self.find_app)
        self.window = wait_for("the window", lambda: self.app.childCount and self.app[0])

    def find_app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop[i]
            try:
                if app is not None and app.get_process_id() == self.pid:
                    return app
            except Exception:
                continue
        return None

    def nodes(self, node=None, depth=0):
        node = node or self.window
        yield node, depth
        for i in range(node.childCount):
            child = node[i]
            if child is not None:
                yield from self.nodes(child, depth + 1)

    def showing(self, node):
        return node.getState().contains(self.pyatspi.STATE_SHOWING)

    def state(self, node, state):
        return node.getState().contains(getattr(self.pyatspi, "STATE_" + state))

    def find(self, role, name):
        for node, _ in self.nodes():
            if node.getRoleName() == role and node.name == name:
                return node
        raise AssertionError("no %s named %r" % (role, name))

    def focused(self):
        for node, _ in self.nodes():
            if self.state(node, "FOCUSED"):
                return node
        return None

    def picture(self):
        return self.find("image", "Interference picture")

    def dump(self):
        lines = []
        for node, depth in self.nodes():
            states = [s for s in ("SHOWING", "FOCUSABLE", "FOCUSED", "CHECKED")
                      if self.state(node, s)]
            line = "%s%s %r [%s]" % ("  " * depth, node.getRoleName(), node.name,
                                     " ".join(s.lower() for s in states))
            if node.description:
                line += " -- " + node.description
            lines.append(line)
        return "\n".join(lines)


def key(session, *names):
    subprocess.run(["xdotool", "key", "--delay", "30"] + list(names), env=session.env, check=True)


def move_focus(session, reader, keyname, what, predicate, limit=8):
    """Presses the key, one press at a time, until the focus is where the predicate says."""
    for _ in range(limit):
        key(session, keyname)
        try:
            return wait_for(what, lambda: (lambda f: f is not None and predicate(f))(reader.focused()), 2)
        except AssertionError:
            continue
    raise AssertionError("%s never reached %s" % (keyname, what))


def run_and_wait(session, reader, keys):
    before = reader.picture().description
    key(session, *keys)
    return wait_for("the run's description", lambda: (lambda d: d != before and d)(reader.picture().description),
                    timeout=40)


def check_tree(reader, failures):
    # Faults guarded: a top level heard as a filler; hidden setting fields, the
    # one-pixel label or the hidden frame's Czech buttons read out; a control without a name.
    window = reader.window
    if window.getRoleName() != "frame" or not window.name.startswith("Quarnel"):
        failures.append("top level is %s %r, not the captioned frame" % (window.getRoleName(), window.name))
    never = {"Label1", "Animace", "Rychlá", "Pomalejší", "Pomalá", "Odchylka"}
    for node, _ in reader.nodes():
        role, name = node.getRoleName(), node.name
        if role in ("password text", "text", "entry") or name in never or "setting" in name:
            failures.append("never-shown control in the tree: %s %r" % (role, name))
        if role != "frame" and not name.strip():
            failures.append("%s without a name" % role)


def check_showing(reader, expected, failures, when):
    for role, name, showing in expected:
        node = reader.find(role, name)
        if reader.showing(node) != showing:
            failures.append("%s: %s %r is %s" % (when, role, name, "showing" if not showing else "not showing"))


def main():
    binary = sys.argv[1]
    signal.signal(signal.SIGALRM, lambda *_: (_ for _ in ()).throw(TimeoutError("over the time limit")))
    signal.alarm(DEADLINE)
    failures = []
    with Session(binary) as session:
        program = session.launch()
        reader = Reader(program.pid)
        wait_for("the window showing", lambda: reader.showing(reader.window))
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(program.pid), "--name", "Quarnel",
                        "windowfocus"], env=session.env, check=True, stdout=subprocess.DEVNULL)
        wait_for("the focus on Start", lambda: (lambda f: f is not None and f.name == "Start")(reader.focused()))

        if "--dump" in sys.argv:
            run_and_wait(session, reader, ["Return"])
            print(reader.dump())
            return 0

        check_tree(reader, failures)
        # Before a run the prompt shows; the scene labels do not.
        check_showing(reader, [("label", "Please press button Start", True),
                               ("label", "Interference and light pattern", True),
                               ("label", "Source", False), ("label", "Light pattern", False)],
                      failures, "before a run")

        # Fault guarded: Tab stopping at a hidden field or skipping a group.
        tab_order = ["Start", "Exit", "large", "minor", "Light", "higher", "Slow-down 1 of 20", "Start"]
        heard = [reader.focused().name]
        for _ in tab_order[1:]:
            key(session, "Tab")
            time.sleep(0.15)
            heard.append(reader.focused().name)
        if heard != tab_order:
            failures.append("Tab goes %s, not %s" % (heard, tab_order))

        # Faults guarded: the slow-down not saying its value; arrows that skip
        # staircase buttons or leave the selection behind the focus.
        key(session, "shift+Tab")  # the slow-down
        key(session, "Right", "Right")
        wait_for("the slow-down at 3", lambda: reader.focused().name == "Slow-down 3 of 20")
        key(session, "Home")
        wait_for("the slow-down at 1", lambda: reader.focused().name == "Slow-down 1 of 20")
        key(session, "shift+Tab")  # the frequency group, at "higher"
        arrows = []
        for _ in range(4):
            key(session, "Down")
            time.sleep(0.15)
            node = reader.focused()
            arrows.append((node.name, reader.state(node, "CHECKED")))
        expected_arrows = [("high", True), ("middle", True), ("low", True), ("higher", True)]
        if arrows != expected_arrows:
            failures.append("Down in the frequency group: %s" % arrows)

        # Runs in each mode, with Enter on Start. Faults guarded: numbers instead of
        # the chosen captions; a count that disagrees with where the bands are said to lie.
        move_focus(session, reader, "shift+Tab", "the distance group",
                   lambda f: f.parent.name == "Detector-Screen distance")
        key(session, "Down", "Down")
        wait_for("near", lambda: reader.focused().name == "near")
        move_focus(session, reader, "shift+Tab", "Start", lambda f: f.name == "Start")
        first = run_and_wait(session, reader, ["Return"])
        for phrase in ("Light pattern", "slit spacing minor (each slit 15 pixels", "distance near (100 pixels",
                       "frequency higher", "bright band"):
            if phrase not in first:
                failures.append("after a light run the description lacks %r: %s" % (phrase, first))
        check_tree(reader, failures)
        # The run's clear covered the prompt; the run showed its scene labels.
        check_showing(reader, [("label", "Please press button Start", False),
                               ("label", "Interference and light pattern", True),
                               ("label", "Source", True), ("label", "Screen", True),
                               ("label", "Light pattern", True), ("label", "Intrference pattern", False)],
                      failures, "after a light run")

        # To the pattern group (from Start: Exit, distance, spacing, pattern), Interference.
        for mode, title, other in (("Interference", "Intrference pattern", "Light pattern"),
                                   ("Photon density", "Light pattern", "Intrference pattern")):
            move_focus(session, reader, "Tab", "the pattern group", lambda f: f.parent.name == "Pattern")
            key(session, "Down")
            wait_for(mode, lambda: reader.focused().name == mode)
            move_focus(session, reader, "shift+Tab", "Start", lambda f: f.name == "Start")
            text = run_and_wait(session, reader, ["KP_Enter"])
            if not text.startswith(mode + " pattern"):
                failures.append("after a %s run: %s" % (mode, text))
            # The title the run replaced is no longer shown.
            check_showing(reader, [("label", title, True), ("label", other, False),
                                   ("label", "Please press button Start", False)],
                          failures, "after a %s run" % mode)

        # Enter on Exit closes the window; the program ends cleanly (in the
        # sanitizer build: no leak, no error found at exit).
        move_focus(session, reader, "Tab", "Exit", lambda f: f.name == "Exit")
        key(session, "Return")
        try:
            status = program.wait(timeout=20)
        except subprocess.TimeoutExpired:
            status = None
        if status != 0:
            failures.append("the program ended with %s after Enter on Exit" % status)

    for failure in failures:
        print("FAIL:", failure)
    print("%d failure(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
