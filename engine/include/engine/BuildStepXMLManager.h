// Build steps as XML text, the form in which they travel through the clipboard.
#pragma once

#include <stdint.h>

#include <string>

#include "engine/BuildStepDataDefinition.h"
#include "engine/StepPasteTarget.h"
#include "foundation/TesselList.h"
#include "foundation/TesselString.h"

/// Writes steps as XML and parses pasted XML into new steps, which go to a
/// paste target. Step types travel by name ("ExecuteProgram" ... "Quorrel").
/// Values are escaped and carried as UTF-8, as the document declares.
class CBuildStepXMLManager {
 public:
  /// No target, nothing parsed.
  CBuildStepXMLManager();
  virtual ~CBuildStepXMLManager();

  /// The list that receives pasted steps; parsing does nothing without one.
  void SetOwner(IStepPasteTarget* owner) { m_owner = owner; }
  IStepPasteTarget* GetOwner() const { return m_owner; }

  /// The name of a step type; empty outside 0..17.
  static CTesselString GetStepTypeName(int32_t type);
  /// The type whose name equals `name` exactly (case counts); 0 when none does.
  static int32_t GetStepTypeFromName(CTesselString name);
  /// "<tag>value</tag>" and CR LF, the value taken as it is.
  static CTesselString FormatXmlLine(CTesselString tag, CTesselString value);

  /// Replaces `result` with the "buildstep" element of one step. False for a
  /// null argument.
  bool StepToXml(CBuildStepDataDefinition* step, CTesselString* result);
  /// Replaces `document` with the whole clipboard document for the steps of
  /// `steps` (CBuildStepDataDefinition* items), in list order.
  bool StepsToXml(CTesselList& steps, CTesselString* document);

  /// Starts a new paste: resets the step being read and forgets the steps of
  /// the last paste (they belong to the target, so they are not deleted).
  void ResetParse();
  /// Parses `text`; each complete "buildstep" element becomes a new step that
  /// is handed to the target and, when the target takes it, remembered in
  /// GetPastedSteps. True when the text was well-formed XML; false for an
  /// empty text, without a target, or at a syntax error (the steps completed
  /// before the error stay added).
  bool ParseStepsXml(CTesselString* text);
  /// The steps added by the last parse, in document order (not owned).
  CTesselList& GetPastedSteps() { return m_pastedSteps; }

  /// Parser events; public for the parser's callbacks only.
  void OnStartElement(const char* name);
  void OnEndElement(const char* name);
  void OnCharacterData(const char* data, int length);

 private:
  void ApplyElementText();
  void SetField(CTesselString value);
  void AddParsedStep();

  CTesselString m_currentElement;
  IStepPasteTarget* m_owner;
  CBuildStepDataDefinition m_parsedStep;
  CTesselList m_pastedSteps;
  std::string m_elementText;  // UTF-8 character data of the current element so far
};
