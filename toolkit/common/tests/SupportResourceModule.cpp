#include "SupportResourceModule.h"

#include <string.h>

#include <map>

#include "SupportImages.h"

namespace {

const DWORD kFileAlignment = 0x200;
const DWORD kSectionAlignment = 0x1000;
const DWORD kSectionRva = 0x1000;

DWORD AlignUp(DWORD value, DWORD alignment) { return (value + alignment - 1) & ~(alignment - 1); }

template <typename T>
void PutAt(std::string* out, size_t at, const T& value) {
  if (out->size() < at + sizeof value) out->resize(at + sizeof value, '\0');
  memcpy(&(*out)[at], &value, sizeof value);
}

}  // namespace

bool CTestResourceModule::Key::operator<(const Key& other) const {
  // Named entries come first, sorted by name; then numbered ones by number.
  if (isText != other.isText) return isText;
  return isText ? text < other.text : id < other.id;
}

CTestResourceModule::Key CTestResourceModule::MakeKey(LPCSTR value) {
  Key key = {false, 0, std::wstring()};
  if (IS_INTRESOURCE(value)) {
    key.id = LOWORD(reinterpret_cast<ULONG_PTR>(value));
  } else {
    key.isText = true;
    for (const char* p = value; *p; ++p) key.text += (wchar_t)toupper((unsigned char)*p);
  }
  return key;
}

CTestResourceModule::CTestResourceModule() : m_hModule(NULL) {}

CTestResourceModule::~CTestResourceModule() {
  if (m_hModule != NULL) FreeLibrary(m_hModule);
  if (!m_path.empty()) DeleteFileA(m_path.c_str());
}

void CTestResourceModule::Add(LPCSTR type, LPCSTR name, const std::string& data) {
  m_resources.push_back({MakeKey(type), MakeKey(name), data});
}

void CTestResourceModule::AddIconGroup(LPCSTR name, const std::vector<std::string>& images,
                                       WORD firstId) {
  for (size_t i = 0; i < images.size(); ++i) Add(RT_ICON, MAKEINTRESOURCE(firstId + i), images[i]);
  Add(RT_GROUP_ICON, name, TestImages::MakeGroupIconDir(images, firstId));
}

// The resource section: the type, name and language directories, the names,
// the data entries and the data, in that order.
std::string CTestResourceModule::BuildSection(DWORD sectionRva) const {
  std::map<Key, std::map<Key, const Resource*>> tree;
  for (const Resource& resource : m_resources) tree[resource.type][resource.name] = &resource;

  const DWORD entrySize = sizeof(IMAGE_RESOURCE_DIRECTORY_ENTRY);
  const DWORD dirSize = sizeof(IMAGE_RESOURCE_DIRECTORY);
  DWORD tablesSize = dirSize + entrySize * (DWORD)tree.size();
  size_t leaves = 0;
  for (const auto& type : tree) {
    tablesSize += dirSize + entrySize * (DWORD)type.second.size();
    tablesSize += (dirSize + entrySize) * (DWORD)type.second.size();
    leaves += type.second.size();
  }
  // Names after the tables, then the data entries, then the data.
  DWORD stringsOffset = tablesSize, stringsSize = 0;
  std::map<std::wstring, DWORD> stringOffsets;
  auto noteString = [&](const Key& key) {
    if (key.isText && !stringOffsets.count(key.text)) {
      stringOffsets[key.text] = stringsOffset + stringsSize;
      stringsSize += 2 + 2 * (DWORD)key.text.size();
    }
  };
  for (const auto& type : tree) {
    noteString(type.first);
    for (const auto& name : type.second) noteString(name.first);
  }
  const DWORD dataEntriesOffset = AlignUp(stringsOffset + stringsSize, 8);
  DWORD dataOffset = AlignUp(dataEntriesOffset + 16 * (DWORD)leaves, 8);

  std::string section;
  auto writeDirectory = [&](DWORD at, size_t named, size_t numbered) {
    IMAGE_RESOURCE_DIRECTORY directory;
    memset(&directory, 0, sizeof directory);
    directory.NumberOfNamedEntries = (WORD)named;
    directory.NumberOfIdEntries = (WORD)numbered;
    PutAt(&section, at, directory);
  };
  auto nameField = [&](const Key& key) -> DWORD {
    return key.isText ? (0x80000000u | stringOffsets[key.text]) : key.id;
  };
  auto countNamed = [](const auto& map) {
    size_t named = 0;
    for (const auto& item : map) named += item.first.isText ? 1 : 0;
    return named;
  };

  writeDirectory(0, countNamed(tree), tree.size() - countNamed(tree));
  DWORD next = dirSize + entrySize * (DWORD)tree.size();
  DWORD leaf = 0, typeIndex = 0;
  for (const auto& type : tree) {
    DWORD typeDir = next;
    DWORD rootEntry[2] = {nameField(type.first), 0x80000000u | typeDir};
    PutAt(&section, dirSize + entrySize * typeIndex++, rootEntry);
    const size_t named = countNamed(type.second);
    writeDirectory(typeDir, named, type.second.size() - named);
    next = typeDir + dirSize + entrySize * (DWORD)type.second.size();
    DWORD nameIndex = 0;
    for (const auto& name : type.second) {
      DWORD languageDir = next;
      next += dirSize + entrySize;
      DWORD typeEntry[2] = {nameField(name.first), 0x80000000u | languageDir};
      PutAt(&section, typeDir + dirSize + entrySize * nameIndex++, typeEntry);
      writeDirectory(languageDir, 0, 1);
      DWORD dataEntryAt = dataEntriesOffset + 16 * leaf++;
      DWORD languageEntry[2] = {0, dataEntryAt};
      PutAt(&section, languageDir + dirSize, languageEntry);
      IMAGE_RESOURCE_DATA_ENTRY dataEntry = {sectionRva + dataOffset,
                                             (DWORD)name.second->data.size(), 0, 0};
      PutAt(&section, dataEntryAt, dataEntry);
      section.resize(dataOffset + name.second->data.size(), '\0');
      if (!name.second->data.empty())
        memcpy(&section[dataOffset], name.second->data.data(), name.second->data.size());
      dataOffset = AlignUp(dataOffset + (DWORD)name.second->data.size(), 8);
    }
  }
  for (const auto& text : stringOffsets) {
    WORD length = (WORD)text.first.size();
    PutAt(&section, text.second, length);
    for (size_t i = 0; i < text.first.size(); ++i)
      PutAt(&section, text.second + 2 + 2 * i, (WORD)text.first[i]);
  }
  return section;
}

