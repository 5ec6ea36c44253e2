// Benchmark of the foundation's string, checksum, list and maps against the nearest
// standard-library equivalents. Not a test: prints timings, checks nothing.
//   scripts/wine.sh build/foundation/foundation_bench.exe
#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "TesselChecksum.h"
#include "foundation/TesselList.h"
#include "foundation/TesselMap.h"
#include "foundation/TesselOptimizedMap.h"
#include "foundation/TesselString.h"

namespace {

const int kOps = 1000000;
volatile uint64_t g_sink = 0;  // keeps results alive

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

template <typename F>
double Time(F&& work) {
  double start = Now();
  work();
  return Now() - start;
}

void Row(const char* what, double tessel, double standard, const char* equivalent) {
  printf("%-44s %10.1f ms %10.1f ms %8.2fx  (%s)\n", what, tessel, standard,
         standard > 0 ? tessel / standard : 0.0, equivalent);
}

// 1,000,000 appends of an 8-character piece; each string restarts after 100
// appends (so every string grows to 800 characters), as a log line or a path is built.
void StringAppend() {
  double tessel = Time([] {
    CTesselString s;
    for (int i = 0; i < kOps; ++i) {
      if (i % 100 == 0) s.SetText("");
      s.AppendText("abcdefgh");
    }
    g_sink += s.GetLength();
  });
  double standard = Time([] {
    std::string s;
    for (int i = 0; i < kOps; ++i) {
      if (i % 100 == 0) s.assign("");
      s.append("abcdefgh");
    }
    g_sink += s.size();
  });
  Row("string append (8 chars) x1M", tessel, standard, "std::string::append");
}

void StringFormat() {
  double tessel = Time([] {
    CTesselString s;
    for (int i = 0; i < kOps; ++i) {
      s.Format("Step %ld of %ld Steps", static_cast<long>(i), static_cast<long>(kOps));
      g_sink += s.GetLength();
    }
  });
  double standard = Time([] {
    std::string s;
    char text[4096];
    for (int i = 0; i < kOps; ++i) {
      int n = snprintf(text, sizeof(text), "Step %ld of %ld Steps", static_cast<long>(i),
                       static_cast<long>(kOps));
      s.assign(text, n);
      g_sink += s.size();
    }
  });
  Row("string Format x1M", tessel, standard, "snprintf + std::string::assign");
}

// 1 MB (1,048,576 byte steps), hashed 16 times; the time is per MB.
void Checksum() {
  std::vector<unsigned char> block(1 << 20);
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<unsigned char>(i * 131 + 7);
  const int rounds = 16;
  double tessel = Time([&] {
                    for (int r = 0; r < rounds; ++r)
                      g_sink +=
                          Crc64Update(block.data(), static_cast<int>(block.size()), -1, -1, false);
                  }) /
                  rounds;
  double crc32 =
      Time([&] {
        for (int r = 0; r < rounds; ++r)
          g_sink += Crc32Update(block.data(), static_cast<int>(block.size()), 0xFFFFFFFFu, false);
      }) /
      rounds;
  double standard =
      Time([&] {
        std::hash<std::string_view> hash;
        for (int r = 0; r < rounds; ++r)
          g_sink +=
              hash(std::string_view(reinterpret_cast<const char*>(block.data()), block.size()));
      }) /
      rounds;
  Row("CRC-64 of 1 MB", tessel, standard, "std::hash<std::string_view>");
  Row("CRC-32 of 1 MB", crc32, standard, "std::hash<std::string_view>");
}

void ListAddAndIndex() {
  std::vector<int> values(kOps);
  for (int i = 0; i < kOps; ++i) values[i] = i;
  double tessel = Time([&] {
    CTesselList list;
    for (int i = 0; i < kOps; ++i) list.AddTail(&values[i]);
    uint64_t sum = 0;
    for (int i = 0; i < kOps; ++i) sum += *static_cast<int*>(list.GetAt(i));
    g_sink += sum;
  });
  double standard = Time([&] {
    std::vector<void*> list;
    for (int i = 0; i < kOps; ++i) list.push_back(&values[i]);
    uint64_t sum = 0;
    for (int i = 0; i < kOps; ++i) sum += *static_cast<int*>(list[i]);
    g_sink += sum;
  });
  Row("list AddTail + GetAt x1M", tessel, standard, "std::vector push_back + []");
}

// Keys spread over the 32-bit range, some negative, as handles and addresses are.
int64_t KeyOf(int i) { return static_cast<int64_t>(static_cast<int32_t>(i * 2654435761u)); }

// Adds kOps keys to a fresh map made ready by `prepare`, then finds each again.
template <class Map, class Prepare, class Add, class Found>
double TimeAddFind(Prepare prepare, Add add, Found found) {
  std::vector<int> values(kOps);
  return Time([&] {
    Map map;
    prepare(map);
    for (int i = 0; i < kOps; ++i) add(map, KeyOf(i), &values[i]);
    uint64_t hits = 0;
    for (int i = 0; i < kOps; ++i) hits += found(map, KeyOf(i));
    g_sink += hits;
  });
}

const auto kAsIs = [](auto&) {};
const auto kTesselAdd = [](auto& map, int64_t key, void* value) { map.AddKey(key, value); };
const auto kTesselFound = [](auto& map, int64_t key) { return map.FindKey(key) != nullptr; };

double TimeStandardMap() {
  return TimeAddFind<std::unordered_map<int64_t, void*>>(
      kAsIs, [](auto& map, int64_t key, void* value) { map.emplace(key, value); },
      [](auto& map, int64_t key) { return map.find(key) != map.end(); });
}

void MapInsertLookup() {
  double standard = TimeStandardMap();
  double tessel = TimeAddFind<CTesselMap>(kAsIs, kTesselAdd, kTesselFound);
  Row("CTesselMap Add + Find x1M (10009 buckets)", tessel, standard, "std::unordered_map");
  double tesselSized = TimeAddFind<CTesselMap>([](CTesselMap& map) { map.SetBucketCount(1000003); },
                                               kTesselAdd, kTesselFound);
  Row("CTesselMap Add + Find x1M (1000003 buckets)", tesselSized, standard, "std::unordered_map");
}

void OptimizedMapInsertLookup() {
  double tessel = TimeAddFind<CTesselOptimizedMap>(kAsIs, kTesselAdd, kTesselFound);
  Row("CTesselOptimizedMap Add + Find x1M", tessel, TimeStandardMap(), "std::unordered_map");
}

}  // namespace

int main() {
  printf("Foundation benchmark: 1,000,000 operations per row (CRC: per MB)\n");
  printf("%-44s %13s %13s %9s\n", "operation", "foundation", "standard", "ratio");
  StringAppend();
  StringFormat();
  Checksum();
  ListAddAndIndex();
  MapInsertLookup();
  OptimizedMapInsertLookup();
  printf("(checksum of results: %llu)\n", static_cast<unsigned long long>(g_sink));
  return 0;
}
