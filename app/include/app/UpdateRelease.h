// CUpdateRelease: what the product's update service tells of its newest
// release, and the checks its answer passes before anything is fetched.
#pragma once

#include "foundation/TesselString.h"

struct CUpdateRelease {
  /// The release is newer than the one installed.
  bool available = false;
  CTesselString latestVersion;
  /// The installer's name on the download server: a plain file name.
  CTesselString installerName;
};

/// The product's web host: the update service and the "downloads/" folder.
extern const char kUpdateHost[];
/// The service's answer, on the same host.
extern const char kUpdateQueryObject[];

/// Whether `name` can be used as a file name in a folder of our choosing:
/// not empty, no path separator or drive colon, no "..", no control
/// characters or characters Windows refuses in names, not ending in a dot or
/// blank.
bool IsPlainFileName(const char* name);

/// Below, equal to or above 0 as the dotted version `a` is older than, the
/// same as or newer than `b`; a missing part counts as 0, and a part ends at
/// its first character that is not a digit.
int CompareVersionTexts(const char* a, const char* b);

/// The service's answer: the latest version on the first line, the
/// installer's file name on the second. False (and `pRelease` emptied) when a
/// line is missing or the name is not a plain file name.
bool ParseUpdateAnswer(const char* text, CTesselString installedVersion,
                       CUpdateRelease* pRelease);
