#!/usr/bin/python3
"""Prints what a screen reader gets from a program through AT-SPI: every object of the program's
windows below the application, one per line, as
    <depth> <role> | <name> | <description> | <states> | <attributes>
States and attributes are comma-separated. Usage: screen_reader.py PROGRAM-NAME [WINDOW-NAME]:
the windows named so alone when a window name is given."""
import sys

import pyatspi


def line(depth, obj):
    states = ",".join(sorted(pyatspi.stateToString(s) for s in obj.getState().getStates()))
    attributes = ",".join(sorted(obj.getAttributes()))
    return f"{depth} {obj.getRoleName()} | {obj.name} | {obj.description} | {states} | {attributes}"


def walk(obj, depth, out):
    out.append(line(depth, obj))
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == sys.argv[1]:
            for j in range(app.childCount):
                window = app.getChildAtIndex(j)
                if window is not None and (len(sys.argv) < 3 or window.name == sys.argv[2]):
                    walk(window, 0, out)
    print("\n".join(out))


if __name__ == "__main__":
    main()
