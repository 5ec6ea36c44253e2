// Where the sibling products' command-line tools are installed, as their own
// installers record it in the registry.
#pragma once

#include "foundation/TesselString.h"

/// Product keys of the sibling products, and their command-line tools.
extern const char kVantrellProductKey[];    // "Vantrell"
extern const char kLumethProductKey[];      // "Lumeth"
extern const char kBrisantProductKey[];     // "Brisant"
extern const char kQuorrelProductKey[];     // "Quorrel"
extern const char kVantrellToolFileName[];  // "VNCommandLine.exe"
extern const char kLumethToolFileName[];    // "LMCommandLine.exe"
extern const char kBrisantToolFileName[];   // "Brisant.exe"
extern const char kQuorrelToolFileName[];   // "Quorrel.exe"

/// The install folder of a sibling product: the string value "AppPath" of
/// HKLM\SOFTWARE\Alderwick\<product>\Settings, else of the same key under
/// SOFTWARE\WOW6432Node. Keys are opened for reading only (a user without write
/// rights still finds the tool). Only a non-empty REG_SZ counts; empty when
/// neither key gives one or the product key is empty. Any thread.
CTesselString GetSiblingToolPath(const CTesselString& productKey);

/// The install folder of the product, a backslash and the tool's file name;
/// empty when the folder is not registered or the file is not there. Any thread.
CTesselString GetSiblingToolFilePath(const CTesselString& productKey,
                                     const CTesselString& toolFileName);
