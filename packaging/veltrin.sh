#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Veltrin's Test from its program folder, which holds the question
# bank, pictures and sounds beside the program.
here=$(dirname "$(readlink -f "$0")")
exec "$here/../lib/veltrin/veltrin" "$@"
