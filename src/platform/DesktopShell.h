#pragma once

#include "platform/Shell.h"

namespace veltrin {

// Hands addresses to the desktop. The shell's "open" and the command line
// "start <address>" both end in the user's browser: on Windows through the
// shell itself, elsewhere through the desktop's opener (which honours the
// BROWSER variable).
class DesktopShell final : public Shell {
public:
    void execute(QWidget* owner, const QString& operation, const QString& file, const QString& parameters,
        const QString& directory, int showCommand) override;
    void run(const QString& commandLine, int windowStyle) override;
};

} // namespace veltrin
