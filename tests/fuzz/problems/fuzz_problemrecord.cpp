// Feeds arbitrary bytes to the problem record decoder: it must never crash, and whatever it
// accepts must survive being written and read again unchanged.
#include "progress/ProblemRecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<clavora::ProblemRecord> record = clavora::ProblemRecord::Decode(bytes);
    if (!record)
        return 0;
    const QByteArray encoded = record->Encode();
    // Escaping can grow plain input past the size any record may have; such input has no twin.
    if (encoded.size() > clavora::ProblemRecord::MaxEncodedSize)
        return 0;
    const std::optional<clavora::ProblemRecord> again = clavora::ProblemRecord::Decode(encoded);
    if (!again || *again != *record || again->Encode() != encoded)
        std::abort();
    return 0;
}
