#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a practice round of a running Veltrin's Test as a screen reader
does, through AT-SPI.

    read-practice.py question   prints the text of the question on screen
    read-practice.py review     prints the review's rows (name: description)
                                and each topic's bar (name: value of maximum)

Exits 1 when nothing of the kind is found.
"""
import sys

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a child that went away meanwhile
            continue
        yield from walk(child, depth + 1)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    return next((a for a in apps if a is not None and a.name.lower() == 'veltrin'), None)


def main(what):
    app = application()
    if app is None:
        return 1
    found = []
    for node in walk(app):
        role = node.getRoleName()
        name = node.name or ''
        if what == 'question' and role == 'text' and name == 'Question':
            text = node.queryText()
            found.append(text.getText(0, text.characterCount))
        elif what == 'review' and role == 'label' and name.startswith('Missed question'):
            found.append('%s: %s' % (name, (node.description or '').replace('\n', ' / ')))
        elif what == 'review' and role == 'progress bar':
            value = node.queryValue()
            found.append('%s: %d of %d' % (name, value.currentValue, value.maximumValue))
    try:
        for line in found:
            print(line, flush=True)
    except BrokenPipeError:
        # The reader (grep -q) had what it looked for and went: not a fault.
        sys.stdout = None
    return 0 if found else 1


if __name__ == '__main__':
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else 'question'))
