// Damaged icon files, icon images, archived icons and archived bitmap blocks
// for robustness runs: sound ones made by the toolkit's own writers and the
// test image builders, then mutated at random (deterministically, by seed).
// Every case is read from memory that ends at an inaccessible page, so reading
// one byte past the data stops the run. Shared by the common_image_fuzz tool
// and the image reader fuzz test.
#pragma once

#include "afxwin.h"

#include <stdint.h>
#include <string.h>

#include <string>
#include <utility>
#include <vector>

#include "common/TKImageManager.h"
#include "common/TKImageManagerIcon.h"

#include "../tests/SupportImages.h"

/// A copy of some bytes that ends exactly where an inaccessible page starts.
class CGuardedBytes {
 public:
  explicit CGuardedBytes(const std::string& bytes) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    const size_t page = info.dwPageSize;
    const size_t span = (bytes.size() + page - 1) / page * page;
    m_pBase = static_cast<BYTE*>(VirtualAlloc(NULL, span + page, MEM_COMMIT, PAGE_READWRITE));
    DWORD old = 0;
    VirtualProtect(m_pBase + span, page, PAGE_NOACCESS, &old);
    m_pData = m_pBase + span - bytes.size();
    if (!bytes.empty()) memcpy(m_pData, bytes.data(), bytes.size());
    m_nSize = bytes.size();
  }
  ~CGuardedBytes() { VirtualFree(m_pBase, 0, MEM_RELEASE); }
  CGuardedBytes(const CGuardedBytes&) = delete;
  CGuardedBytes& operator=(const CGuardedBytes&) = delete;

  BYTE* Data() const { return m_pData; }
  DWORD Size() const { return (DWORD)m_nSize; }

 private:
  BYTE* m_pBase;
  BYTE* m_pData;
  size_t m_nSize;
};

/// A 1 x 1 32-bit bitmap block whose header announces both bit-field masks
/// and 256 colours: 40 header bytes, the masks, a 1024-byte table (1076 in
/// all), then one pixel. Masks stand in place of a table, so the table is
/// none of the bitmap's.
inline std::pair<std::string, std::string> MasksAndTableBlock() {
  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = 1;
  header.biHeight = 1;
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_BITFIELDS;
  header.biSizeImage = 4;
  header.biClrUsed = 256;
  const DWORD masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  std::string first(reinterpret_cast<const char*>(&header), sizeof header);
  first.append(reinterpret_cast<const char*>(masks), sizeof masks);
  first += std::string(256 * sizeof(RGBQUAD), '\x5A');
  return {first, std::string("\x10\x20\x40\x80", 4)};
}

/// Counts of one run.
struct ImageFuzzTally {
  long iconFiles = 0, iconFilesStored = 0;
  long iconImages = 0, iconImagesLoaded = 0;
  long archives = 0, archivesLoaded = 0, archivesRaised = 0;
  long blocks = 0, blocksLoaded = 0;
};

