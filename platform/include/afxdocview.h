// Documents, views and document templates: MFC's document/view classes as far
// as code asks about them (which document a view shows, which template made a
// document, the application's templates). The layer creates no documents.
#pragma once

#include "afxframe.h"

class CDocTemplate;
class CView;

/// A document: its title, path, template and views. A view added with
/// AddView shows it; views remove themselves when they go.
class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)

 public:
  CDocument();
  /// Leaves its template's list and tells its views it is gone.
  ~CDocument() override;

  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
  const CString& GetPathName() const { return m_strPathName; }
  virtual void SetPathName(LPCTSTR lpszPathName) { m_strPathName = lpszPathName; }
  /// The template that made the document (AddDocument), or null.
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }
  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

  /// pView shows this document from now on (it leaves any other).
  void AddView(CView* pView);
  void RemoveView(CView* pView);
  virtual POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
  virtual CView* GetNextView(POSITION& rPosition) const {
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
  }

  /// The menu of an MDI child showing the document; null: the child's shared menu.
  virtual HMENU GetDefaultMenu() { return NULL; }
  /// Its accelerators; null: the child's.
  virtual HACCEL GetDefaultAccelerator() { return NULL; }

  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate;
  CPtrList m_viewList;
  BOOL m_bModified;
};

/// A window that shows a document inside a frame. Views live on the heap:
/// the object deletes itself when its window is destroyed. A view created
/// with a CCreateContext naming a document (m_pCurrentDoc) shows that one.
class CView : public CWnd {
  DECLARE_DYNAMIC(CView)

 public:
  /// The document shown, or null.
  CDocument* GetDocument() const { return m_pDocument; }
  /// Draws the document for WM_PAINT.
  virtual void OnDraw(CDC* pDC) = 0;

  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  CView();
  /// Leaves its document.
  ~CView() override;
  void PostNcDestroy() override;

  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  /// Stops being its frame's active view.
  afx_msg void OnDestroy();
  afx_msg void OnPaint();

  CDocument* m_pDocument;
  friend class CDocument;

  DECLARE_MESSAGE_MAP()
};

/// A view that is a control (a list view, a tree view): the control draws itself.
class CCtrlView : public CView {
  DECLARE_DYNAMIC(CCtrlView)

 public:
  CCtrlView(LPCTSTR lpszClass, DWORD dwStyle);

  /// The control's window class and the styles added to any given.
  CString m_strClass;
  DWORD m_dwDefaultStyle;

  void OnDraw(CDC* pDC) override;
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;

 protected:
  afx_msg void OnPaint();

  DECLARE_MESSAGE_MAP()
};

#define AFX_WS_DEFAULT_VIEW (WS_CHILD | WS_VISIBLE | WS_BORDER)

/// What makes documents of one kind: their resource id (a string of
/// '\n'-separated parts, the menu and accelerators of its frames) and the
/// run-time classes of document, frame and view.
class CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)

 public:
  /// The parts of the template's string, in order.
  enum DocStringIndex {
    windowTitle,      // the main window's title (single-document programs)
    docName,          // the base of new documents' names
    fileNewName,      // the name in the New dialog
    filterName,       // the open dialog's filter text
    filterExt,        // the file extension, ".xyz"
    regFileTypeId,    // the registry's file type id
    regFileTypeName,  // the registry's file type name
  };

  ~CDocTemplate() override;

  /// Loads the template's string (and, in derived templates, their
  /// resources); the application does this when it adds the template.
  virtual void LoadTemplate();
  /// Part `index` of the template's string; FALSE (and empty) when the
  /// string has no such part.
  virtual BOOL GetDocString(CString& rString, enum DocStringIndex index) const;

  virtual POSITION GetFirstDocPosition() const = 0;
  virtual CDocument* GetNextDoc(POSITION& rPos) const = 0;
  /// The document was made by this template (its GetDocTemplate answers it).
  virtual void AddDocument(CDocument* pDoc);
  virtual void RemoveDocument(CDocument* pDoc);

 protected:
  CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
               CRuntimeClass* pViewClass);

  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
};

/// The template of an MDI program's documents: any number of them, each in
/// a CMDIChildWnd whose menu while active is the template's shared menu.
class CMultiDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CMultiDocTemplate)

 public:
  CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                    CRuntimeClass* pViewClass);
  /// Destroys the shared menu it loaded.
  ~CMultiDocTemplate() override;

  /// Also loads the shared menu and accelerators of the resource id, when
  /// there are such resources and none were set.
  void LoadTemplate() override;
  POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
  CDocument* GetNextDoc(POSITION& rPos) const override {
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
  }
  void AddDocument(CDocument* pDoc) override;
  void RemoveDocument(CDocument* pDoc) override;

  HMENU m_hMenuShared;
  HACCEL m_hAccelTable;
  CPtrList m_docList;
};
