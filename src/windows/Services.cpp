#include "windows/Services.h"

#include "engine/BankReader.h"

namespace veltrin {

QString Services::bankPath() const
{
    return bankFile.isEmpty() ? BankReader::pathIn(folder) : bankFile;
}

} // namespace veltrin
