#!/usr/bin/python3
"""The alert pop-up on a desktop as users have it: a virtual X server, a real window manager and a
bottom panel that reserves its strip of the screen. Starts the pop-up demo, samples where the
pop-up is every few milliseconds and checks that it only ever moves up, comes to rest within two
seconds just above the panel at the bottom right, leaves the keyboard focus where it was, stays
above a window raised over it, and closes on one click.

Usage: popup_under_wm.py --demo PATH [--wm openbox|fluxbox|none] [--screenshot FILE]
Exits 0 when every check holds, 1 when one fails, 77 when a program it needs is missing."""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
SCREEN_W, SCREEN_H = 1280, 1024
PANEL_HEIGHT = 26
# At 96 dpi: 2280 x 3360 twips of client area at 15 twips per pixel, and a one-pixel border.
POPUP_SIZE = (152 + 2, 224 + 2)
# It rests 100 to 200 twips (at 15 per pixel, 7 to 13 whole pixels) above the panel.
REST_GAP = (100 // 15, 200 // 15 + 1)
REST_WITHIN = 2.0

try:
    from Xlib import X, display as xdisplay, error as xerror
    from Xlib.ext import xtest
except ImportError:
    print("SKIP: python3-xlib is not installed (apt-get install python3-xlib)")
    sys.exit(SKIP)


class Failed(Exception):
    pass


def need(program):
    if not shutil.which(program):
        print(f"SKIP: {program} is not installed; scripts/deps installs it")
        sys.exit(SKIP)


class Desktop:
    """Xvfb, the window manager and the panel, stopped in reverse order on exit."""

    def __init__(self):
        self.procs = []
        self.home = tempfile.mkdtemp(prefix="zib-desktop-")
        try:
            self.start_server()
        except BaseException:
            self.close()
            raise

    def start_server(self):
        read_fd, write_fd = os.pipe()
        # Xvfb picks a free display itself and writes its number to the pipe.
        self.start(["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{SCREEN_W}x{SCREEN_H}x24",
                    "-dpi", "96", "-nolisten", "tcp"], pass_fds=(write_fd,))
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 32)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        number = number.decode().strip()
        if not number:
            raise Failed("Xvfb did not start")
        self.name = ":" + number
        self.env = dict(os.environ, DISPLAY=self.name, HOME=self.home, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.home, ".config"))
        self.env.pop("SESSION_MANAGER", None)
        if self.env.get("ASAN_OPTIONS"):
            # The X keyboard library hands strndup a buffer without a terminating zero, which the
            # strict string checks report before our code has run at all.
            self.env["ASAN_OPTIONS"] += ":strict_string_checks=0"
        self.d = xdisplay.Display(self.name)
        self.root = self.d.screen().root

    def start_session(self, wm):
        """The window manager, then the panel; returns once the panel's strip is kept."""
        if wm == "openbox":
            self.start(["openbox", "--sm-disable"], env=self.env)
        elif wm == "fluxbox":
            # Its default style asks a wallpaper helper for the background, which pops up a
            # message box taking the focus when there is none.
            os.makedirs(os.path.join(self.home, ".fluxbox"), exist_ok=True)
            with open(os.path.join(self.home, ".fluxbox", "overlay"), "w") as f:
                f.write("background: none\n")
            self.start(["fluxbox"], env=self.env)
        if wm != "none":
            self.wait_for(lambda: self.root_property("_NET_SUPPORTING_WM_CHECK") is not None, 10,
                          f"{wm} did not take the screen")
            # The manager announces itself before it is done setting up; a panel mapped in that
            # moment can stay unmapped for good.
            time.sleep(0.5)
        self.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "percent",
                    "--width", "100", "--height", str(PANEL_HEIGHT), "--SetDockType", "true",
                    "--SetPartialStrut", "true"], env=self.env)
        self.panel = self.wait_for(lambda: self.find(lambda w: "trayer" in self.wm_class(w) and self.placed(w)), 10,
                                   "the panel did not appear")
        if wm != "none":
            self.wait_for(lambda: self.workarea_bottom() == SCREEN_H - PANEL_HEIGHT, 10,
                          "the window manager did not keep the panel's strip")

    def start(self, argv, **kw):
        log = open(os.path.join(self.home, os.path.basename(argv[0]) + ".log"), "wb")
        self.procs.append(subprocess.Popen(argv, stdout=log, stderr=subprocess.STDOUT, **kw))
        return self.procs[-1]

    def logs(self):
        """What the programs said, for a failure's report."""
        text = []
        for name in sorted(os.listdir(self.home)):
            if name.endswith(".log"):
                with open(os.path.join(self.home, name), errors="replace") as f:
                    said = f.read().strip()
                if said:
                    text.append(f"--- {name}\n{said[-600:]}")
        return "\n".join(text)

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(3)
                except subprocess.TimeoutExpired:
                    p.kill()
        shutil.rmtree(self.home, ignore_errors=True)

    @staticmethod
    def wait_for(probe, seconds, what):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            found = probe()
            if found:
                return found
            time.sleep(0.02)
        raise Failed(what)

    def root_property(self, name):
        prop = self.root.get_full_property(self.d.intern_atom(name), X.AnyPropertyType)
        return prop.value if prop else None

    def workarea_bottom(self):
        area = self.root_property("_NET_WORKAREA")
        return area[1] + area[3] if area is not None and len(area) >= 4 else SCREEN_H

    def wm_class(self, window):
        """The window's WM_CLASS as (instance, class), empty when it has none."""
        try:
            return window.get_wm_class() or ()
        except xerror.XError:
            return ()

    def walk(self, window):
        try:
            children = window.query_tree().children
        except xerror.XError:
            return
        for child in children:
            yield child
            yield from self.walk(child)

    def find(self, accept):
        for w in self.walk(self.root):
            if accept(w):
                return w
        return None

    def placed(self, window):
        """(x, y, width, height) on the screen, or None once the window is gone or unmapped."""
        try:
            if window.get_attributes().map_state != X.IsViewable:
                return None
            g = window.get_geometry()
            at = window.translate_coords(self.root, 0, 0)
            return (-at.x, -at.y, g.width + 2 * g.border_width, g.height + 2 * g.border_width)
        except xerror.XError:
            return None

    def watch_for(self, program, accept, seconds, what):
        """The first window of the program that accept() takes, looked for among the root's
        children and, for the frames a window manager puts round its windows, theirs: quick
        enough to see a window from the moment it is made."""
        known = set()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            try:
                tops = self.root.query_tree().children
            except xerror.XError:
                tops = []
            for top in tops:
                if top.id in known:
                    continue
                cls = self.wm_class(top)
                if cls:
                    if program not in cls:
                        known.add(top.id)
                    candidates = [top]
                else:
                    try:
                        candidates = top.query_tree().children
                    except xerror.XError:
                        candidates = []
                for w in candidates:
                    try:
                        if accept(w):
                            return w
                    except xerror.XError:
                        pass
            time.sleep(0.002)
        raise Failed(what)

    def focus_holder(self):
        """The id of the window with the keyboard focus (0 for none, 1 for the pointer's)."""
        focus = self.d.get_input_focus().focus
        return getattr(focus, "id", focus)

    def top_level(self, window):
        """The root's child holding the window: its frame when a window manager reparented it."""
        while True:
            parent = window.query_tree().parent
            if parent == self.root or parent is None:
                return window
            window = parent

    def stacking(self):
        return [w.id for w in self.root.query_tree().children]


