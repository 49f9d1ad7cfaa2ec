#!/usr/bin/python3
"""Reads the game's window through the accessibility bus, as a screen reader does.

    atspi.py counters   prints the two counters' texts: ship cells to find, then attempts
    atspi.py focus      prints the role and name of the control that has the keyboard focus
    atspi.py cells      prints each cell of the grid, one line each in the table's order: its name
                        in brackets, then its place on the screen as x y width height
"""
import sys
import time

import pyatspi

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
            return accessible.queryText().getText(0, -1)
    sys.exit(f"no counter named {caption}")


def main():
    win = window()
    if sys.argv[1] == "counters":
        print(counter(win, "Остават:"), counter(win, "Опита:"))
    elif sys.argv[1] == "focus":
        focused = [a for a in descendants(win) if a.getState().contains(pyatspi.STATE_FOCUSED)]
        # The focused control is the outermost focused object; a text box reports its inner parts too.
        print(f"{role(focused[0])}: {focused[0].name}" if focused else "none")
    elif sys.argv[1] == "cells":
        tables = [a for a in descendants(win) if a.getRole() == pyatspi.ROLE_TABLE]
        if len(tables) != 1:
            sys.exit(f"{len(tables)} tables in the window, not one grid")
        for cell in tables[0]:
            box = cell.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(f"[{cell.name}] {box.x} {box.y} {box.width} {box.height}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
