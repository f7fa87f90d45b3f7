#pragma once

#include <QString>

#include <functional>

namespace veltrin {

class Clock;
class MessageBox;
class RandomSource;
class Shell;
class WavePlayer;

// What the windows need of the platform. main() hands in the real ones; the
// window tests hand in fakes.
struct Services {
    Clock& clock;
    RandomSource& random;
    WavePlayer& player;
    MessageBox& messageBox;
    Shell& shell;
    QString folder;                   // the program folder
    std::function<void()> endProgram; // ends the program at once
};

} // namespace veltrin
