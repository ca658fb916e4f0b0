"""Walks a program's accessibility tree over AT-SPI and checks what a screen
reader gets: every field, switch and list with its German name and current
text, labels with a description, pictures named or hidden. An expectation
may also give the description and the labels ("labelled_by", any order);
with "complete" every showing field, switch and label must be expected.
With --typed it also sees the focused field's text change after a typed key;
with --note it waits for a passing note to be announced: a notification that
starts showing with the given text, as a screen reader hears it.

Usage: walk_tree.py APP_NAME EXPECTATIONS_JSON [--typed NAME TEXT | --note TEXT]
"""
import json
import sys
import time

import pyatspi

FIELD_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT}
SWITCH_ROLES = {pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX}


def find_app(name, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.3)
    sys.exit(f"FAIL: no application '{name}' on the accessibility bus")


def text_of(node):
    try:
        t = node.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    if node is None or depth > 30:
        return out
    states = node.getState()
    out.append({
        "role": node.getRole(),
        "role_name": node.getRoleName(),
        "name": node.name or "",
        "description": node.description or "",
        "text": text_of(node),
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "checked": states.contains(pyatspi.STATE_CHECKED),
        "labelled_by": sorted(
            r.getTarget(i).name for r in node.getRelationSet()
            if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(r.getNTargets())),
    })
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, out)
    return out


def matches(n, e):
    """Whether a node is the expected one: role, and name and description
    where the expectation gives them."""
    return n["role_name"] == e["role"] and all(
        n[key] == e[key] for key in ("name", "description") if key in e)


def check(nodes, expected):
    failures, report = [], []
    for e in expected["controls"]:
        found = [n for n in nodes if n["showing"] and matches(n, e)]
        if not found:
            failures.append(f"no showing {e['role']} named '{e.get('name')}' "
                            f"described '{e.get('description')}'")
            continue
        n = found[0]
        if "text" in e and n["text"] != e["text"]:
            failures.append(f"'{e['name']}' shows '{n['text']}', expected '{e['text']}'")
        if "checked" in e and n["checked"] != e["checked"]:
            failures.append(f"'{e['name']}' checked={n['checked']}")
        if "labelled_by" in e and n["labelled_by"] != sorted(e["labelled_by"]):
            failures.append(f"'{n['name']}' labelled by {n['labelled_by']}")
        report.append(f"found {n['role_name']:12} '{n['name']}' text={n['text']!r} "
                      f"description={n['description']!r} labelled by {n['labelled_by']}")
    for n in nodes:
        if not n["showing"]:
            continue
        if n["role"] in FIELD_ROLES | SWITCH_ROLES and not n["name"]:
            failures.append(f"a showing {n['role_name']} without a name")
        if n["role"] == pyatspi.ROLE_LABEL and not n["description"]:
            failures.append(f"label '{n['name']}' without a description")
        listed = FIELD_ROLES | SWITCH_ROLES | {pyatspi.ROLE_LABEL}
        if (expected.get("complete") and n["role"] in listed
                and not any(matches(n, e) for e in expected["controls"])):
            failures.append(f"unexpected {n['role_name']} '{n['name']}' "
                            f"described '{n['description']}' labelled by {n['labelled_by']}")
        if n["role"] == pyatspi.ROLE_IMAGE and not n["name"]:
            failures.append("a showing picture without a name")
    return failures, report


def settled_check(app, expected, timeout=20.0):
    """Checks the tree until it passes or the time is up: the tree appears,
    and follows a change of the window, bit by bit."""
    deadline = time.time() + timeout
    while True:
        failures, report = check(walk(app), expected)
        if not failures or time.time() > deadline:
            print("\n".join(report))
            return failures
        time.sleep(0.3)


def await_note(app_name, text, timeout=15.0):
    """Waits for the event a screen reader speaks a note on: a notification
    of the application starting to show, named by its text."""
    from gi.repository import GLib
    heard = []

    def on_showing(event):
        source = event.source
        if (event.type == "object:state-changed:showing" and event.detail1 == 1 and source.getRole() == pyatspi.ROLE_NOTIFICATION
                and source.getApplication().name == app_name):
            heard.append(source.name)
            if source.name == text:
                pyatspi.Registry.stop()

    # A screen reader follows name changes too; without them the client's
    # cache keeps a note's earlier name.
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing",
                                           "object:property-change:accessible-name")
    GLib.timeout_add(int(timeout * 1000), pyatspi.Registry.stop)
    GLib.timeout_add(300, lambda: print("READY", flush=True) and False)
    pyatspi.Registry.start()
    if text not in heard:
        sys.exit(f"FAIL: no notification '{text}' announced; heard {heard}")
    print(f"announced: {text}")


def main():
    app_name, expectations = sys.argv[1], json.loads(sys.argv[2])
    app = find_app(app_name)
    failures = settled_check(app, expectations)
    if failures:
        sys.exit("FAIL: " + "; ".join(failures))
    if "--note" in sys.argv:
        await_note(app_name, sys.argv[sys.argv.index("--note") + 1])
        return
    if "--typed" in sys.argv:
        i = sys.argv.index("--typed")
        name, wanted = sys.argv[i + 1], sys.argv[i + 2]
        print("READY", flush=True)
        # The caller types now; the new text must reach the tree.
        deadline = time.time() + 15
        seen = None
        while time.time() < deadline:
            for n in walk(app):
                if n["name"] == name and n["role"] in FIELD_ROLES:
                    seen = n["text"]
            if seen == wanted:
                print(f"typed: '{name}' now shows '{seen}'")
                return
            time.sleep(0.3)
        sys.exit(f"FAIL: '{name}' shows '{seen}' after the typed key, expected '{wanted}'")
    print("PASS")


if __name__ == "__main__":
    main()
