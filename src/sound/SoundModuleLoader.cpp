#include "sound/SoundModule.h"

#include <QDir>
#include <QLibrary>

namespace veltrin {

std::unique_ptr<WavePlayer> loadSoundModule(const QString& programFolder)
{
    QLibrary module(QDir(programFolder).filePath(QStringLiteral("veltrin-sound")));
    using Create = WavePlayer* (*)();
    const auto create = reinterpret_cast<Create>(module.resolve("veltrinCreateWavePlayer"));
    // The module stays loaded for the life of the program: its player does.
    return create != nullptr ? std::unique_ptr<WavePlayer>(create()) : nullptr;
}

} // namespace veltrin
