#!/usr/bin/python3
"""Reads the game's window through the accessibility bus, as a screen reader does.

    atspi.py counters   prints the two counters' texts: ship cells to find, then attempts
    atspi.py focus      prints the role and name of the control that has the keyboard focus
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
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
