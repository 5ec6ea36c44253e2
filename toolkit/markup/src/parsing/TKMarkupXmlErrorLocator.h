// Where a malformed markup text goes wrong, read by a second XML reader when
// the system's DOM reports a parse error without its place. Private.
#pragma once

#include "afx.h"

#include <ole2.h>

struct TK_MARKUP_XML_ERROR_PLACE {
  CStringW strReason;
  long nLine = 0;     // from 1
  long nLinePos = 0;  // from 1, in characters
  CStringW strSource; // the text of that line
};

/// Reads the whole stream (from its start) and fills *pPlace with the first
/// well-formedness error of its text; FALSE when it finds none or cannot
/// read the text.
BOOL LocateMarkupXmlError(IStream* pStream, TK_MARKUP_XML_ERROR_PLACE* pPlace);