std::string CTestResourceModule::BuildImage() const {
  std::string section = BuildSection(kSectionRva);
  const DWORD rawSize =
      AlignUp((DWORD)section.size() > 0 ? (DWORD)section.size() : 1, kFileAlignment);
  section.resize(rawSize, '\0');

  IMAGE_DOS_HEADER dos;
  memset(&dos, 0, sizeof dos);
  dos.e_magic = IMAGE_DOS_SIGNATURE;
  dos.e_lfanew = sizeof dos;

  IMAGE_NT_HEADERS64 nt;
  memset(&nt, 0, sizeof nt);
  nt.Signature = IMAGE_NT_SIGNATURE;
  nt.FileHeader.Machine = IMAGE_FILE_MACHINE_AMD64;
  nt.FileHeader.NumberOfSections = 1;
  nt.FileHeader.SizeOfOptionalHeader = sizeof nt.OptionalHeader;
  nt.FileHeader.Characteristics =
      IMAGE_FILE_EXECUTABLE_IMAGE | IMAGE_FILE_DLL | IMAGE_FILE_LARGE_ADDRESS_AWARE;
  IMAGE_OPTIONAL_HEADER64& optional = nt.OptionalHeader;
  optional.Magic = IMAGE_NT_OPTIONAL_HDR64_MAGIC;
  optional.ImageBase = 0x10000000;
  optional.SectionAlignment = kSectionAlignment;
  optional.FileAlignment = kFileAlignment;
  optional.MajorOperatingSystemVersion = 6;
  optional.MajorSubsystemVersion = 6;
  optional.SizeOfImage = kSectionRva + AlignUp(rawSize, kSectionAlignment);
  optional.SizeOfHeaders = kFileAlignment;
  optional.Subsystem = IMAGE_SUBSYSTEM_WINDOWS_GUI;
  optional.SizeOfInitializedData = rawSize;
  optional.NumberOfRvaAndSizes = IMAGE_NUMBEROF_DIRECTORY_ENTRIES;
  optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].VirtualAddress = kSectionRva;
  optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_RESOURCE].Size = rawSize;

  IMAGE_SECTION_HEADER header;
  memset(&header, 0, sizeof header);
  memcpy(header.Name, ".rsrc", 5);
  header.Misc.VirtualSize = rawSize;
  header.VirtualAddress = kSectionRva;
  header.SizeOfRawData = rawSize;
  header.PointerToRawData = kFileAlignment;
  header.Characteristics = IMAGE_SCN_CNT_INITIALIZED_DATA | IMAGE_SCN_MEM_READ;

  std::string image;
  PutAt(&image, 0, dos);
  PutAt(&image, sizeof dos, nt);
  PutAt(&image, sizeof dos + sizeof nt, header);
  image.resize(kFileAlignment, '\0');
  return image + section;
}

HMODULE CTestResourceModule::Load() {
  if (m_hModule != NULL) return m_hModule;
  char folder[MAX_PATH] = {}, path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  if (!GetTempFileNameA(folder, "vrm", 0, path)) return NULL;
  m_path = path;
  const std::string image = BuildImage();
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  if (file == INVALID_HANDLE_VALUE) return NULL;
  DWORD written = 0;
  BOOL ok = WriteFile(file, image.data(), (DWORD)image.size(), &written, NULL);
  CloseHandle(file);
  if (!ok || written != image.size()) return NULL;
  m_hModule = LoadLibraryExA(path, NULL, LOAD_LIBRARY_AS_DATAFILE);
  return m_hModule;
}
