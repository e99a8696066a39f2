#!/usr/bin/python3
"""Walks the program as a screen reader sees it: the staged program runs
under Xvfb with the desktop's accessibility bus (at-spi), is driven by its
keyboard shortcuts through every window a user meets (the first start's
language window, the welcome page, the open window, the picture list and
its tabs, page design with every notebook tab of the three kinds of page,
the publishing settings, the folder question and the transfer window
against a local FTP server), and in each the accessibility tree must hold no
control without a name.

Run inside a display and a session bus of its own:
  xvfb-run -a dbus-run-session -- /usr/bin/python3 accessibility_tree.py <program folder>"""
import os
import pathlib
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

import pyatspi

# Roles a user acts on, or that say something only by their name.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_LIST,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PROGRESS_BAR,
    pyatspi.ROLE_DIALOG, pyatspi.ROLE_FRAME, pyatspi.ROLE_SCROLL_BAR,
}


class Failure(Exception):
    pass


def wait_for(what, test, tries=600):
    """Polls `test` as the program's accessibility events come in (each
    pass waits for the bus), until it gives a value."""
    for _ in range(tries):
        value = test()
        if value:
            return value
        pyatspi.Registry.pumpQueuedEvents()
        time.sleep(0.05)
    shots = os.environ.get("PALIMORA_SCREENSHOTS")
    if shots:
        subprocess.run(["import", "-window", "root", os.path.join(shots, "accessibility-failure.png")])
    raise Failure(f"never came: {what} - shown: {describe(application())}")


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and (app.name or "").lower() == "palimora":
            return app
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def windows(app):
    return [app.getChildAtIndex(i) for i in range(app.childCount) if showing(app.getChildAtIndex(i))]


def dialog(app, other_than=None):
    """The newest window shown over the main window, when one is."""
    shown = [window for window in windows(app)[1:] if window != other_than]
    return shown[-1] if shown else None


def unnamed(node, path=""):
    """The controls shown without a name, by their path in the tree."""
    found = []
    try:
        role = node.getRole()
        here = f"{path}/{node.getRoleName()}"
        if role in NAMED_ROLES and showing(node) and not (node.name or "").strip():
            found.append(here)
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None and (showing(child) or child.getRole() == pyatspi.ROLE_PAGE_TAB):
                found += unnamed(child, here)
    except Exception as error:  # a node gone while walking: the window changed under us
        found.append(f"{path} ({error})")
    return found


def named_controls(node):
    count = 0
    if node.getRole() in NAMED_ROLES and showing(node) and (node.name or "").strip():
        count = 1
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None and showing(child):
            count += named_controls(child)
    return count


def find(node, role, name=None):
    if node.getRole() == role and showing(node) and (name is None or node.name == name):
        return node
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None and showing(child):
            hit = find(child, role, name)
            if hit is not None:
                return hit
    return None


def all_of(node, role):
    hits = [node] if node.getRole() == role else []
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            hits += all_of(child, role)
    return hits


def describe(app):
    """The windows shown, for a failure's message."""
    if app is None:
        return "no program"
    return "; ".join(f"{w.getRoleName()} '{w.name}' {'active' if w.getState().contains(pyatspi.STATE_ACTIVE) else ''}"
                     for w in windows(app))


def page_of(tabs, index):
    """A notebook's page behind its tab: the pages are stacked beside the tabs, in their order."""
    notebook = tabs.parent
    for child in range(notebook.childCount):
        stack = notebook.getChildAtIndex(child)
        if stack.getRole() == pyatspi.ROLE_LAYERED_PANE and index < stack.childCount:
            return stack.getChildAtIndex(index)
    raise Failure(f"no page behind the tab {tabs.getChildAtIndex(index).name}")


class Walk:
    def __init__(self, app):
        self.app = app
        self.problems = []
        self.checked = []

    def check(self, where, window):
        shots = os.environ.get("PALIMORA_SCREENSHOTS")
        if shots:
            name = "".join(c if c.isalnum() else "-" for c in where)
            subprocess.run(["import", "-window", "root", os.path.join(shots, f"a11y-{name}.png")])
        names = unnamed(window)
        self.checked.append(f"{where}: {named_controls(window)} named controls")
        self.problems += [f"{where}: {name}" for name in names]

    def check_tabs(self, where, window):
        """Every tab of every notebook shown, each chosen in turn."""
        for tabs in all_of(window, pyatspi.ROLE_PAGE_TAB_LIST):
            if not showing(tabs):
                continue
            for index in range(tabs.childCount):
                tab = tabs.getChildAtIndex(index)
                if tab.getRole() != pyatspi.ROLE_PAGE_TAB:
                    continue  # the tab bar's scroll buttons
                press(tab)
                wait_for(f"tab {tab.name} chosen", lambda: showing(page_of(tabs, index)))
                self.check(f"{where}, tab {tab.name or index}", window)


