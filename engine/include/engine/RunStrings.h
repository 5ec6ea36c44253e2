// String-table ids of the texts a run logs, shared by the engine and the
// application's resources. Plain defines, so that resource scripts can use them.
#pragma once

#define IDS_RUN_EXECUTE_SWITCH 6018  // "-execute"
#define IDS_RUN_COPIED_FILES 6059    // "Copied %ld files"
#define IDS_RUN_COPIED_TREE 6060     // "Copied %ld files in the tree"
#define IDS_RUN_DELETED_FILES 6061   // "Deleted %ld files"
#define IDS_RUN_STEP_FAILED 6062     // "%s Failed"
#define IDS_RUN_STEP_SUCCEEDED 6063  // "%s Completed Successfully"
#define IDS_RUN_MOVED_FILES 6064     // "Moved %ld files"
#define IDS_RUN_STEP_RUNNING 6065    // "Running %s"
