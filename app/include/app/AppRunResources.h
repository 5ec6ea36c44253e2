// Resource ids of the run's panes: the log and step-list icons, the splitter
// cursor and the texts. Plain defines, so that resource scripts can use them.
#pragma once

#include "engine/RunStrings.h"

#define IDB_BUILDSTEP_ICONS 1001  // 17 step-type icons, 16 x 16
#define IDB_LOG_ICONS 1003        // information, warning, success, 16 x 16
#define IDC_SPLITTER_MOVE 2065    // over the main display's splitter bar

#define IDS_APP_TITLE 5001             // "Velmoran"
#define IDS_TITLE_WITH_PATH 6012       // "Velmoran (%s)"
#define IDS_SAVE_FAILED 6013           // "An error occurred saving '%s'."
#define IDS_CLEAR_LOG_QUESTION 6014    // "Are you sure you want to clear the log display?"
#define IDS_SAVE_QUESTION 6015         // "Your changes have not been saved..."
#define IDS_SAVE_QUESTION_PATH 6016    // "Your changes to '%s' have not been saved..."
#define IDS_PROGRAM_FILE_NAME 6017     // "velmoran.exe"
#define IDS_LOAD_SWITCH 6019           // "-load"
#define IDS_LOG_TIME_STAMP 6066        // "[%s]"
#define IDS_PASTE_NO_STEPS 6073        // "The clipboard does not contain any Velmoran steps..."
#define IDS_RUN_CANCELLED 6079         // "Execution cancelled by user"
#define IDS_STATUS_STEPS 6081          // "%ld Steps"
#define IDS_STATUS_ONE_STEP 6082       // "1 Step"
#define IDS_STATUS_STEP_OF 6083        // "Step %ld of %ld Steps"

/// Commands of the main frame that the run's panes handle or send.
#define ID_COPY_STEPS 4002
#define ID_DELETE_STEP 4003
#define ID_EDIT_STEP 4004
#define ID_MOVE_STEP_DOWN 4005
#define ID_MOVE_STEP_UP 4006
#define ID_PASTE_STEPS 4007
#define ID_RUN_SELECTED 4010
#define ID_CANCEL_RUN 4011
#define ID_CLOSE_BUILD_FILE 4012
#define ID_FIND_TEXT 4013
#define ID_LOG_CLEAR 4016
#define ID_LOG_COPY 4017
#define ID_OPEN_BUILD_FILE 4018
#define ID_RUN_ALL 4019
#define ID_RUN_FROM_CURSOR 4020
#define ID_SAVE_AS 4021
#define ID_SAVE 4022
#define ID_SELECT_ALL_STEPS 4023

/// Window messages of a run.
#define WM_APP_LOGUPDATE (WM_USER + 106)    // the log repaints (posted from any thread)
#define WM_APP_ELAPSEDTIME (WM_USER + 220)  // the frame refreshes the elapsed time
