// The parts of a string-table prompt that controls and actions take their
// texts from: description, newline, tooltip, newline, caption, newline,
// keyboard tip.
#pragma once

#include <afx.h>

struct TK_PROMPT {
  CString strDescription;
  CString strTooltip;
  CString strCaption;  ///< empty when the prompt has no third part
  CString strKeyboardTip;
};

/// Without a newline the whole text is both the description and the tooltip.
inline TK_PROMPT SplitPrompt(const CString& strPrompt) {
  TK_PROMPT prompt;
  if (strPrompt.Find('\n') == -1) {
    prompt.strDescription = prompt.strTooltip = strPrompt;
    return prompt;
  }
  AfxExtractSubString(prompt.strDescription, strPrompt, 0, '\n');
  AfxExtractSubString(prompt.strTooltip, strPrompt, 1, '\n');
  AfxExtractSubString(prompt.strCaption, strPrompt, 2, '\n');
  AfxExtractSubString(prompt.strKeyboardTip, strPrompt, 3, '\n');
  return prompt;
}
