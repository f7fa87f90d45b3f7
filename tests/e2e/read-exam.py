#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the exam window of a running Veltrin's Test as a screen reader does,
through AT-SPI, and prints what it finds: the clock and the question number
with the captions that label them, and the picture's description.

    read-exam.py        exit 0 when the clock ("m:ss", labelled Time) and the
                        question number (labelled Question) are both found
"""
import re
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


def labels_of(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name)
    return names


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    app = next((a for a in apps if a is not None and a.name.lower() == 'veltrin'), None)
    if app is None:
        print('no application named Veltrin on the accessibility bus:', [a.name for a in apps if a])
        return 1
    clock = number = picture = None
    for node in walk(app):
        role = node.getRoleName()
        name = node.name or ''
        said = ' '.join(labels_of(node) + [node.description or ''])
        if role == 'label' and re.fullmatch(r'\d+:\d\d', name) and 'Time' in said:
            clock = 'Time ' + name
        elif role == 'label' and re.fullmatch(r'\d+', name) and 'Question' in said:
            number = 'Question ' + name
        elif name == 'Picture':
            picture = node.description
    print('clock:', clock)
    print('question number:', number)
    print('picture:', picture)
    return 0 if clock and number else 1


if __name__ == '__main__':
    sys.exit(main())
