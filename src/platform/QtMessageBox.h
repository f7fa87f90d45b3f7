// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/MessageBox.h"

namespace veltrin {

// The standard message box, titled with the application's title "Veltrin",
// whose one button reads as the OK of the program's own windows.
class QtMessageBox final : public MessageBox {
public:
    void information(
        QWidget* owner, const QString& text, const QString& detail, std::function<void()> dismissed) override;
};

} // namespace veltrin
