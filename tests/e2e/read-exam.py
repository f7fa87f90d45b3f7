#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the exam window of a running Veltrin's Test as a screen reader does,
through AT-SPI, and prints what it finds: the clock and the question number
with the captions that label them, and the picture's description.

    read-exam.py [SECONDS]
                        exit 0 once the clock ("m:ss", labelled Time) shows a
                        second or more and the question number (labelled
                        Question) is found; the accessibility tree is read
                        again and again until then, for SECONDS at most (30)
"""
import re
import sys
import time

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


def read(desktop):
    """What the exam window tells a screen reader now: the clock, the question
    number and the picture's description (None for each not found), the texts
    of its labels, and the names of the applications on the bus."""
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    names = [a.name or '' for a in apps if a is not None]
    app = next((a for a in apps if a is not None and (a.name or '').lower() == 'veltrin'), None)
    clock = number = picture = None
    texts = []
    if app is not None:
        for node in walk(app):
            role = node.getRoleName()
            name = node.name or ''
            if role == 'label' and name:
                texts.append(name)
            said = ' '.join(labels_of(node) + [node.description or ''])
            if role == 'label' and re.fullmatch(r'\d+:\d\d', name) and 'Time' in said:
                clock = name
            elif role == 'label' and re.fullmatch(r'\d+', name) and 'Question' in said:
                number = name
            elif name == 'Picture':
                picture = node.description
    return clock, number, picture, texts, names


def ticked(clock):
    """The clock shows a second or more: it runs."""
    minutes, seconds = clock.split(':')
    return int(minutes) * 60 + int(seconds) >= 1


def main():
    limit = float(sys.argv[1]) if len(sys.argv) > 1 else 30
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.monotonic() + limit
    clock = number = picture = None
    texts = names = []
    trouble = None
    while True:
        try:
            clock, number, picture, texts, names = read(desktop)
            trouble = None
        except Exception as error:  # a node that went away while it was read
            trouble = error
        if clock and ticked(clock) and number:
            break
        if time.monotonic() > deadline:
            print(f'FAILED: waited {limit:g} s for the clock labelled Time to show a second or more'
                  ' and for the question number labelled Question')
            if 'veltrin' not in [n.lower() for n in names]:
                print('no application named Veltrin on the accessibility bus:', names)
            else:
                print('its labels read:', texts)
            if trouble is not None:
                print('the last reading broke off:', trouble)
            break
        time.sleep(0.1)
    print('clock:', clock and 'Time ' + clock)
    print('question number:', number and 'Question ' + number)
    print('picture:', picture)
    return 0 if clock and ticked(clock) and number else 1


if __name__ == '__main__':
    sys.exit(main())
