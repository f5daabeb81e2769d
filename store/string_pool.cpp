#include "store/string_pool.h"

#include <array>
#include <bit>
#include <cstring>

namespace orvane {

QString CStringPool::Share(ArchiveReader::RawString raw)
{
    QHash<Bytes, QString> &texts = raw.wide ? m_wide : m_narrow;
    const Bytes key{raw.bytes};
    const auto found = texts.constFind(key);
    if (found != texts.cend())
        return *found;
    return *texts.insert(key, ArchiveReader::Decode(raw));
}

namespace {

constexpr quint64 kMultiplier = 0x9E3779B97F4A7C15ULL;

quint64 Word(const char *data)
{
    quint64 word;
    std::memcpy(&word, data, sizeof word);
    return word;
}

quint64 Mix(quint64 hash, quint64 word)
{
    return (std::rotl(hash, 29) ^ word) * kMultiplier;
}

} // namespace

// Every byte counts, in four independent lanes so that the multiplications overlap; the texts
// come from the user's own file, so a fast mix seeded per run is enough.
size_t qHash(CStringPool::Bytes bytes, size_t seed)
{
    const char *data = bytes.view.data();
    qsizetype left = bytes.view.size();
    std::array<quint64, 4> lanes{seed, seed ^ 1, seed ^ 2, seed ^ static_cast<quint64>(left)};
    for (; left >= 32; left -= 32, data += 32)
        for (size_t lane = 0; lane < lanes.size(); ++lane)
            lanes[lane] = Mix(lanes[lane], Word(data + 8 * lane));
    quint64 hash = Mix(Mix(Mix(lanes[0], lanes[1]), lanes[2]), lanes[3]);
    for (; left >= 8; left -= 8, data += 8)
        hash = Mix(hash, Word(data));
    quint64 tail = 0;
    if (left > 0)
        std::memcpy(&tail, data, static_cast<size_t>(left));
    hash = Mix(hash, tail);
    return static_cast<size_t>(hash ^ (hash >> 32));
}

} // namespace orvane
