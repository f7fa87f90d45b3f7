// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

// The folder that holds the program's executable, as a path text without a
// trailing separator (except for a root folder such as "/").
QString programFolder();

// Every file the program reads is named by its folder followed directly by a
// name that starts with a backslash ("\veltrin.dll", "\carstart.wav"), or by
// "\" and a picture name from the bank. Nothing is inserted or removed between
// the two. Banks come from Windows, so outside Windows each backslash in the
// name (never in the folder) is read as the path separator.
QString programPath(const QString& folder, const QString& backslashName);

// Finds a file that a bank names relative to the program folder ("signs\stop.png").
// Banks come from Windows, where names ignore letter case and use backslashes:
// each part of the name is matched without regard to case when no exact match
// exists. A leading separator and ".." parts that stay inside the folder are
// read as Windows reads them after the folder; names that leave the folder (a
// drive letter, a network share, a ".." that climbs out), that name a folder
// or hold a NUL find nothing. Returns the path found, or an empty text.
QString findProgramFile(const QString& folder, const QString& relativeName);

} // namespace veltrin
