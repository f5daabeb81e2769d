#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <cstring>

namespace orvane {

// Mixes the bits of `x` (the finalizer of splitmix64).
constexpr quint64 MixBits(quint64 x)
{
    x ^= x >> 30;
    x *= 0xbf58476d1ce4e5b9ULL;
    x ^= x >> 27;
    x *= 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

// A 64-bit hash of `bytes` that is the same in every process, unlike Qt's, which each process
// seeds anew: for numbers kept in files. Machines of another byte order give other numbers.
inline quint64 StableHash(QByteArrayView bytes, quint64 seed)
{
    constexpr quint64 kOdd = 0x9e3779b97f4a7c15ULL;
    quint64 hash = seed ^ (static_cast<quint64>(bytes.size()) * kOdd);
    const char *at = bytes.data();
    qsizetype left = bytes.size();
    for (; left >= 8; at += 8, left -= 8) {
        quint64 word;
        std::memcpy(&word, at, 8);
        hash = (hash ^ MixBits(word)) * kOdd;
    }
    quint64 tail = 0;
    if (left > 0)
        std::memcpy(&tail, at, static_cast<size_t>(left));
    return MixBits((hash ^ MixBits(tail)) * kOdd);
}

} // namespace orvane
