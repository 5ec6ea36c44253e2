// Damaged build files for robustness runs: a few sound files saved by the
// build-file writer, then mutated at random (deterministically, by seed).
// Shared by the engine_fuzz tool and the engine's fuzz test.
#pragma once

#include <windows.h>
#include <stdint.h>
#include <string.h>

#include <string>
#include <vector>

#include "engine/BuildStepFileManager.h"

/// Makes mutated build files from a corpus of sound ones.
class CBuildFileMutator {
 public:
  explicit CBuildFileMutator(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}

  /// Saves a few builds into `folder` and keeps their bytes as the corpus.
  bool MakeCorpus(const std::string& folder) {
    for (int build = 0; build < 4; ++build) {
      CBuildStepFileManager manager;
      for (int s = 0; s < build * 2; ++s) {
        CBuildStepDataDefinition* step = new CBuildStepDataDefinition;
        step->m_stepType = s % 18;
        step->m_paused = s % 3 == 0;
        for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i)
          step->GetTextField(i)->SetText(std::string((s + i) % 5, char('a' + i)).c_str());
        if (build == 3) step->m_description.SetWideText(L"wide \x20AC");
        manager.GetStepList().AddTail(step);
      }
      for (int v = 0; v < build; ++v) {
        CVariableDefDataDefinition* variable = new CVariableDefDataDefinition;
        variable->SetName(("VAR" + std::to_string(v)).c_str());
        variable->SetValue(std::string(v * 3, 'x').c_str());
        manager.GetVariableList().AddTail(variable);
      }
      std::string path = folder + "\\corpus" + std::to_string(build) + ".velm";
      bool saved = manager.SaveBuildFile(CTesselString(path.c_str()));
      manager.Clear();
      if (!saved) return false;
      m_corpus.push_back(ReadFile(path));
      DeleteFileA(path.c_str());
    }
    return true;
  }

  /// One case: a corpus file with one to four random mutations.
  std::string Next() {
    std::string bytes = m_corpus[Below((uint32_t)m_corpus.size())];
    for (uint32_t n = 1 + Below(4); n > 0; --n) Mutate(&bytes);
    return bytes;
  }

  static bool WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr) &&
              written == bytes.size();
    CloseHandle(file);
    return ok;
  }

  static std::string ReadFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char chunk[4096];
    DWORD got = 0;
    while (::ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
      bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
  }

 private:
  uint32_t Random() {  // xorshift32: the same seed gives the same cases everywhere
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  uint32_t Below(uint32_t bound) { return bound ? Random() % bound : 0; }

  // Values that sizes and counts go wrong with.
  int32_t Interesting() {
    static const int32_t values[] = {
        0,  1,         -1,  3,      4,       5,          8,
        12, 72,        255, 0x7FFF, 0x10000, 0x7FFFFFFF, (int32_t)0x80000000,
        -8, 0x3FFFFFFF};
    return values[Below(sizeof values / sizeof values[0])];
  }

  void PutInt32(std::string* bytes, size_t at, int32_t value) {
    if (at + 4 <= bytes->size()) memcpy(&(*bytes)[at], &value, 4);
  }

  void Mutate(std::string* bytes) {
    if (bytes->empty()) return;
    const size_t at = Below((uint32_t)bytes->size());
    switch (Below(8)) {
      case 0:
        (*bytes)[at] ^= char(1u << Below(8));
        break;
      case 1:
        (*bytes)[at] = char(Random());
        break;
      case 2:
        PutInt32(bytes, at, Interesting());
        break;
      case 3:
        bytes->resize(at);
        break;
      case 4:
        bytes->insert(at, std::string(1 + Below(16), char(Random())));
        break;
      case 5:
        bytes->erase(at, 1 + Below(16));
        break;
      case 6:
        PutInt32(bytes, 40 + 4 * Below(3), Below(2) ? Interesting() : int32_t(Below(4)));
        break;
      default: {  // repeat a slice, as a half-written or doubled record would
        size_t length = 1 + Below(64);
        bytes->insert(Below((uint32_t)bytes->size()), bytes->substr(at, length));
      }
    }
  }

  uint32_t m_state;
  std::vector<std::string> m_corpus;
};
