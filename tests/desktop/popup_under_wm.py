#!/usr/bin/python3
"""The alert pop-up on a desktop as users have it: a virtual X server, a real window manager and a
bottom panel that reserves its strip of the screen (the manager's own where it has one, trayer
otherwise). Starts the pop-up demo, follows every move of the pop-up as the X server reports it,
and checks that it only ever moves up, comes to rest within two seconds just above the panel at
the bottom right, leaves the keyboard focus where it was, stays above a window raised over it,
and closes on one click.

Every check decides from what the X server reports, never from how quickly this script gets to
look: the machine may be busy with other work, so the script listens to the server's events from
before the pop-up exists, and times the rise by the time the demo could actually run.

Usage: popup_under_wm.py --demo PATH [--wm openbox|fluxbox|none] [--screenshot FILE]
Exits 0 when every check holds, 1 when one fails, 77 when a program it needs is missing."""

import argparse
import os
import select
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
        """The window manager, then the panel; returns once the manager handles windows and the
        panel's strip is kept."""
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
            # The managers say they are there before they are done setting up; the work area is
            # the last thing they publish, and a window of ours they take into a frame shows that
            # they handle new windows.
            self.wait_for(lambda: self.root_property("_NET_SUPPORTING_WM_CHECK") is not None
                          and self.root_property("_NET_WORKAREA") is not None, 10, f"{wm} did not take the screen")
            self.wait_until_managing(wm)
        # A manager with a tray of its own (fluxbox) keeps its panel's strip itself: a second tray
        # would only say "another systray already running".
        if self.d.get_selection_owner(self.d.intern_atom("_NET_SYSTEM_TRAY_S0")) != X.NONE:
            self.wait_for(lambda: self.workarea_bottom() < SCREEN_H, 10, f"{wm} kept no strip for its panel")
            self.panel_by = wm
            return
        self.start(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "percent",
                    "--width", "100", "--height", str(PANEL_HEIGHT), "--SetDockType", "true",
                    "--SetPartialStrut", "true"], env=self.env)
        self.panel_by = "trayer"
        self.panel = self.wait_for(lambda: self.find(lambda w: "trayer" in self.wm_class(w) and self.placed(w)), 10,
                                   "the panel did not appear")
        if wm != "none":
            self.wait_for(lambda: self.workarea_bottom() == SCREEN_H - PANEL_HEIGHT, 10,
                          "the window manager did not keep the panel's strip")

    def wait_until_managing(self, wm):
        """Returns once the manager takes a newly mapped window into a frame and shows it."""
        probe = self.root.create_window(0, 0, 50, 50, 0, X.CopyFromParent, X.InputOutput, X.CopyFromParent)
        probe.set_wm_class("zibprobe", "ZibProbe")
        try:
            self.map_managed(probe, f"{wm} did not take a window in")
        finally:
            probe.destroy()
            self.d.sync()

    def map_managed(self, window, what):
        """Maps the window and returns once the manager shows it in its frame. A window mapped
        while the manager is still setting up can be passed over for good, so it is mapped again
        until it is shown."""
        end = time.monotonic() + 20
        while time.monotonic() < end:
            window.map()
            self.d.sync()
            try:
                self.wait_for(lambda: window.query_tree().parent != self.root and self.placed(window), 2, what)
                return
            except Failed:
                window.unmap()
                self.d.sync()
        raise Failed(what)

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

    def focus_holder(self):
        """The id of the window with the keyboard focus (0 for none, 1 for the pointer's)."""
        focus = self.d.get_input_focus().focus
        return getattr(focus, "id", focus)

    def stacking(self):
        return [w.id for w in self.root.query_tree().children]


def run_delay(pid):
    """Seconds the process's main thread has spent ready to run but waiting for a processor."""
    try:
        with open(f"/proc/{pid}/schedstat") as f:
            return int(f.read().split()[1]) / 1e9
    except (OSError, IndexError, ValueError):
        return 0.0


class Clock:
    """Time as the demo had it: wall time less what the demo spent ready to run but waiting for a
    processor, so that a busy machine neither stretches its rise nor cuts a pause short."""

    def __init__(self, pid):
        self.pid = pid
        self.start = time.monotonic()
        self.waited = run_delay(pid)

    def now(self):
        return time.monotonic() - self.start - (run_delay(self.pid) - self.waited)


