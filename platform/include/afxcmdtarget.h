// CCmdTarget: the reference-counted base of every object that takes commands,
// answers COM interfaces or is driven by automation; CCmdUI; the message,
// interface and dispatch maps that such classes declare.
#pragma once

#include "afx.h"

#include <ole2.h>
#include <oleauto.h>
#include <stddef.h>

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

#ifndef afx_msg
#define afx_msg
#endif
#define AFX_MSG_CALL

/// The stored form of every handler in a map; the entry's signature says
/// which type it really has.
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);

// ---------------------------------------------------------------------------
// Command codes given to OnCmdMsg. Codes with a high word of 0xFFFF are the
// framework's own and are matched whole against WM_COMMAND entries; any other
// code carries a window message in its high word (0 meaning WM_COMMAND) and a
// control notification code in its low word.

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))

/// Filled by OnCmdMsg instead of calling the handler: who would handle it, with what.
struct AFX_CMDHANDLERINFO {
  CCmdTarget* pTarget;
  AFX_PMSG pmf;
};

/// Handler signatures. The command and notification signatures are
/// dispatched in one place (CCmdTarget::OnCmdMsg), for any command target;
/// the window classes define their message signatures from
/// AfxSig_firstWindowSig on, so both ranges live in the same maps.
enum AfxSig {
  AfxSig_end = 0,
  AfxSigCmd_v,         // void ()          ON_COMMAND
  AfxSigCmd_RANGE,     // void (UINT nID)  ON_COMMAND_RANGE
  AfxSigCmd_EX,        // BOOL (UINT nID)  ON_COMMAND_EX: FALSE routes on
  AfxSigCmdUI,         // void (CCmdUI*)   ON_UPDATE_COMMAND_UI, ..._RANGE
  AfxSigCmd_b,         // BOOL ()          ON_CONTROL_REFLECT_EX: FALSE lets the parent have it too
  AfxSigNotify_v,      // void (NMHDR*, LRESULT*)
  AfxSigNotify_RANGE,  // void (UINT, NMHDR*, LRESULT*)
  AfxSigNotify_EX,     // BOOL (UINT, NMHDR*, LRESULT*): FALSE routes on
  AfxSigNotify_b,      // BOOL (NMHDR*, LRESULT*): FALSE lets the parent have it too
  AfxSig_firstWindowSig = 0x100
};

/// One handler: the message (WM_COMMAND for commands), the control or command
/// code, the id range it answers and the handler with its signature.
struct AFX_MSGMAP_ENTRY {
  UINT nMessage;
  UINT nCode;
  UINT nID;
  UINT nLastID;
  UINT_PTR nSig;
  AFX_PMSG pfn;
};

/// A class's message map: its own entries (ended by an AfxSig_end entry) and
/// the way to its base class's map (null at CCmdTarget).
struct AFX_MSGMAP {
  const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
 protected:                                            \
  static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() {                          \
    typedef theClass ThisClass;                                                     \
    typedef baseClass TheBaseClass;                                                 \
    (void)sizeof(ThisClass);                                                        \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                       \
  { 0, 0, 0, 0, AfxSig_end, nullptr }                                                           \
  }                                                                                             \
  ;                                                                                             \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
  return &messageMap;                                                                           \
  }

// Handlers are converted to CCmdTarget members of their real signature first,
// so a handler of the wrong type fails to compile and the this-adjustment of
// a derived class is kept; only then are they stored as AFX_PMSG.
#define AFX_MSG_HANDLER(type, memberFxn) \
  reinterpret_cast<AFX_PMSG>(static_cast<type>(&ThisClass::memberFxn))

