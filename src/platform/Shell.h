#pragma once

#include <QString>

class QWidget;

namespace veltrin {

// Show commands as the shell takes them.
inline constexpr int kShowHidden = 0;
inline constexpr int kShowNormalFocus = 1;

// The two ways the about window hands its web address to the system.
class Shell {
public:
    virtual ~Shell() = default;
    // The shell's "open" (or another operation) of a file or address.
    virtual void execute(QWidget* owner, const QString& operation, const QString& file, const QString& parameters,
        const QString& directory, int showCommand)
        = 0;
    // Starts a command line as a new process with the given window style.
    virtual void run(const QString& commandLine, int windowStyle) = 0;
};

} // namespace veltrin
