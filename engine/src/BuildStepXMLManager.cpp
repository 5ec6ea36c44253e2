#include "engine/BuildStepXMLManager.h"

#include <windows.h>
#include <string.h>

#include <new>
#include <vector>

#include <expat.h>

namespace {

const char* const kStepTypeNames[StepTypeCount] = {"ExecuteProgram",
                                                   "DOSCommand",
                                                   "AdvancedInstallerBuild",
                                                   "AdvancedInstallerEdit",
                                                   "MSDevCompile",
                                                   "BuildScript",
                                                   "CopyFiles",
                                                   "MoveFiles",
                                                   "DeleteFiles",
                                                   "RenameFile",
                                                   "CreateFolder",
                                                   "DeleteFolder",
                                                   "RenameFolder",
                                                   "CopyTree",
                                                   "Vantrell",
                                                   "Lumeth",
                                                   "Brisant",
                                                   "Quorrel"};

const char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n";
const char kGroupElement[] = "stepgroup";
const char kStepElement[] = "buildstep";
const char kTypeElement[] = "steptype";
// The elements of a step, in the order they are written; all but the type
// hold the text of the same index (CBuildStepDataDefinition::GetTextField).
const char* const kFieldElements[] = {"stepname",   "description", "executablepath", "parameters",
                                      "sourcepath", "targetpath",  "filespec"};

std::wstring WideFrom(const char* text, int length, UINT codePage) {
  int count = MultiByteToWideChar(codePage, 0, text, length, nullptr, 0);
  if (count <= 0) return std::wstring();
  std::wstring wide(count, L'\0');
  MultiByteToWideChar(codePage, 0, text, length, &wide[0], count);
  return wide;
}

std::string BytesFrom(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return std::string();
  int size =
      WideCharToMultiByte(codePage, 0, wide.data(), (int)wide.size(), nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string bytes(size, '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), (int)wide.size(), &bytes[0], size, nullptr,
                      nullptr);
  return bytes;
}

// Step texts are narrow text in the ANSI code page (or, rarely, wide); the
// document says utf-8, so that is what it must carry.
std::string ToUtf8(const CTesselString& text) {
  CTesselString copy(text);  // reading the other width would convert the step's own text
  if (copy.IsWide()) return BytesFrom(copy.GetWideText(), CP_UTF8);
  const char* narrow = copy.GetText();
  return BytesFrom(WideFrom(narrow, (int)strlen(narrow), CP_ACP), CP_UTF8);
}

CTesselString FromUtf8(const std::string& utf8) {
  std::string narrow = BytesFrom(WideFrom(utf8.data(), (int)utf8.size(), CP_UTF8), CP_ACP);
  return CTesselString(narrow.c_str());
}

// Markup characters in a value would end the element or start an entity.
std::string Escape(const std::string& value) {
  std::string escaped;
  escaped.reserve(value.size());
  for (char c : value) {
    if (c == '&')
      escaped += "&amp;";
    else if (c == '<')
      escaped += "&lt;";
    else if (c == '>')
      escaped += "&gt;";
    else
      escaped += c;
  }
  return escaped;
}

std::string XmlLine(const char* tag, const std::string& value) {
  return std::string("<") + tag + ">" + value + "</" + tag + ">\r\n";
}

void XMLCALL StartElementCallback(void* userData, const XML_Char* name, const XML_Char**) {
  if (userData && name) static_cast<CBuildStepXMLManager*>(userData)->OnStartElement(name);
}

void XMLCALL EndElementCallback(void* userData, const XML_Char* name) {
  if (userData && name) static_cast<CBuildStepXMLManager*>(userData)->OnEndElement(name);
}

void XMLCALL CharacterDataCallback(void* userData, const XML_Char* data, int length) {
  if (userData && data && length >= 1)
    static_cast<CBuildStepXMLManager*>(userData)->OnCharacterData(data, length);
}

}  // namespace

CBuildStepXMLManager::CBuildStepXMLManager() : m_owner(nullptr) { m_currentElement.SetText(""); }

CBuildStepXMLManager::~CBuildStepXMLManager() {}

CTesselString CBuildStepXMLManager::GetStepTypeName(int32_t type) {
  if (type < 0 || type >= StepTypeCount) return CTesselString("");
  return CTesselString(kStepTypeNames[type]);
}

int32_t CBuildStepXMLManager::GetStepTypeFromName(CTesselString name) {
  for (int32_t type = 0; type < StepTypeCount; ++type)
    if (name.EqualsText(kStepTypeNames[type])) return type;
  return StepExecuteProgram;
}

CTesselString CBuildStepXMLManager::FormatXmlLine(CTesselString tag, CTesselString value) {
  std::string line = XmlLine(tag.GetText(), value.GetText());
  return CTesselString(line.c_str());
}

bool CBuildStepXMLManager::StepToXml(CBuildStepDataDefinition* step, CTesselString* result) {
  if (!step || !result) return false;
  std::string xml = std::string("<") + kStepElement + ">\r\n";
  xml += XmlLine(kFieldElements[0], Escape(ToUtf8(step->m_stepName)));
  xml += XmlLine(kTypeElement, GetStepTypeName(step->m_stepType).GetText());
  for (int i = 1; i < CBuildStepDataDefinition::TextFieldCount; ++i)
    xml += XmlLine(kFieldElements[i], Escape(ToUtf8(*step->GetTextField(i))));
  xml += std::string("</") + kStepElement + ">\r\n";
  return result->SetText(xml.c_str());
}

bool CBuildStepXMLManager::StepsToXml(CTesselList& steps, CTesselString* document) {
  if (!document) return false;
  std::string xml = kDeclaration;
  xml += std::string("<") + kGroupElement + ">\r\n";
  for (int i = 0; i < steps.GetCount(); ++i) {
    CTesselString step;
    if (!StepToXml(static_cast<CBuildStepDataDefinition*>(steps.GetAt(i)), &step)) return false;
    xml += "\r\n";
    xml += step.GetText();
  }
  xml += std::string("</") + kGroupElement + ">\r\n";
  return document->SetText(xml.c_str());
}

void CBuildStepXMLManager::ResetParse() {
  m_parsedStep.Reset();
  m_pastedSteps.RemoveAll();
}

bool CBuildStepXMLManager::ParseStepsXml(CTesselString* text) {
  if (!text || text->IsEmpty() || !m_owner) return false;
  const char* xml = text->GetText();
  size_t length = strlen(xml);
  if (length > 0x7FFFFFFF) return false;
  XML_Parser parser = XML_ParserCreate(nullptr);
  if (!parser) return false;
  m_currentElement.SetText("");
  m_elementText.clear();
  XML_SetUserData(parser, this);
  XML_SetElementHandler(parser, StartElementCallback, EndElementCallback);
  XML_SetCharacterDataHandler(parser, CharacterDataCallback);
  bool ok = XML_Parse(parser, xml, static_cast<int>(length), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return ok;
}

void CBuildStepXMLManager::OnStartElement(const char* name) {
  ApplyElementText();
  if (!name || !*name) return;
  m_currentElement.SetText(name);
  if (strcmp(name, kStepElement) == 0) m_parsedStep.Reset();
}

void CBuildStepXMLManager::OnEndElement(const char* name) {
  ApplyElementText();
  if (!name || !*name) return;
  if (strcmp(name, kStepElement) == 0 && m_owner) {
    AddParsedStep();
    m_parsedStep.Reset();
  }
  m_currentElement.SetText("");
}

// The parser may split one value into several pieces (at every entity, for
// one); they are gathered here and applied when the element's text ends.
void CBuildStepXMLManager::OnCharacterData(const char* data, int length) {
  if (!data || length < 1 || m_currentElement.IsEmpty()) return;
  m_elementText.append(data, length);
}

// A value is one line: anything from the first line feed on is dropped.
void CBuildStepXMLManager::ApplyElementText() {
  std::string text;
  text.swap(m_elementText);
  size_t lineFeed = text.find('\n');
  if (lineFeed != std::string::npos) text.erase(lineFeed);
  if (text.empty() || m_currentElement.IsEmpty()) return;
  SetField(FromUtf8(text));
}

void CBuildStepXMLManager::SetField(CTesselString value) {
  if (value.IsEmpty()) return;
  if (m_currentElement.EqualsText(kTypeElement)) {
    m_parsedStep.m_stepType = GetStepTypeFromName(value);
    return;
  }
  for (int i = 0; i < CBuildStepDataDefinition::TextFieldCount; ++i) {
    if (m_currentElement.EqualsText(kFieldElements[i])) {
      *m_parsedStep.GetTextField(i) = value;
      return;
    }
  }
}

void CBuildStepXMLManager::AddParsedStep() {
  m_owner->DeselectAll();
  CBuildStepDataDefinition* step = new (std::nothrow) CBuildStepDataDefinition;
  if (!step) return;
  step->CopyFrom(m_parsedStep);
  if (m_owner->AddStep(step, false))
    m_pastedSteps.AddTail(step);
  else
    delete step;  // refused: the target kept no reference to it
}
