#pragma once

#include "common/datadir.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every fuzz target shares: the application object, the data folder, a check that ends
// the run like a crash, and a reader that takes parameters off the front of an input.
namespace olma::fuzz {

// A broken promise of the code under test: reported and turned into a crash for the fuzzer.
#define OLMA_FUZZ_CHECK(condition)                                                                                     \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// The application object (timers and event loops need one) and the data folder of the source
// tree, where the log templates lie.
inline void initialise(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    olma::setDataDir(QStringLiteral(OLMA_FUZZ_DATA_DIR));
}

// A number made of all the bytes of an input, to choose a costly path on a sample of inputs. A
// choice made by a few bytes of the input would stick: the fuzzer keeps an input that took a
// costly path and mutates it mostly elsewhere, so its offspring would take that path far more
// often than intended.
inline std::uint32_t hashOf(const std::uint8_t* data, std::size_t size, std::uint32_t salt = 0)
{
    std::uint32_t hash = 2166136261u ^ salt;
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    return hash;
}

// One input in `oneIn`, as chosen by hashOf.
inline bool sampled(const std::uint8_t* data, std::size_t size, std::uint32_t oneIn, std::uint32_t salt = 0)
{
    return hashOf(data, size, salt) % oneIn == 0;
}

// Takes numbers and byte runs off the front of an input; past its end it reads zeros.
class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size) : _data(data), _size(size) {}

    std::uint8_t byte() { return _pos < _size ? _data[_pos++] : 0; }
    unsigned word()
    {
        const unsigned high = byte();
        return high << 8 | byte();
    }
    // Up to `count` bytes from the current position; fewer at the end of the input.
    const std::uint8_t* take(std::size_t count, std::size_t* taken)
    {
        *taken = count < remaining() ? count : remaining();
        const std::uint8_t* at = _data + _pos;
        _pos += *taken;
        return at;
    }
    std::size_t remaining() const { return _size - _pos; }
    bool atEnd() const { return _pos >= _size; }

private:
    const std::uint8_t* _data;
    std::size_t _size;
    std::size_t _pos = 0;
};

} // namespace olma::fuzz
