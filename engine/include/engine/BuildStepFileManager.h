// The current build (steps, variables, file path) and its binary build file.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "engine/BuildStepDataDefinition.h"
#include "foundation/FileInterface.h"
#include "foundation/TesselList.h"
#include "foundation/TesselString.h"
#include "engine/VariableDefDataDefinition.h"

/// Holds the steps and variables of one build and reads and writes them as a
/// ".velm" build file. Users add, remove and reorder the records through
/// GetStepList and GetVariableList. The records are heap objects that the
/// manager deletes in Clear, Close and DeleteAll*; its owner calls Clear or
/// Close before destroying it (the destructor deletes none, so a record that
/// the application's step display deleted already is never deleted twice).
class CBuildStepFileManager {
 public:
  /// Bytes of the fixed file header.
  static const int HeaderSize = 52;
  /// The format version written; versions 1 and 2 are read.
  static const int32_t CurrentVersion = 2;

  /// Empty build, no path, no owner.
  CBuildStepFileManager();
  /// Closes the file; deletes no record (see above).
  virtual ~CBuildStepFileManager();

  /// Writes the whole build to `path`, creating missing folders. The previous
  /// file there is replaced only once the new one is complete; a failed save
  /// leaves the disk as it was (old file intact, no temporary file, no folder
  /// it made). Works wherever the file itself could be written directly, also
  /// in folders too deep for a temporary name in the narrow functions' limit.
  /// True: the path becomes the current file path. False: nothing changed.
  bool SaveBuildFile(const CTesselString& path);
  /// Appends the steps and variables of the file at `path` to the lists (call
  /// Clear first for a fresh build). False when the file cannot be opened, is
  /// not a build file or has a version this program does not know; the path is
  /// then empty and the lists untouched. Damaged records are skipped.
  bool LoadBuildFile(const CTesselString& path);

  /// Deletes all steps and variables and forgets the path. Always true.
  bool Clear();
  /// Clear, and closes the file should one be open.
  void Close();
  /// True when the build came from, or was saved to, a file.
  bool HasFilePath() const;
  /// The current file path, empty for a new build.
  const CTesselString& GetFilePath() const { return m_filePath; }

  /// Delete every record of one list; false when it was empty already.
  bool DeleteAllSteps();
  bool DeleteAllVariables();

  /// Nested iteration of the variable list; pair every first with one end.
  CVariableDefDataDefinition* GetFirstVariable();
  CVariableDefDataDefinition* GetNextVariable();
  bool EndVariableIteration();

  /// The lists themselves: CBuildStepDataDefinition* and
  /// CVariableDefDataDefinition* items that this manager owns.
  CTesselList& GetStepList() { return m_steps; }
  CTesselList& GetVariableList() { return m_variables; }

  /// The object that holds this manager; kept for it, never used here.
  void SetOwner(void* owner) { m_owner = owner; }
  void* GetOwner() const { return m_owner; }

 private:
  bool AssembleBuild(std::string* bytes);
  bool AppendStep(std::string* bytes, CBuildStepDataDefinition* step);
  bool AppendVariable(std::string* bytes, CVariableDefDataDefinition* variable);
  bool ReadHeader(int32_t* version, int32_t* stepCount, int32_t* variableCount);
  bool ReadSteps(int32_t count, int32_t version);
  bool ReadVariables(int32_t count);
  bool ReadBody();
  const unsigned char* NextRecord(bool* endOfFile, int32_t* size);
  /// Reads up to `count` records into `list`, each parsed by `parse` (null skips
  /// an unreadable record); false when a parsed record could not be listed.
  template <typename Parse>
  bool ReadRecords(int32_t count, CTesselList* list, Parse parse) {
    bool ok = true;
    for (int32_t i = 0; i < count; ++i) {
      bool endOfFile = false;
      int32_t size = 0;
      const unsigned char* record = NextRecord(&endOfFile, &size);
      if (endOfFile) break;
      if (!record) continue;
      auto* item = parse(record, size);
      if (item && !list->AddTail(item)) {
        delete item;
        ok = false;
      }
    }
    return ok;
  }

  void* m_owner;
  CTesselString m_filePath;
  CFileInterface m_file;
  CTesselList m_steps;
  CTesselList m_variables;
  // What follows the header of the file being read, read at once: one read and
  // no allocation per record.
  std::vector<unsigned char> m_body;
  size_t m_readOffset;  // into m_body
};
