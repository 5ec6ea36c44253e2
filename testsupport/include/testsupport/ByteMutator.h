// Damages byte streams the same way on every run of a seed: flipped bytes,
// cut streams, large count or length prefixes, dropped and inserted bytes.
// For fuzz tests and fuzzers of the readers of stored data.
#pragma once

#include <stdint.h>

#include <algorithm>
#include <vector>

class CByteMutator {
 public:
  typedef std::vector<unsigned char> Bytes;

  explicit CByteMutator(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}
  uint32_t Below(uint32_t n) { return Next() % n; }
  /// One damage of a kind picked at random.
  void Mutate(Bytes& bytes) {
    switch (Below(5)) {
      case 0:  // flip a byte
        if (!bytes.empty()) bytes[Below((uint32_t)bytes.size())] ^= 1 + Below(255);
        break;
      case 1:  // cut the stream short
        bytes.resize(Below((uint32_t)bytes.size() + 1));
        break;
      case 2:  // a large count or length prefix somewhere
        if (bytes.size() > 4) {
          size_t at = Below((uint32_t)bytes.size() - 4);
          bytes[at] = 0xFF;
          bytes[at + 1] = 0xFF;
          bytes[at + 2] = static_cast<unsigned char>(Next());
          bytes[at + 3] = 0x7F;
        }
        break;
      case 3:  // drop a few bytes
        if (!bytes.empty()) {
          size_t at = Below((uint32_t)bytes.size());
          bytes.erase(bytes.begin() + at,
                      bytes.begin() + std::min(bytes.size(), at + 1 + Below(4)));
        }
        break;
      default:  // insert random bytes
        for (uint32_t i = 1 + Below(4); i > 0; --i)
          bytes.insert(bytes.begin() + Below((uint32_t)bytes.size() + 1),
                       static_cast<unsigned char>(Next()));
        break;
    }
  }

 private:
  // xorshift
  uint32_t Next() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  uint32_t m_state;
};
