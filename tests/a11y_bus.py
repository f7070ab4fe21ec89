#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The editor on the real accessibility bus, as a screen reader meets it: in
# a session bus of its own with the AT-SPI bus, on a virtual X server. Every
# spin box and combo box is named by what it is, once, never by its value;
# its description holds its range; opening the port changes the status
# panel, and the bus says so, once. The argument is the editor.
import os, re, shutil, subprocess, sys, time

SKIP = 77  # SKIP_RETURN_CODE in tests/CMakeLists.txt
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
STARTED = "a11y_bus: bus up"


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(SKIP)


def fail(why):
    print(f"FAIL: {why}")
    sys.exit(1)


def outer(editor):
    """Runs this script again inside a session bus and a virtual X server."""
    for tool in ("dbus-run-session", "xvfb-run", LAUNCHER):
        if not shutil.which(tool):
            skip(f"{tool} missing (Debian: dbus, xvfb, at-spi2-core)")
    try:
        import gi
        gi.require_version("Atspi", "2.0")
    except (ImportError, ValueError) as e:
        skip(f"no AT-SPI for Python: {e} (Debian: python3-gi, gir1.2-atspi-2.0)")
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS")}
    run = subprocess.run(["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1100x640x24", sys.executable,
                          __file__, "--inner", editor], env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True)
    print(run.stdout, end="")
    if STARTED not in run.stdout:
        skip(f"no session bus, accessibility bus or X server could start (exit status {run.returncode})")
    sys.exit(run.returncode)


def inner(editor):
    launcher = subprocess.Popen([LAUNCHER, "--launch-immediately"])
    # Asked before it has its name, the session bus would start a second one.
    session, deadline = Gio.bus_get_sync(Gio.BusType.SESSION), time.monotonic() + 10
    while not session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None, 0, -1).unpack()[0]:
        if launcher.poll() is not None or time.monotonic() > deadline:
            launcher.terminate()
            sys.exit(SKIP)
        time.sleep(0.05)
    Atspi.get_desktop(0).get_child_count()  # the registry up before the editor looks for it
    print(STARTED)
    editor = subprocess.Popen([editor, "--lang", "en"], env=dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        controls, deadline = [], time.monotonic() + 30
        while not controls and time.monotonic() < deadline:
            time.sleep(0.3)
            desktop = Atspi.get_desktop(0)
            apps = [desktop.get_child_at_index(i) for i in range(desktop.get_child_count())]
            app = next((a for a in apps if a and a.get_process_id() == editor.pid), None)
            controls = [o for o in walk(app) if o.get_role() in VALUE_ROLES] if app else []
        if not controls:
            fail("the editor's spin boxes and combo boxes never showed on the bus")
        check_controls(controls)
        check_panel(app)
    finally:
        for p in (editor, launcher):
            p.terminate()
            p.wait()


def walk(node):
    yield node
    for child in (node.get_child_at_index(i) for i in range(node.get_child_count())):
        if child:
            yield from walk(child)


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def value_of(control):
    """What the control holds, where a screen reader looks for it: a spin
    box's text, an editable box's text field, the item selected in a list."""
    if control.get_role() == Atspi.Role.SPIN_BUTTON:
        return text_of(control)
    field = [text_of(c) for c in walk(control) if c.get_role() == Atspi.Role.TEXT]
    selected = [c.get_name() for c in walk(control)
                if c.get_role() == Atspi.Role.LIST_ITEM and c.get_state_set().contains(Atspi.StateType.SELECTED)]
    return field[0] if field else selected[0] if len(selected) == 1 else None


def check_controls(controls):
    names, by_value, faults = {}, 0, []
    for control in controls:
        name, value, said = control.get_name(), value_of(control), control.get_description()
        names[name] = names.get(name, 0) + 1
        numbers = re.match(r"from (-?[\d.]+) to (-?[\d.]+)", said)
        items = re.match(r"one of (.*?)(;|$)", said)
        if value is None:
            faults.append(f"{name!r}: no value, or more than one")
        elif not name or name == value:
            by_value += 1
            faults.append(f"named by its value: {value!r}")
        elif numbers:
            if not float(numbers[1]) <= float(value) <= float(numbers[2]):
                faults.append(f"{name!r}: {value} outside {said!r}")
        elif not items or value not in items[1].split(", "):
            faults.append(f"{name!r}: {value!r} outside its description {said!r}")
    faults += [f"{name!r} names {n} controls" for name, n in names.items() if n > 1]
    print(f"a11y_bus: named by value: {by_value} of {len(controls)} spin boxes and combo boxes")
    if faults:
        fail("\n  ".join(faults))


def check_panel(app):
    """Opens VIRTUAL-TX through the bus, as a screen reader's user does, and
    listens to what the status bar says."""
    heard, loop = [], GLib.MainLoop()

    def said(event):
        parent = event.source.get_parent() if event.source else None
        if parent and parent.get_role() == Atspi.Role.STATUS_BAR:
            heard.append(event.source.get_name())
            if heard[-1].startswith("not read"):  # the right-hand panel, the transmitter not read yet
                GLib.timeout_add(1000, loop.quit)  # time for a repeat to come

    listener = Atspi.EventListener.new(said)
    listener.register("object:property-change:accessible-name")
    nodes = list(walk(app))
    port = next(o for o in nodes if o.get_role() == Atspi.Role.COMBO_BOX and o.get_name() == "Port")
    Atspi.EditableText.set_text_contents(next(o for o in walk(port) if o.get_role() == Atspi.Role.TEXT), "VIRTUAL-TX")
    Atspi.Action.do_action(next(o for o in nodes if o.get_name() == "OPEN"), 0)
    GLib.timeout_add_seconds(10, loop.quit)
    loop.run()
    print(f"a11y_bus: the status bar said {heard}")
    if not any(words.startswith("not read") for words in heard):
        fail("the port opened, and the bus never said the panel's \"not read\"")
    if any(a == b for a, b in zip(heard, heard[1:])):
        fail("the status bar said the same twice")


if __name__ == "__main__":
    if sys.argv[1] != "--inner":
        outer(sys.argv[1])
    import gi
    gi.require_version("Atspi", "2.0")
    from gi.repository import Atspi, Gio, GLib
    VALUE_ROLES = (Atspi.Role.SPIN_BUTTON, Atspi.Role.COMBO_BOX)
    inner(sys.argv[2])
