#include "platform/PlatformInfo.h"

#include <QtGlobal>

namespace veltrin {

int HostPlatformInfo::platformId() const
{
#ifdef Q_OS_WIN
    return kPlatformWindowsNT;
#else
    return kPlatformOther;
#endif
}

} // namespace veltrin
