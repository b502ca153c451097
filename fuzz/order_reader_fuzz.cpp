// Order files of any content: the reader never crashes, never leaves a
// refused file unexplained, and what it loads saves back consistently.
#include "FuzzSupport.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    kvfuzz::setUp();
    kvfuzz::checkOrderReader(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