def sample_rise(desk, popup, seconds):
    """Where the pop-up is, sampled as often as the server answers, until it has stood still for
    half a second or the time is up."""
    samples = []
    start = time.monotonic()
    while time.monotonic() - start < seconds:
        at = desk.placed(popup)
        now = time.monotonic() - start
        if at is not None:
            if not samples or samples[-1][1] != at:
                samples.append((now, at))
            elif now - samples[-1][0] > 0.5 and at[1] < SCREEN_H:
                break
        time.sleep(0.001)
    return samples


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def run(args):
    problems = []
    desk = Desktop()
    try:
        desk.start_session(args.wm)
        return check(args, desk, problems)
    except Failed as e:
        problems.append(str(e))
        return problems
    finally:
        if problems:
            print(desk.logs())
        desk.close()


def check(args, desk, problems):
    d = desk.d
    # An ordinary window the user works in: it has the keyboard when the alert comes.
    work = desk.root.create_window(100, 100, 500, 400, 0, X.CopyFromParent, X.InputOutput,
                                   X.CopyFromParent, background_pixel=desk.d.screen().white_pixel,
                                   event_mask=X.StructureNotifyMask)
    work.set_wm_class("zibdesk", "ZibDesk")
    work.set_wm_name("work")
    work.map()
    d.sync()
    desk.wait_for(lambda: desk.placed(work), 5, "the work window did not appear")

    def focus_on_work():
        work.set_input_focus(X.RevertToParent, X.CurrentTime)
        d.sync()
        time.sleep(0.1)
        return desk.focus_holder() == work.id
    desk.wait_for(focus_on_work, 5, "the work window did not get the keyboard focus")

    wm_pid = desk.procs[1].pid if args.wm != "none" else None
    wm_cpu = cpu_seconds(wm_pid) if wm_pid else 0.0
    program = os.path.basename(args.demo)

    def is_popup(w):
        if program not in desk.wm_class(w):
            return False
        g = w.get_geometry()
        return (g.width + 2 * g.border_width, g.height + 2 * g.border_width) == POPUP_SIZE

    demo = desk.start([args.demo], env=desk.env)
    popup = desk.watch_for(program, is_popup, 10, "the pop-up did not appear")
    samples = sample_rise(desk, popup, 8.0)
    wm_used = cpu_seconds(wm_pid) - wm_cpu if wm_pid else 0.0

    ys = [at[1] for _, at in samples]
    xs = {at[0] for _, at in samples}
    downs = [(a, b) for a, b in zip(ys, ys[1:]) if b > a]
    rested_after = samples[-1][0] - samples[0][0] if samples else float("inf")
    print(f"{args.wm}: {len(samples)} positions, top {ys[0] if ys else '?'} -> {ys[-1] if ys else '?'}, "
          f"{len(downs)} moves down, came to rest after {rested_after:.2f} s, "
          f"window manager used {wm_used:.2f} s of CPU")
    if downs:
        problems.append(f"it moved down {len(downs)} times, e.g. {downs[:3]}")
    if len(xs) != 1:
        problems.append(f"it moved sideways: left edges {sorted(xs)}")
    if rested_after > REST_WITHIN:
        problems.append(f"it came to rest after {rested_after:.2f} s, not within {REST_WITHIN} s")
    if ys and ys[0] < SCREEN_H - POPUP_SIZE[1]:
        problems.append(f"it was first seen at top {ys[0]}, not rising from the bottom edge")

    x, y, w, h = samples[-1][1] if samples else (0, 0, 0, 0)
    # Without a window manager nobody keeps the panel's strip, and the pop-up rests above the
    # screen's bottom edge instead.
    rest_line = desk.workarea_bottom()
    gap = rest_line - (y + h)
    print(f"{args.wm}: rests at {w}x{h}+{x}+{y}; the free area ends at {rest_line}, gap {gap} px, "
          f"{SCREEN_W - (x + w)} px from the right edge")
    if not REST_GAP[0] <= gap <= REST_GAP[1]:
        problems.append(f"it rests {gap} px above the free area's bottom edge, not {REST_GAP[0]} to {REST_GAP[1]}")
    if SCREEN_W - (x + w) != 15:
        problems.append(f"its right edge is {SCREEN_W - (x + w)} px in from the screen's, not 15")

    holder = desk.focus_holder()
    if holder != work.id:
        taker = desk.wm_class(d.create_resource_object("window", holder)) if holder > 1 else ()
        problems.append(f"the keyboard focus left the window the user works in for {taker or hex(holder)}")

    # The user brings a window to the front over the pop-up's corner.
    work.configure(x=SCREEN_W - 600, y=SCREEN_H - 500, width=590, height=450)
    d.sync()
    time.sleep(0.2)
    work.configure(stack_mode=X.Above)
    work.set_input_focus(X.RevertToParent, X.CurrentTime)
    d.sync()
    time.sleep(1.2)
    order = desk.stacking()
    popup_frame, work_frame = desk.top_level(popup).id, desk.top_level(work).id
    if order.index(popup_frame) < order.index(work_frame):
        problems.append("a window raised over it stays in front of it")
    if args.screenshot:
        # The screen's bottom-right quarter: the panel, the raised window and the pop-up in front.
        subprocess.run(["import", "-window", "root", "-crop", f"{SCREEN_W // 2}x{SCREEN_H // 2}+{SCREEN_W // 2}+{SCREEN_H // 2}",
                        "+repage", args.screenshot], env=desk.env, check=False)

    # One click anywhere on it closes it.
    cx, cy = x + w // 2, y + h // 3
    xtest.fake_input(d, X.MotionNotify, x=cx, y=cy)
    xtest.fake_input(d, X.ButtonPress, 1)
    xtest.fake_input(d, X.ButtonRelease, 1)
    d.sync()
    clicked = time.monotonic()
    while desk.placed(popup) and time.monotonic() - clicked < 3.0:
        time.sleep(0.01)
    if desk.placed(popup):
        problems.append("one click did not close it within 3 s")
    else:
        print(f"{args.wm}: closed {time.monotonic() - clicked:.2f} s after one click")
    demo.terminate()
    return problems


def main():
    # A test runner that gives up on us sends SIGTERM: leave no X server or window manager behind.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--demo", required=True, help="the pop-up demo program")
    parser.add_argument("--wm", default="openbox", choices=["openbox", "fluxbox", "none"])
    parser.add_argument("--screenshot", help="a picture of the screen with the pop-up at rest")
    args = parser.parse_args()
    needed = ["Xvfb", "trayer"] + ([args.wm] if args.wm != "none" else []) + (["import"] if args.screenshot else [])
    for program in needed:
        need(program)
    if not os.access(args.demo, os.X_OK):
        print(f"FAIL: no pop-up demo at {args.demo}")
        return 1
    try:
        problems = run(args)
    except Failed as e:
        problems = [str(e)]
    for p in problems:
        print(f"FAIL ({args.wm}): {p}")
    if not problems:
        print(f"PASS ({args.wm}): rises, rests above the panel, stays in front, closes on one click")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
