// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Language.h"

namespace veltrin {

// Puts the program's texts, and Qt's own (the standard message box's button,
// its accessible texts), into `language` for every window made afterwards.
// English is the texts as written: nothing is loaded. Returns false when a
// translation could not be loaded; the texts then stay English.
bool installTranslations(Language language);

// Back to English (the window tests switch languages).
void removeTranslations();

} // namespace veltrin
