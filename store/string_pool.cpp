#include "store/string_pool.h"

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

constexpr quint64 kPrime0 = 0x9E3779B97F4A7C15ULL;
constexpr quint64 kPrime1 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kPrime2 = 0x165667B19E3779F9ULL;
constexpr quint64 kPrime3 = 0xD6E8FEB86659FD93ULL;

quint64 Word(const char *data)
{
    quint64 word;
    std::memcpy(&word, data, sizeof word);
    return word;
}

quint64 HalfWord(const char *data)
{
    quint32 word;
    std::memcpy(&word, data, sizeof word);
    return word;
}

quint64 Byte(const char *data)
{
    return static_cast<unsigned char>(*data);
}

// The full 128-bit product of two words, its halves folded together: one multiplication mixes
// 16 bytes.
quint64 Fold(quint64 a, quint64 b)
{
    __extension__ using Product = unsigned __int128;
    const Product product = static_cast<Product>(a) * b;
    return static_cast<quint64>(product) ^ static_cast<quint64>(product >> 64);
}

} // namespace

// Every byte counts. Long texts go 48 bytes a round in three independent products, so that the
// multiplications overlap; the last 16 bytes are read where they end, overlapping what came
// before, instead of byte by byte. The texts come from the user's own file, so a fast mix seeded
// per run is enough.
size_t qHash(CStringPool::Bytes bytes, size_t seed)
{
    const char *data = bytes.view.data();
    const auto size = static_cast<quint64>(bytes.view.size());
    quint64 state = seed ^ kPrime0;
    quint64 first = 0;
    quint64 last = 0;
    if (size <= 16) {
        if (size >= 4) {
            const quint64 step = (size >> 3) << 2;
            first = HalfWord(data) << 32 | HalfWord(data + step);
            last = HalfWord(data + size - 4) << 32 | HalfWord(data + size - 4 - step);
        } else if (size > 0) {
            first = Byte(data) << 16 | Byte(data + size / 2) << 8 | Byte(data + size - 1);
        }
    } else {
        quint64 left = size;
        if (left > 48) {
            quint64 second = state;
            quint64 third = state;
            do {
                state = Fold(Word(data) ^ kPrime1, Word(data + 8) ^ state);
                second = Fold(Word(data + 16) ^ kPrime2, Word(data + 24) ^ second);
                third = Fold(Word(data + 32) ^ kPrime3, Word(data + 40) ^ third);
                data += 48;
                left -= 48;
            } while (left > 48);
            state ^= second ^ third;
        }
        for (; left > 16; data += 16, left -= 16)
            state = Fold(Word(data) ^ kPrime1, Word(data + 8) ^ state);
        first = Word(data + left - 16);
        last = Word(data + left - 8);
    }
    return static_cast<size_t>(Fold(kPrime1 ^ size, Fold(first ^ kPrime1, last ^ state)));
}

} // namespace orvane