class Follower:
    """Every window the X server makes, moves, shows and hides on the root from now on, in the
    order it did so: nothing is missed however late this script reads it."""

    def __init__(self, desk):
        self.desk = desk
        self.geometry = {}  # window id -> (x, y, width, height), outer
        self.mapped = set()
        self.reparented = set()
        desk.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        desk.d.sync()

    def read(self, clock, seconds, handle, done=lambda: False):
        """Hands every event to handle(kind, window id) until it returns True or, with every
        event read so far, done() does; False once `seconds` of the demo's time have passed."""
        end = clock.now() + seconds
        d = self.desk.d
        while True:
            while d.pending_events():
                e = d.next_event()
                kind = self.note(e)
                if kind and handle(kind, e.window.id):
                    return True
            if done():
                return True
            if clock.now() >= end:
                return False
            select.select([d.fileno()], [], [], 0.02)

    def note(self, e):
        outer = lambda: (e.x, e.y, e.width + 2 * e.border_width, e.height + 2 * e.border_width)
        if e.type == X.CreateNotify:
            self.geometry[e.window.id] = outer()
            return "create"
        if e.type == X.ConfigureNotify and e.event == self.desk.root:
            # The same place again is a change in the stacking order.
            moved = self.geometry.get(e.window.id) != outer()
            self.geometry[e.window.id] = outer()
            return "move" if moved else "restack"
        if e.type == X.MapNotify and e.event == self.desk.root:
            self.mapped.add(e.window.id)
            return "map"
        if e.type in (X.UnmapNotify, X.DestroyNotify) and e.event == self.desk.root:
            self.mapped.discard(e.window.id)
            return "unmap"
        if e.type == X.ReparentNotify and e.event == self.desk.root:
            self.reparented.add(e.window.id)
            return "reparent"
        return None


def wait_on_clock(clock, probe, seconds):
    """Whether probe() comes true within `seconds` of the demo's time."""
    end = clock.now() + seconds
    while clock.now() < end:
        if probe():
            return True
        time.sleep(0.02)
    return bool(probe())


def follow_rise(desk, follower, is_popup, clock, appear_within, still_for, give_up_after):
    """The pop-up's places from the moment it is shown, with the demo's time of each, until it
    has stood still for `still_for` seconds of that time. Returns (window id, samples)."""
    popup = None
    samples = []

    def handle(kind, wid):
        nonlocal popup
        if popup is None:
            if kind == "map" and is_popup(wid, follower.geometry.get(wid)):
                popup = wid
                samples.append((clock.now(), follower.geometry[wid]))
            return False
        if wid != popup:
            return False
        if kind == "reparent":
            raise Failed("a window manager took the pop-up in: it no longer stands where it is put")
        if kind == "unmap":
            raise Failed("the pop-up went away while rising")
        if kind == "move" and follower.geometry[wid] != samples[-1][1]:
            samples.append((clock.now(), follower.geometry[wid]))
        return False

    if not follower.read(clock, appear_within, lambda kind, wid: handle(kind, wid) or popup is not None):
        raise Failed("the pop-up did not appear")
    # Standing still below the screen is no rest: the rise has not begun.
    follower.read(clock, give_up_after, handle,
                  lambda: clock.now() - samples[-1][0] >= still_for and samples[-1][1][1] < SCREEN_H)
    return popup, samples


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def run(args):
    problems = []
    desk = Desktop()
    try:
        desk.start_session(args.wm)
        print(f"{args.wm}: ready, the panel by {desk.panel_by}, the free area ends at {desk.workarea_bottom()}")
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
    if args.wm != "none":
        desk.map_managed(work, "the work window did not appear")
    else:
        work.map()
        d.sync()
        desk.wait_for(lambda: desk.placed(work), 10, "the work window did not appear")

    def focus_on_work():
        work.set_input_focus(X.RevertToParent, X.CurrentTime)
        d.sync()
        time.sleep(0.1)
        return desk.focus_holder() == work.id
    desk.wait_for(focus_on_work, 10, "the work window did not get the keyboard focus")

    wm_pid = desk.procs[1].pid if args.wm != "none" else None
    wm_cpu = cpu_seconds(wm_pid) if wm_pid else 0.0
    program = os.path.basename(args.demo)

    def is_popup(wid, geometry):
        window = d.create_resource_object("window", wid)
        return geometry is not None and geometry[2:] == POPUP_SIZE and program in desk.wm_class(window)

    # Listening before the demo starts: the pop-up cannot make a move unseen.
    follower = Follower(desk)
    demo = desk.start([args.demo], env=desk.env)
    clock = Clock(demo.pid)
    popup_id, samples = follow_rise(desk, follower, is_popup, clock, appear_within=20, still_for=0.5,
                                    give_up_after=20)
    popup = d.create_resource_object("window", popup_id)
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

    # A window comes up over the pop-up's corner, as a full-screen game's own window does,
    # stacked by the server at once. The pop-up must come back in front at its next flash.
    cover = desk.root.create_window(SCREEN_W - 600, SCREEN_H - 500, 590, 450, 0, X.CopyFromParent, X.InputOutput,
                                    X.CopyFromParent, background_pixel=desk.d.screen().white_pixel,
                                    override_redirect=True)
    cover.map()
    cover.configure(stack_mode=X.Above)
    d.sync()

    def popup_in_front():
        order = desk.stacking()
        return order.index(popup_id) > order.index(cover.id)
    if not wait_on_clock(clock, popup_in_front, 5):
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
    clicked = clock.now()
    if not wait_on_clock(clock, lambda: not desk.placed(popup), 3):
        problems.append("one click did not close it within 3 s")
    else:
        print(f"{args.wm}: closed {max(0.0, clock.now() - clicked):.2f} s after one click")
    demo.terminate()
    return problems


def main():
    # A test runner that gives up on us sends SIGTERM: leave no X server or window manager behind.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    # What it has found so far is said even when the runner stops it.
    sys.stdout.reconfigure(line_buffering=True)
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