/// Makes the corpora and the mutated cases.
class CImageReaderMutator {
 public:
  explicit CImageReaderMutator(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {}

  /// Sound files: .ico files, single icon images, archived icons, bitmap blocks.
  void MakeCorpus() {
    using TestImages::MakeIconImage;
    auto pixel = [](int x, int y) { return TestImages::Bgra(x * 9, y * 7, 100, (x + y) * 8); };
    auto edge = [](int x, int y) { return x == 0 || y == 0; };
    const std::string images[] = {
        MakeIconImage(16, 16, 24, pixel, edge), MakeIconImage(32, 32, 32, pixel, edge),
        MakeIconImage(5, 3, 24, pixel, edge), MakeIconImage(48, 48, 32, pixel, edge)};
    for (const std::string& image : images) m_iconImages.push_back(image);
    m_iconFiles.push_back(TestImages::MakeIcoFile({images[0]}));
    m_iconFiles.push_back(TestImages::MakeIcoFile({images[0], images[1]}));
    m_iconFiles.push_back(TestImages::MakeIcoFile({images[2], images[3], images[1]}));

    CTKImageManager manager;
    manager.m_bUseResources = FALSE;
    CTKImageManagerIconSet set(1, &manager);
    CTKImageManagerIconHandle alpha, icon;
    alpha.SetBitmap(MakeBitmap(16, 16));
    icon.SetIcon(CreateIconFromImage(images[0], 16));
    CTKImageManagerIcon* pFirst = set.GetOrCreateIcon(16);
    pFirst->SetNormalImage(alpha);
    pFirst->SetHotImage(icon);
    m_archives.push_back(Store(pFirst));
    CTKImageManagerIcon* pSecond = set.GetOrCreateIcon(5);
    CTKImageManagerIconHandle small;
    small.SetBitmap(MakeBitmap(5, 3));
    pSecond->SetNormalImage(small);
    pSecond->SetDisabledImage(icon);
    pSecond->SetPressedImage(small);
    m_archives.push_back(Store(pSecond));

    for (int bits : {1, 8, 24, 32}) m_blocks.push_back(Block(7, 5, bits));
    m_blocks.push_back(MasksAndTableBlock());
  }

  std::string NextIconFile() { return Mutated(Pick(m_iconFiles)); }
  std::string NextIconImage() { return Mutated(Pick(m_iconImages)); }
  std::string NextArchive() { return Mutated(Pick(m_archives)); }
  /// A header block and a pixel block of one bitmap, each mutated.
  void NextBlock(std::string* pHeader, std::string* pPixels) {
    const std::pair<std::string, std::string>& block = Pick(m_blocks);
    *pHeader = Below(4) ? Mutated(block.first) : block.first;
    *pPixels = block.second;
    if (Below(3) == 0) Mutate(pPixels);
  }

 private:
  static HBITMAP MakeBitmap(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pvBits = NULL;
    HBITMAP hBitmap = CreateDIBSection(NULL, &info, DIB_RGB_COLORS, &pvBits, NULL, 0);
    DWORD* pBits = static_cast<DWORD*>(pvBits);
    for (int i = 0; i < width * height; ++i) pBits[i] = i % 3 ? 0xFF204060u * (i % 7) : 0;
    return hBitmap;
  }
  static HICON CreateIconFromImage(std::string image, int size) {
    return CreateIconFromResourceEx(reinterpret_cast<BYTE*>(&image[0]), (DWORD)image.size(), TRUE,
                                    0x30000, size, size, 0);
  }
  static std::string Store(CTKImageManagerIcon* pIcon) {
    CMemFile file;
    {
      CArchive ar(&file, CArchive::store);
      pIcon->Serialize(ar);
    }
    std::string bytes((size_t)file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], (UINT)bytes.size());
    return bytes;
  }
  // A header with its colour table (as an archive stores it) and the pixels.
  static std::pair<std::string, std::string> Block(int width, int height, int bits) {
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = (WORD)bits;
    const int stride = ((width * bits + 31) / 32) * 4;
    header.biSizeImage = (DWORD)(stride * height);
    const size_t table = (bits <= 8 ? (1u << bits) : 3) * 4;
    std::string first(reinterpret_cast<const char*>(&header), sizeof header);
    first += std::string(table, '\x40');
    std::string pixels;
    for (DWORD i = 0; i < header.biSizeImage; ++i) pixels += char(i * 13);
    return {first, pixels};
  }

