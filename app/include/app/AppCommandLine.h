// The program's command line: "-execute" or "-load" with a build file, or a
// bare build-file path after the program's own name.
#pragma once

#include "foundation/TesselString.h"

class CBuildFileCommands;
class CMainDisplay;
class IAppDisplayOwner;

/// What the command line asks for.
struct AppCommandLine {
  enum Form { none, execute, load, bare };
  Form form = none;
  /// Everything after the key, quotes removed and the ends trimmed.
  CTesselString argument;
  /// The argument names an existing file (not a folder).
  bool fileExists = false;
};

/// Finds the first of the keys "-execute", "-load" and the program's file
/// name (ignoring case, at a position after the first character) and takes
/// what follows as the argument. Only the first key found counts.
AppCommandLine ParseAppCommandLine(const CTesselString& commandLine);

/// Acts on the command line once the frame is shown: "-load" and the bare
/// form open the file; "-execute" opens it and runs every step, then closes
/// the frame unless the run failed. A "-execute" file that is missing or does
/// not load is a failed run: exit code 1 and a log line that names it.
/// True when a file was opened.
bool ProcessAppCommandLine(const CTesselString& commandLine, CBuildFileCommands* files,
                           CMainDisplay* display, IAppDisplayOwner* owner);
