// Reading back what a test wrote into an INI file.
#pragma once

#include <string>

/// The value of a key, "<none>" when the file has no such key.
std::string ReadIniValue(const std::string& path, const char* section, const char* key);