  template <typename T>
  const T& Pick(const std::vector<T>& items) {
    return items[Below((uint32_t)items.size())];
  }
  uint32_t Random() {  // xorshift32: the same seed gives the same cases everywhere
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  uint32_t Below(uint32_t bound) { return bound ? Random() % bound : 0; }

  // Values that sizes, counts and offsets go wrong with.
  int32_t Interesting() {
    static const int32_t values[] = {0,      1,          -1,      2,          3,
                                     4,      8,          12,      16,         24,
                                     32,     40,         52,      255,        256,
                                     0x7FFF, 0xFFFF,     0x10000, 0x7FFFFFFF, (int32_t)0x80000000,
                                     -8,     0x3FFFFFFF, 0x1000,  1000000};
    return values[Below(sizeof values / sizeof values[0])];
  }

  void Put(std::string* bytes, size_t at, int32_t value, size_t width) {
    if (at + width <= bytes->size()) memcpy(&(*bytes)[at], &value, width);
  }

  // A field of a BITMAPINFOHEADER, or of an .ico directory entry, found by
  // looking for header sizes of 40 and for the directory at the start.
  size_t FieldOffset(const std::string& bytes) {
    std::vector<size_t> headers;
    for (size_t at = 0; at + 40 <= bytes.size(); ++at)
      if (bytes.compare(at, 4, std::string("\x28\0\0\0", 4)) == 0) headers.push_back(at);
    static const size_t headerFields[] = {0, 4, 8, 12, 14, 16, 20, 32};
    static const size_t entryFields[] = {0, 1, 4, 6, 8, 12};
    if (!headers.empty() && Below(3)) {
      return headers[Below((uint32_t)headers.size())] +
             headerFields[Below(sizeof headerFields / sizeof headerFields[0])];
    }
    if (bytes.size() >= 22 && bytes[2] == 1 && Below(2))
      return 6 + 16 * Below(1 + (uint32_t)((bytes.size() - 6) / 16 % 4)) +
             entryFields[Below(sizeof entryFields / sizeof entryFields[0])];
    return Below((uint32_t)bytes.size());
  }

  void Mutate(std::string* bytes) {
    if (bytes->empty()) {
      bytes->assign(1 + Below(64), char(Random()));
      return;
    }
    const size_t at = Below((uint32_t)bytes->size());
    switch (Below(9)) {
      case 0:
        (*bytes)[at] ^= char(1u << Below(8));
        break;
      case 1:
        (*bytes)[at] = char(Random());
        break;
      case 2:
      case 3:
        Put(bytes, FieldOffset(*bytes), Interesting(), Below(2) ? 4 : 2);
        break;
      case 4:
        Put(bytes, FieldOffset(*bytes), (int32_t)Random(), 4);
        break;
      case 5:
        bytes->resize(at);
        break;
      case 6:
        bytes->insert(at, std::string(1 + Below(64), char(Random())));
        break;
      case 7:
        bytes->erase(at, 1 + Below(64));
        break;
      default: {  // repeat a slice, as a doubled record would
        const size_t length = 1 + Below(128);
        bytes->insert(Below((uint32_t)bytes->size()), bytes->substr(at, length));
      }
    }
  }

  std::string Mutated(std::string bytes) {
    for (uint32_t n = 1 + Below(4); n > 0; --n) Mutate(&bytes);
    return bytes;
  }

  uint32_t m_state;
  std::vector<std::string> m_iconFiles, m_iconImages, m_archives;
  std::vector<std::pair<std::string, std::string>> m_blocks;
};

/// One case of each reader, counted in `tally`. Anything but the exceptions an
/// archive load may raise escapes to the caller.
inline void RunIconFileCase(CTKImageManager& manager, const std::string& bytes,
                            ImageFuzzTally& tally) {
  CGuardedBytes guarded(bytes);
  CMemFile file(guarded.Data(), guarded.Size());
  ++tally.iconFiles;
  tally.iconFilesStored += manager.SetIconsFromIconStream(&file, 1) ? 1 : 0;
  manager.RemoveAll();
}

inline void RunIconImageCase(const std::string& bytes, ImageFuzzTally& tally) {
  CGuardedBytes guarded(bytes);
  CTKImageManagerIconHandle handle;
  ++tally.iconImages;
  tally.iconImagesLoaded += handle.LoadFromIconImage(guarded.Data(), guarded.Size(), 16, 16);
}

inline void RunArchiveCase(CTKImageManagerIconSet& set, const std::string& bytes,
                           ImageFuzzTally& tally) {
  CGuardedBytes guarded(bytes);
  CMemFile file(guarded.Data(), guarded.Size());
  CTKImageManagerIcon* pIcon = set.GetOrCreateIcon(16);
  ++tally.archives;
  try {
    CArchive ar(&file, CArchive::load);
    pIcon->Serialize(ar);
    ++tally.archivesLoaded;
  } catch (CArchiveException* e) {
    e->Delete();
    ++tally.archivesRaised;
  } catch (CMemoryException* e) {
    e->Delete();
    ++tally.archivesRaised;
  }
  set.ClearIcons();
}

inline void RunBlockCase(const std::string& header, const std::string& pixels,
                         ImageFuzzTally& tally) {
  CGuardedBytes guardedHeader(header), guardedPixels(pixels);
  ++tally.blocks;
  HBITMAP hBitmap = CTKImageManagerIcon::CreateBitmapFromBlock(
      guardedHeader.Data(), guardedHeader.Size(), guardedPixels.Data(), guardedPixels.Size(), NULL);
  if (hBitmap != NULL) {
    ++tally.blocksLoaded;
    DeleteObject(hBitmap);
  }
}
