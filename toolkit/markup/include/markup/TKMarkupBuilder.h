// CTKMarkupBuilder: walks the XML document of a parser and makes the markup
// object tree; CTKMarkupBuilderException carries its errors.
#pragma once

#include "markup/TKMarkupObject.h"

struct IXMLDOMElement;
struct IXMLDOMNode;
class CTKMarkupParser;
class CTKMarkupScriptCheck;

/// A build error. Thrown as a pointer (delete it with Delete); the message is
/// cut to 255 bytes.
class CTKMarkupBuilderException : public CSimpleException {
  DECLARE_DYNAMIC(CTKMarkupBuilderException)

 public:
  explicit CTKMarkupBuilderException(LPCSTR lpszMessage);
  BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const override;
  LPCSTR GetMessage() const { return m_szMessage; }

 protected:
  LPCSTR DefaultMessage() const override { return m_szMessage; }

 private:
  char m_szMessage[256];
};

/// Builds one tree for one context; lives on the stack for one build and is
/// used on the context's thread only.
class CTKMarkupBuilder {
 public:
  explicit CTKMarkupBuilder(CTKMarkupContext* pContext);
  virtual ~CTKMarkupBuilder();
  CTKMarkupBuilder(const CTKMarkupBuilder&) = delete;
  CTKMarkupBuilder& operator=(const CTKMarkupBuilder&) = delete;

  /// The root (a UI element, one reference for the caller), or null with the
  /// reason in GetErrorText. A parser without a document gives null with the
  /// parser's message.
  CTKMarkupObject* Parse(CTKMarkupParser* pParser);
  /// Empty until a build fails.
  const CString& GetErrorText() const { return m_strError; }
  /// What the build does with the tree's script blocks.
  enum ScriptMode {
    /// Skipped: no engine, no script source read.
    scriptsOff,
    /// Compiled by an engine of their own that never starts, so that their
    /// errors fail the build; the context's scripts stay as they are.
    scriptsChecked,
    /// The build replaces the context's scripts and runs the new tree's.
    scriptsRun,
  };
  /// The mode starts as the context asks (CTKMarkupContext::AreScriptsEnabled):
  /// scriptsRun when it runs scripts, else scriptsOff.
  void SetScriptMode(ScriptMode nMode) { m_nScriptMode = nMode; }
  ScriptMode GetScriptMode() const { return m_nScriptMode; }
  /// FALSE turns the scripts off; TRUE runs them.
  void SetRunScripts(BOOL bRunScripts) { m_nScriptMode = bRunScripts ? scriptsRun : scriptsOff; }
  BOOL RunsScripts() const { return m_nScriptMode == scriptsRun; }
  /// The checks of a scriptsChecked build (null in the other modes).
  CTKMarkupScriptCheck* GetScriptCheck() const { return m_pScriptCheck; }
  CTKMarkupContext* GetContext() const { return m_pContext; }

  /// The value converted for the property: the metadata's converter, else the
  /// value type's ConvertFrom. Raises the conversion error when neither gives
  /// a value. One reference for the caller.
  CTKMarkupObject* ConvertValue(CTKMarkupDependencyProperty* pProperty, CTKMarkupObject* pValue);

  /// The objects whose elements are being read, outermost first.
  int GetStackDepth() const { return static_cast<int>(m_stack.size()); }
  CTKMarkupObject* GetStackObject(int nIndex) const { return m_stack[nIndex]; }

  /// Evaluates the text after "{" of an attribute value; a new reference
  /// (null only for {x:Null}).
  CTKMarkupObject* ProvideMarkupExtension(LPCWSTR lpszExpression);

  /// Raises a CTKMarkupBuilderException with the text; does not return.
  [[noreturn]] static void ThrowBuilderError(LPCSTR lpszMessage);
  /// The same with a format of one to three wide-string arguments ("%ls").
  [[noreturn]] static void ThrowBuilderError(LPCSTR lpszFormat, LPCWSTR lpsz1,
                                             LPCWSTR lpsz2 = nullptr, LPCWSTR lpsz3 = nullptr);
  /// Raises the COM error of an HRESULT (the build reports
  /// "COM Error [0x%08X]: %s").
  [[noreturn]] static void ThrowComError(HRESULT hr);

  /// Elements nested deeper than this end the build with an error.
  static const int kMaxNesting = 256;

 private:
  HRESULT* m_pComInit;
  CString m_strError;
  CTKMarkupContext* m_pContext;
  std::vector<CTKMarkupObject*> m_stack;
  ScriptMode m_nScriptMode;
  CTKMarkupScriptCheck* m_pScriptCheck;

  void CloseScriptsOfFailedBuild();

  CTKMarkupObject* LoadObject(CTKMarkupObject* pParent, IXMLDOMElement* pElement);
  CTKMarkupObject* CreateObjectFromTag(CTKMarkupObject* pParent, LPCWSTR lpszTag);
  void LoadAttributes(CTKMarkupObject* pObject, IXMLDOMElement* pElement);
  void LoadAttribute(CTKMarkupObject* pObject, LPCWSTR lpszName, LPCWSTR lpszValue);
  void LoadChildren(CTKMarkupObject* pObject, IXMLDOMElement* pElement);
  void LoadChild(CTKMarkupObject* pParent, IXMLDOMElement* pElement);
  /// The resource of a StaticResource key text: searched in the objects
  /// being read, then the system colour of a colour or brush key.
  CTKMarkupObject* ProvideResource(LPCWSTR lpszKey);
  void LoadContent(CTKMarkupObject* pObject, IXMLDOMElement* pElement, IXMLDOMNode* pNode,
                   BOOL bVerbatim);
};
