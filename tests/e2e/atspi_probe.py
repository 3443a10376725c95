#!/usr/bin/env python3
"""Prints what assistive technology finds of one program, as JSON on one line.

atspi_probe.py PID      the shown part of the accessible tree of the program with
                        process id PID: a list of nodes in tree order, each with
                        role, name, description,
                        states, extents (x, y, width, height on the screen), depth and,
                        where the node has the Value interface, value, minimum, maximum.
Exit codes: 0 printed, 1 no such program on the accessibility bus (yet), 77 pyatspi
is not installed.
"""
import json
import sys

try:
    import pyatspi
except ImportError:
    sys.exit(77)


def node_of(accessible, states, depth):
    node = {
        "role": accessible.getRoleName(),
        "name": accessible.name or "",
        "description": accessible.description or "",
        "states": sorted(pyatspi.stateToString(s) for s in states.getStates()),
        "depth": depth,
    }
    try:
        box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        node.update(x=box.x, y=box.y, width=box.width, height=box.height)
    except NotImplementedError:
        pass
    try:
        value = accessible.queryValue()
        node.update(value=value.currentValue, minimum=value.minimumValue, maximum=value.maximumValue)
    except NotImplementedError:
        pass
    return node


# What is not shown is left out with all it holds: a screen reader does not read it.
def walk(accessible, depth, nodes):
    states = accessible.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    nodes.append(node_of(accessible, states, depth))
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            walk(child, depth + 1, nodes)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        try:
            if application is None or application.get_process_id() != pid:
                continue
        except Exception:
            continue
        nodes = []
        for window in range(application.childCount):
            walk(application.getChildAtIndex(window), 0, nodes)
        print(json.dumps(nodes))
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
