// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace veltrin {

// A standard message box with an OK button only and the application's title.
// `text` is the message; `detail`, when not empty, is shown beneath it. Both
// are shown as plain text. The box is modal and returns at once; `dismissed`
// runs once the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void information(
        QWidget* owner, const QString& text, const QString& detail, std::function<void()> dismissed)
        = 0;
};

} // namespace veltrin
