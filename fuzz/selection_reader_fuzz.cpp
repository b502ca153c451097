// Selection files of any content, checked like order files.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    kvfuzz::setUp();
    kvfuzz::checkSelectionReader(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
