// The version resource of a module: product version text and major number.
#pragma once

#include <windows.h>

#include "foundation/TesselString.h"

/// Reads a module's version resource once, at construction or Load, and
/// answers its string values (from the first translation) and the fixed
/// product version. A module or file without a readable resource leaves the
/// object unloaded: strings are empty and the major version is 0.
/// One thread at a time.
class CVersionInfo {
 public:
  /// Loads the resource of `module` (null: the running executable).
  explicit CVersionInfo(HMODULE module);
  virtual ~CVersionInfo();

  /// Replaces what was loaded by the version resource of the file at `path`.
  /// Failures are not reported; the object is then unloaded.
  void Load(CTesselString path);

  /// True once the resource, its fixed part and its translation table were read.
  bool IsLoaded() const { return m_loaded; }

  /// The string value `name` of the first translation; empty when unloaded
  /// or when the value is missing or empty.
  CTesselString GetStringValue(CTesselString name);

  /// The "ProductVersion" string value.
  CTesselString GetProductVersion();

  /// The major product version of the fixed part; 0 when unloaded.
  int GetProductMajorVersion() const;

  /// "\StringFileInfo\llllcccc\" of the first translation; empty when unloaded.
  const CTesselString& GetStringPathPrefix() const { return m_prefix; }

 private:
  CVersionInfo(const CVersionInfo&) = delete;
  CVersionInfo& operator=(const CVersionInfo&) = delete;

  void Unload();

  bool m_loaded;
  void* m_block;
  CTesselString m_prefix;
  const VS_FIXEDFILEINFO* m_fixed;
};
