// Resource ids of the run's panes: the log and step-list icons, the splitter
// cursor and the run's messages; the texts and commands are the application's
// (AppResources.h). Plain defines, so that resource scripts can use them.
#pragma once

#include "app/AppResources.h"
#include "engine/RunStrings.h"

#define IDB_BUILDSTEP_ICONS 1001  // 17 step-type icons, 16 x 16
#define IDB_LOG_ICONS 1003        // information, warning, success, 16 x 16
#define IDC_SPLITTER_MOVE 2065    // over the main display's splitter bar

/// Window messages of a run.
#define WM_APP_LOGUPDATE (WM_USER + 106)    // the log repaints (posted from any thread)
#define WM_APP_ELAPSEDTIME (WM_USER + 220)  // the frame refreshes the elapsed time
#define WM_APP_OPENLASTFILE (WM_USER + 100) // the frame opens the last build file again