def press(button):
    """Presses a button as a screen reader's user would: by its action."""
    button.queryAction().doAction(0)


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys], check=True)


def focus_main_window(pid):
    """Gives the keyboard to the main window: without a window manager
    nothing gives it back when a dialog closes."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", "^Palimora$"],
                           capture_output=True, text=True).stdout.split()
    if not found:
        raise Failure("no main window on the display")
    subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "20", text], check=True)


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def start_ftp_server(root):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    authorizer = DummyAuthorizer()
    authorizer.add_user("photo", "secret", str(root), perm="elradfmwMT")
    handler = type("Handler", (FTPHandler,), {"authorizer": authorizer})
    server = FTPServer(("127.0.0.1", free_port()), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def main():
    stage = pathlib.Path(sys.argv[1])
    work = pathlib.Path(tempfile.mkdtemp(prefix="palimora-a11y-"))
    program = work / "program"
    shutil.copytree(stage, program)
    (program / "palimora.lock").unlink(missing_ok=True)
    (program / "palimora.ini").write_bytes(b"")  # the first start: the language is asked
    # A built project of its own: the demo's is undone when the language is chosen.
    photos = sorted(str(photo) for photo in (program / "Projets" / "Demo" / "images").glob("*.jpg"))
    for command in (["add", "Album", *photos], ["build", "Album", "--quiet"]):
        subprocess.run([str(program / "palimora-cli"), *command], check=True, capture_output=True)
    served = work / "served"
    served.mkdir()
    ftp = start_ftp_server(served)

    bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", HOME=str(work))
    env.pop("QT_QPA_PLATFORM", None)
    log = open(work / "palimora.log", "w")
    palimora = subprocess.Popen([str(program / "palimora")], cwd=program, env=env, stdout=log, stderr=log)
    try:
        app = wait_for("the program on the accessibility bus", application, tries=2400)
        walk = Walk(app)
        language = wait_for("the language window", lambda: dialog(app))
        walk.check("language window", language)
        press(find(language, pyatspi.ROLE_PUSH_BUTTON))
        wait_for("the language window gone", lambda: dialog(app) is None)
        main_window = windows(app)[0]
        walk.check("welcome page", main_window)

        focus_main_window(palimora.pid)
        key("ctrl+o")
        opening = wait_for("the open window", lambda: dialog(app))
        walk.check("open window", opening)
        type_text("Album")  # the list finds it as it is typed
        key("Return")
        wait_for("the project opened", lambda: dialog(app) is None and find(main_window, pyatspi.ROLE_LABEL, "Album"))
        walk.check("picture list", main_window)
        walk.check_tabs("picture list", main_window)

        focus_main_window(palimora.pid)
        shown_tabs = find(main_window, pyatspi.ROLE_PAGE_TAB_LIST).name
        for shortcut, kind in [("ctrl+2", "contents"), ("ctrl+4", "gallery"), ("ctrl+5", "picture")]:
            key(shortcut)
            notebook = wait_for(f"the {kind} panels",
                                lambda: (n := find(main_window, pyatspi.ROLE_PAGE_TAB_LIST)) and n.name != shown_tabs and n)
            shown_tabs = notebook.name
            walk.check(f"page design, {kind}", main_window)
            walk.check_tabs(f"page design, {kind}", main_window)

        focus_main_window(palimora.pid)
        key("ctrl+shift+p")
        settings = wait_for("the publishing settings", lambda: dialog(app))
        walk.check("publishing settings", settings)
        type_text(f"ftp://127.0.0.1:{ftp.address[1]}")
        key("Tab")
        type_text("photo")
        key("Tab")
        type_text("secret")
        key("Return")
        question = wait_for("the publishing question", lambda: dialog(app, settings))
        walk.check("publishing question", question)
        key("Return")
        folder = wait_for("the folder question", lambda: (w := dialog(app)) and find(w, pyatspi.ROLE_TEXT) and w)
        walk.check("folder question", folder)
        key("Return")
        transfer = wait_for("the end of the publication",
                            lambda: (w := dialog(app)) and
                            len([c for c in all_of(w, pyatspi.ROLE_PUSH_BUTTON) if
                                 c.getState().contains(pyatspi.STATE_SENSITIVE)]) == 2 and
                            find(w, pyatspi.ROLE_PROGRESS_BAR) and w)
        walk.check("transfer window", transfer)
        if not any((served / "Album").glob("*.htm*")):
            walk.problems.append("the publication sent no page")
    except Failure:
        if palimora.poll() is not None:
            print(f"the program ended ({palimora.returncode}):", (work / "palimora.log").read_text()[-3000:])
        raise
    finally:
        palimora.kill()
        bus.terminate()
        ftp.close_all()
        shutil.rmtree(work, ignore_errors=True)

    for line in walk.checked:
        print(line)
    if walk.problems:
        print("Controls without a name:", *walk.problems, sep="\n  ")
        sys.exit(1)
    print("every control has a name")


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(failure)
        sys.exit(1)
