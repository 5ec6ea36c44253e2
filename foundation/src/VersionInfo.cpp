#include "VersionInfo.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

CVersionInfo::CVersionInfo(HMODULE module)
    : m_loaded(false), m_block(nullptr), m_prefix(""), m_fixed(nullptr) {
  char path[MAX_PATH + 1] = {};
  const DWORD n = GetModuleFileNameA(module, path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) Load(CTesselString(path));
}

CVersionInfo::~CVersionInfo() { Unload(); }

void CVersionInfo::Unload() {
  free(m_block);
  m_block = nullptr;
  m_fixed = nullptr;
  m_loaded = false;
  m_prefix.SetText("");
}

void CVersionInfo::Load(CTesselString path) {
  Unload();
  if (path.GetLength() < 1) return;
  const char* file = path.GetText();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
  if (size == 0) return;
  m_block = malloc(size);
  if (m_block == nullptr || !GetFileVersionInfoA(file, 0, size, m_block)) {
    Unload();
    return;
  }
  void* fixed = nullptr;
  UINT fixedSize = 0;
  WORD* translation = nullptr;
  UINT translationSize = 0;
  char root[] = "\\";
  char translationPath[] = "\\VarFileInfo\\Translation";
  if (!VerQueryValueA(m_block, root, &fixed, &fixedSize) || fixedSize < sizeof(VS_FIXEDFILEINFO) ||
      !VerQueryValueA(m_block, translationPath, (void**)&translation, &translationSize) ||
      translationSize < 2 * sizeof(WORD)) {
    Unload();
    return;
  }
  m_fixed = static_cast<const VS_FIXEDFILEINFO*>(fixed);
  char prefix[64];
  snprintf(prefix, sizeof(prefix), "\\StringFileInfo\\%04x%04x\\", translation[0], translation[1]);
  m_prefix.SetText(prefix);
  m_loaded = true;
}

CTesselString CVersionInfo::GetStringValue(CTesselString name) {
  if (!m_loaded || m_fixed == nullptr || m_block == nullptr) return CTesselString();
  CTesselString query(m_prefix);
  query.Append(name);
  char* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(m_block, query.GetText(), (void**)&value, &length) || length == 0 ||
      value == nullptr)
    return CTesselString();
  // The length counts characters, terminator included; never read past it.
  return CTesselString(std::string(value, strnlen(value, length)).c_str());
}

CTesselString CVersionInfo::GetProductVersion() {
  return GetStringValue(CTesselString("ProductVersion"));
}

int CVersionInfo::GetProductMajorVersion() const {
  if (!m_loaded || m_fixed == nullptr) return 0;
  return HIWORD(m_fixed->dwProductVersionMS);
}