#define ON_COMMAND(id, memberFxn)       \
  {WM_COMMAND, CN_COMMAND,  (UINT)(id), \
   (UINT)(id), AfxSigCmd_v, AFX_MSG_HANDLER(void(CCmdTarget::*)(), memberFxn)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND,     CN_COMMAND,      (UINT)(id), \
   (UINT)(idLast), AfxSigCmd_RANGE, AFX_MSG_HANDLER(void(CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_EX(id, memberFxn)     \
  {WM_COMMAND, CN_COMMAND,   (UINT)(id), \
   (UINT)(id), AfxSigCmd_EX, AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(UINT), memberFxn)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND,     CN_COMMAND,   (UINT)(id),       \
   (UINT)(idLast), AfxSigCmd_EX, AFX_MSG_HANDLER(BOOL(CCmdTarget::*)(UINT), memberFxn)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)      \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), \
   (UINT)(id), AfxSigCmdUI,          AFX_MSG_HANDLER(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
  {                                                       \
      WM_COMMAND,  CN_UPDATE_COMMAND_UI,                  \
      (UINT)(id),  (UINT)(idLast),                        \
      AfxSigCmdUI, AFX_MSG_HANDLER(void(CCmdTarget::*)(CCmdUI*), memberFxn)},
/// In a control's own map: the update the parent's UpdateDialogControls
/// offers the control first (CCmdUI::m_pOther is the control).
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE,                \
   (UINT)(WORD)CN_UPDATE_COMMAND_UI,            \
   0,                                           \
   0,                                           \
   AfxSigCmdUI,                                 \
   AFX_MSG_HANDLER(void(CCmdTarget::*)(CCmdUI*), memberFxn)},

// ---------------------------------------------------------------------------
// Interface maps: which COM interfaces an object answers, each one a nested
// class member (BEGIN_INTERFACE_PART) found by its offset in the object.

struct AFX_INTERFACEMAP_ENTRY {
  const void* piid;  // null ends the map
  size_t nOffset;    // of the interface part in the object
};

struct AFX_INTERFACEMAP {
  const AFX_INTERFACEMAP*(PASCAL* pfnGetBaseMap)();
  const AFX_INTERFACEMAP_ENTRY* pEntry;
};

#define DECLARE_INTERFACE_MAP()                                \
 protected:                                                    \
  static const AFX_INTERFACEMAP* PASCAL GetThisInterfaceMap(); \
  const AFX_INTERFACEMAP* GetInterfaceMap() const override;

#define BEGIN_INTERFACE_MAP(theClass, baseClass)                                              \
  const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const { return GetThisInterfaceMap(); } \
  const AFX_INTERFACEMAP* PASCAL theClass::GetThisInterfaceMap() {                            \
    typedef theClass ThisClass;                                                               \
    typedef baseClass TheBaseClass;                                                           \
    (void)sizeof(ThisClass);                                                                  \
    static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[] = {
// The offsets count from the CCmdTarget part, which need not be the first base.
#define INTERFACE_PART(theClass, iid, localClass) \
  {&(iid), offsetof(theClass, m_x##localClass) - AfxCmdTargetOffset<theClass>()},

/// Where the CCmdTarget part of a `T` starts.
template <class T>
size_t AfxCmdTargetOffset() {
  T* const pProbe = reinterpret_cast<T*>(0x10000);
  return reinterpret_cast<size_t>(
             reinterpret_cast<const volatile char*>(static_cast<CCmdTarget*>(pProbe))) -
         0x10000;
}

#define END_INTERFACE_MAP()                                                         \
  { nullptr, (size_t)-1 }                                                           \
  }                                                                                 \
  ;                                                                                 \
  static const AFX_INTERFACEMAP interfaceMap = {&TheBaseClass::GetThisInterfaceMap, \
                                                &_interfaceEntries[0]};             \
  return &interfaceMap;                                                             \
  }

#define BEGIN_INTERFACE_PART(localClass, baseClass) \
  class X##localClass : public baseClass {          \
   public:                                          \
    STDMETHOD_(ULONG, AddRef)() override;           \
    STDMETHOD_(ULONG, Release)() override;          \
    STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;

#define END_INTERFACE_PART(localClass) \
  }                                    \
  m_x##localClass;                     \
  friend class X##localClass;

/// Inside a method of interface part `localClass`: `pThis` is the object.
#define METHOD_PROLOGUE_EX_(theClass, localClass)                                     \
  theClass* pThis = reinterpret_cast<theClass*>(reinterpret_cast<BYTE*>(this) -       \
                                                offsetof(theClass, m_x##localClass)); \
  (void)pThis;
#define METHOD_PROLOGUE_EX(theClass, localClass) METHOD_PROLOGUE_EX_(theClass, localClass)
/// The same, and the call runs in the module state of the object (the one
/// current when it was constructed) until the method returns, as every
/// entry from COM into the object should.
#define METHOD_PROLOGUE(theClass, localClass) \
  METHOD_PROLOGUE_EX_(theClass, localClass)   \
  AFX_MANAGE_STATE(pThis->m_pModuleState)

// ---------------------------------------------------------------------------
// Dispatch maps: the members that automation clients (scripts) reach through
// the object's IDispatch. The entry macros are in afxdispmap.h.

struct AFX_DISPMAP_ENTRY;
struct AFX_DISPCALL;

/// Runs one bound member for an Invoke (typed code made by the entry macros).
typedef HRESULT (*AFX_DISPTHUNK)(CCmdTarget* pTarget, const AFX_DISPMAP_ENTRY& entry,
                                 AFX_DISPCALL& call);

enum AFX_DISPKIND : BYTE { afxDispEnd = 0, afxDispMethod, afxDispProperty };

/// One member: a method (pfnGet calls it) or a property (pfnGet reads,
/// pfnSet writes; a null thunk makes that direction unsupported).
struct AFX_DISPMAP_ENTRY {
  LPCSTR lpszName;    // matched without regard to case
  DISPID lDispID;     // DISPID_UNKNOWN: assigned by position
  LPCSTR lpszParams;  // VTS_* of a method's parameters
  VARTYPE vt;         // result or property type
  AFX_DISPKIND kind;
  AFX_DISPTHUNK pfnGet;
  AFX_DISPTHUNK pfnSet;
  AFX_PMSG pfn;           // method or getter, as its thunk expects it
  AFX_PMSG pfnSetMember;  // setter, or the notification of a member variable
  size_t nPropOffset;     // member variable of DISP_PROPERTY*
};

struct AFX_DISPMAP {
  const AFX_DISPMAP*(PASCAL* pfnGetBaseMap)();
  const AFX_DISPMAP_ENTRY* lpEntries;
};

#define DECLARE_DISPATCH_MAP()                           \
 protected:                                              \
  static const AFX_DISPMAP* PASCAL GetThisDispatchMap(); \
  const AFX_DISPMAP* GetDispatchMap() const override;

#define BEGIN_DISPATCH_MAP(theClass, baseClass)                                        \
  const AFX_DISPMAP* theClass::GetDispatchMap() const { return GetThisDispatchMap(); } \
  const AFX_DISPMAP* PASCAL theClass::GetThisDispatchMap() {                           \
    typedef theClass ThisClass;                                                        \
    typedef baseClass TheBaseClass;                                                    \
    (void)sizeof(ThisClass);                                                           \
    static const AFX_DISPMAP_ENTRY _dispatchEntries[] = {
#define END_DISPATCH_MAP()                                                   \
  AfxDispEndEntry()                                                          \
  }                                                                          \
  ;                                                                          \
  static const AFX_DISPMAP dispatchMap = {&TheBaseClass::GetThisDispatchMap, \
                                          &_dispatchEntries[0]};             \
  return &dispatchMap;                                                       \
  }

// ---------------------------------------------------------------------------

/// Base of the objects that take commands and are reference counted: the
/// count starts at 1, the release that brings it to 0 calls OnFinalRelease,
/// which deletes the object. The same count serves the COM interfaces of the
/// interface map and the IDispatch of EnableAutomation.
class CCmdTarget : public CObject {
  DECLARE_DYNAMIC(CCmdTarget)

 public:
  CCmdTarget();
  ~CCmdTarget() override;

  /// Changed only with interlocked operations, so any thread may add and
  /// release references.
  LONG m_dwRef;
  /// The module state current at construction; METHOD_PROLOGUE restores it.
  AFX_MODULE_STATE* m_pModuleState;

  DWORD InternalAddRef();
  /// Returns the count after the release; the object is gone when it is 0.
  DWORD InternalRelease();
  /// Called once the count reaches 0; deletes the object.
  virtual void OnFinalRelease();

  /// Shows the wait cursor until the matching EndWaitCursor; nests. Each
  /// goes through the application's DoWaitCursor when there is one.
  void BeginWaitCursor();
  void EndWaitCursor();
  /// Puts the wait cursor back after something (a dialog) changed the cursor.
  void RestoreWaitCursor();

  /// Routes command `nID` with `nCode` (CN_COMMAND, CN_UPDATE_COMMAND_UI with
  /// a CCmdUI* in pExtra, or a message/notification pair) through the message
  /// map. With pHandlerInfo only asks: fills it and returns TRUE when a
  /// handler exists, without calling it.
  virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

  // COM identity. Without aggregation the external and internal forms agree.
  /// The interface of the map that answers `iid` (no reference added), or null.
  LPUNKNOWN GetInterface(const void* iid);
  DWORD InternalQueryInterface(const void* iid, LPVOID* ppvObj);
  DWORD ExternalQueryInterface(const void* iid, LPVOID* ppvObj);
  DWORD ExternalAddRef();
  DWORD ExternalRelease();
  /// The object's IUnknown: the first interface of its interface map, or its
  /// IDispatch when it has no other.
  LPUNKNOWN GetControllingUnknown();

  /// Makes the dispatch map reachable through GetIDispatch and QueryInterface.
  void EnableAutomation();
  /// The object's IDispatch (null unless automation is enabled).
  LPDISPATCH GetIDispatch(BOOL bAddRef);
  /// The object behind an IDispatch from GetIDispatch, or null for any other.
  static CCmdTarget* PASCAL FromIDispatch(LPDISPATCH lpDispatch);

  /// Getter and setter of DISP_PROPERTY_EX entries that are write- or
  /// read-only. They throw the standard automation errors CTL_E_GETNOTSUPPORTED
  /// ("Property is write-only.") and CTL_E_SETNOTSUPPORTED ("Property is
  /// read-only."), which Invoke answers with DISP_E_EXCEPTION.
  void GetNotSupported();
  void SetNotSupported();

 protected:
  static const AFX_MSGMAP* PASCAL GetThisMessageMap();
  virtual const AFX_MSGMAP* GetMessageMap() const;
  static const AFX_INTERFACEMAP* PASCAL GetThisInterfaceMap();
  virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;
  static const AFX_DISPMAP* PASCAL GetThisDispatchMap();
  virtual const AFX_DISPMAP* GetDispatchMap() const;

 private:
  /// The IDispatch of automation; it finds its object by its own offset.
  class XDispatch : public IDispatch {
   public:
    STDMETHOD_(ULONG, AddRef)() override;
    STDMETHOD_(ULONG, Release)() override;
    STDMETHOD(QueryInterface)(REFIID iid, LPVOID* ppvObj) override;
    STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
    STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
    STDMETHOD(GetIDsOfNames)
    (REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
    STDMETHOD(Invoke)
    (DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
     VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
    CCmdTarget* Owner();
  } m_xDispatch;
  friend class XDispatch;

  BOOL m_bAutomation;

  const AFX_DISPMAP_ENTRY* FindDispEntry(DISPID id) const;
  DISPID FindDispID(LPCSTR lpszName) const;
  HRESULT InvokeEntry(const AFX_DISPMAP_ENTRY& entry, AFX_DISPCALL& call, EXCEPINFO* pExcepInfo);
};

/// The state of one user-interface item (menu item, button, pane) while the
/// framework asks the command's update handler about it. The base class
/// applies the state to the item at m_nIndex of m_pMenu, or else to the
/// window m_pOther (enabled, a button's check, its text); with neither it
/// only records that the handler chose. The UI classes override the setters
/// to apply it to their own kind of item.
class CCmdUI {
 public:
  CCmdUI();
  virtual ~CCmdUI() = default;

  UINT m_nID;
  UINT m_nIndex;
  CMenu* m_pMenu;
  CWnd* m_pOther;
  /// Set by Enable, so that DoUpdate does not disable an item whose handler chose.
  BOOL m_bEnableChanged;
  /// Set by ContinueRouting: the update handler passes the item on to the
  /// next command target. Cleared again once the handler returned.
  BOOL m_bContinueRouting;

  virtual void Enable(BOOL bOn = TRUE);
  virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
  virtual void SetRadio(BOOL bOn = TRUE);
  virtual void SetText(LPCSTR lpszText);
  void ContinueRouting() { m_bContinueRouting = TRUE; }

  /// Asks `pTarget` for the item's state; when nobody handles the update and
  /// bDisableIfNoHndler is set, enables the item exactly when a command
  /// handler exists. Returns whether an update handler ran.
  virtual BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

#include "afxdispmap.h"
