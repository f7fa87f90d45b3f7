#pragma once

#include <QString>

class QWidget;

namespace veltrin {

// A standard message box with an OK button only and the application's title.
// `text` is the message; `detail`, when not empty, is shown beneath it.
// It returns once the user has dismissed the box.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void information(QWidget* owner, const QString& text, const QString& detail) = 0;
};

} // namespace veltrin
