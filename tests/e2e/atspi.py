#!/usr/bin/python3
"""Reads the game's window through the accessibility bus, as a screen reader does.

    atspi.py counters   prints the two counters' texts: ship cells to find, then attempts
    atspi.py counter-places  prints, for each counter, its box and its number's place on the screen,
                        each as x y width height, then the offset of the character at the box's centre
    atspi.py focus      prints the role and name of the control that has the keyboard focus; for the
                        grid, of its focused cell, with the cell's description after " | " if any
    atspi.py cells      prints each cell of the grid, one line each in the table's order: its name
                        in brackets, then its place on the screen as x y width height
    atspi.py listen N   prints "ready", then waits for cell N's name to change and prints the new name
    atspi.py press N    presses cell N through its action and prints the name it changes to
    atspi.py named START  prints the whole name of the first object whose name starts so
    atspi.py unnamed    prints every control that takes the focus but has no name
    atspi.py activate NAME  presses the control whose name starts so through its action, "click" where
                        it has one
    atspi.py page       for a web browser's window: prints every object of the page in it, as JSON,
                        each with its role, name, object attributes, actions and text
"""
import json
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTION_START = "https://tavrelin.example/ "


def window():
    """The game's window, waiting a few seconds for it to reach the bus."""
    for _ in range(50):
        for app in pyatspi.Registry.getDesktop(0):
            if app is None:
                continue
            for child in app:
                if child is not None and child.name.startswith(CAPTION_START):
                    return child
        time.sleep(0.1)
    sys.exit("the window is not on the accessibility bus")


def descendants(accessible):
    for child in accessible:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def role(accessible):
    """The accessible's role; a push button is a button, whichever name this bus gives it."""
    return "button" if accessible.getRole() == pyatspi.ROLE_PUSH_BUTTON else accessible.getRoleName()


def counter(win, caption):
    for accessible in descendants(win):
        if accessible.getRoleName() == "text" and accessible.name == caption:
            return accessible
    sys.exit(f"no counter named {caption}")


def counter_place(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    text = accessible.queryText()
    number = text.getRangeExtents(0, text.characterCount, pyatspi.DESKTOP_COORDS)
    centre = text.getOffsetAtPoint(box.x + box.width // 2, box.y + box.height // 2, pyatspi.DESKTOP_COORDS)
    return " ".join(str(n) for n in (box.x, box.y, box.width, box.height, *number, centre))


def grid(win):
    tables = [a for a in descendants(win) if a.getRole() == pyatspi.ROLE_TABLE]
    if len(tables) != 1:
        sys.exit(f"{len(tables)} tables in the window, not one grid")
    return tables[0]


def new_name(win, index, press):
    """Waits up to eight seconds for cell INDEX to announce a new name, pressing it first if asked."""
    table = grid(win)
    names = []

    def renamed(event):
        if event.source.getRole() == pyatspi.ROLE_TABLE_CELL and event.source.getIndexInParent() == index:
            names.append(event.source.name)
            pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(renamed, "object:property-change:accessible-name")
    GLib.timeout_add(8000, pyatspi.Registry.stop)
    if press:
        GLib.idle_add(lambda: table[index].queryAction().doAction(0) and False)
    else:
        print("ready", flush=True)
    pyatspi.Registry.start()
    if not names:
        sys.exit(f"cell {index} announced no new name")
    print(names[0])


def page_objects(win):
    """Every object of the page that the browser's window shows, in the document's order."""
    pages = [a for a in descendants(win)
             if a.getRole() == pyatspi.ROLE_DOCUMENT_WEB and a.name.startswith(CAPTION_START)]
    if len(pages) != 1:
        sys.exit(f"{len(pages)} pages of the game in the window, not one")
    objects = []
    for accessible in descendants(pages[0]):
        try:
            action = accessible.queryAction()
            actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            actions = []
        try:
            text = accessible.queryText().getText(0, -1)
        except NotImplementedError:
            text = ""
        objects.append({"role": role(accessible), "name": accessible.name, "actions": actions, "text": text,
                        "attributes": dict(pair.split(":", 1) for pair in accessible.getAttributes())})
    return objects


def main():
    win = window()
    if sys.argv[1] == "counters":
        print(*(counter(win, caption).queryText().getText(0, -1) for caption in ("Остават:", "Опита:")))
    elif sys.argv[1] == "counter-places":
        for caption in ("Остават:", "Опита:"):
            print(counter_place(counter(win, caption)))
    elif sys.argv[1] == "focus":
        focused = [a for a in descendants(win) if a.getState().contains(pyatspi.STATE_FOCUSED)]
        # The focused control is the outermost focused object; a text box reports its inner parts too.
        # The grid has the focus on one of its cells.
        if focused and focused[0].getRole() == pyatspi.ROLE_TABLE:
            focused = [cell for cell in focused[1:] if cell.getRole() == pyatspi.ROLE_TABLE_CELL] or focused
        if not focused:
            print("none")
        else:
            described = f" | {focused[0].description}" if focused[0].description else ""
            print(f"{role(focused[0])}: {focused[0].name}{described}")
    elif sys.argv[1] == "cells":
        for cell in grid(win):
            box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(f"[{cell.name}] {box.x} {box.y} {box.width} {box.height}")
    elif sys.argv[1] in ("listen", "press"):
        new_name(win, int(sys.argv[2]), sys.argv[1] == "press")
    elif sys.argv[1] == "activate":
        controls = [a for a in descendants(win) if a.name.startswith(sys.argv[2]) and a.queryAction().nActions > 0]
        if not controls:
            sys.exit(f"no control named {sys.argv[2]} can be pressed")
        action = controls[0].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("click") if "click" in names else 0)
    elif sys.argv[1] == "named":
        names = [a.name for a in descendants(win) if a.name.startswith(sys.argv[2])]
        if not names:
            sys.exit(f"nothing is named {sys.argv[2]}...")
        print(names[0])
    elif sys.argv[1] == "unnamed":
        for accessible in descendants(win):
            if accessible.getState().contains(pyatspi.STATE_FOCUSABLE) and not accessible.name:
                print(role(accessible))
    elif sys.argv[1] == "page":
        print(json.dumps(page_objects(win), ensure_ascii=False))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
