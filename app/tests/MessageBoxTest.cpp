// The message box: buttons, answers and icons by the flags, the wrapping of
// its text, its size, its buttons' places, and the frame's way to it.
#include <gtest/gtest.h>

#include <string>

#include "SupportApp.h"
#include "app/AppResources.h"
#include "app/MessageBoxDialog.h"
#include "testsupport/HostWindow.h"

namespace {

CWinApp theApp("VelmMessageBoxTest");

/// Every character 8 pixels wide and 13 high, so that the rules show and not
/// the fonts of the machine.
class CMeasuredBox : public CMessageBoxDialog {
 public:
  using CMessageBoxDialog::CMessageBoxDialog;
  SIZE MeasureText(HDC, const wchar_t*, int length) override { return SIZE{8 * length, 13}; }
  CButton& Button(int index) { return m_buttons[index]; }
};

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_host.CreateHost(800, 600)); }

  /// The box, made modeless over the host with the text and flags.
  void Open(const char* text, UINT flags) {
    m_box.reset(new CMeasuredBox(&m_host));
    m_box->SetCaption("Velmoran");
    m_box->SetText(text);
    m_box->m_nFlags = flags;
    ASSERT_TRUE(m_box->Create(IDD_MESSAGE_BOX, &m_host));
  }

  std::string Caption(int index) {
    CString text;
    m_box->Button(index).GetWindowText(text);
    return std::string(text);
  }
  bool Shown(int index) { return (m_box->Button(index).GetStyle() & WS_VISIBLE) != 0; }
  bool Enabled(int index) { return m_box->Button(index).IsWindowEnabled() != FALSE; }
  void Click(int index) {
    m_box->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MESSAGE_BUTTON1 + index, BN_CLICKED),
                       reinterpret_cast<LPARAM>(m_box->Button(index).m_hWnd));
  }
  void PressEscape() {
    MSG msg = {m_box->Button(0).m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
    m_box->PreTranslateMessage(&msg);
  }
  std::string Line(int index) {
    CTesselString line = m_box->GetLine(index);
    line.MakeNarrow(false);
    return line.GetText();
  }
  CRect WindowRect() {
    CRect rect;
    m_box->GetWindowRect(&rect);
    return rect;
  }

  CTestHostWindow m_host;
  std::unique_ptr<CMeasuredBox> m_box;
};

TEST_F(MessageBoxTest, ButtonSetsCaptionsAndAnswers) {
  struct Case {
    UINT flags;
    const char* captions[3];  // null: hidden and disabled
    int answers[3];
  } cases[] = {
      {0x14, {"&Yes", "&No", nullptr}, {IDYES, IDNO, 0}},
      {0x11, {"&OK", "&Cancel", nullptr}, {IDOK, IDCANCEL, 0}},
      {0x13, {"&Yes", "&No", "&Cancel"}, {IDYES, IDNO, IDCANCEL}},
      {0x12, {"&OK", nullptr, nullptr}, {IDOK, 0, 0}},  // abort, retry, ignore: not offered
      {0x15, {"&OK", nullptr, nullptr}, {IDOK, 0, 0}},
      {0x10, {"&OK", nullptr, nullptr}, {IDOK, 0, 0}},
  };
  for (const Case& c : cases) {
    for (int pressed = 0; pressed < 3; ++pressed) {
      if (c.captions[pressed] == nullptr) continue;
      Open("Are you sure?", c.flags);
      for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(c.captions[i] != nullptr, Shown(i)) << std::hex << c.flags << " button " << i;
        EXPECT_EQ(c.captions[i] != nullptr, Enabled(i)) << std::hex << c.flags << " button " << i;
        if (c.captions[i] != nullptr) EXPECT_EQ(c.captions[i], Caption(i));
      }
      Click(pressed);
      EXPECT_EQ(c.answers[pressed], m_box->m_nResult) << std::hex << c.flags << " " << pressed;
      m_box->DestroyWindow();
    }
  }
}

TEST_F(MessageBoxTest, EscapeAnswersCancelWhateverTheButtons) {
  for (UINT flags : {0x14u, 0x11u, 0x40u}) {
    Open("Leave?", flags);
    PressEscape();
    EXPECT_EQ(IDCANCEL, m_box->m_nResult) << std::hex << flags;
    m_box->DestroyWindow();
  }
}

TEST_F(MessageBoxTest, IconAndDefaultButtonFollowTheFlags) {
  struct Case {
    UINT flags;
    UINT bitmap;
    int defaultButton;
  } cases[] = {
      {0x14, IDB_MESSAGE_ERROR, IDC_MESSAGE_BUTTON1},
      {0x114, IDB_MESSAGE_ERROR, IDC_MESSAGE_BUTTON2},
      {0x23, IDB_MESSAGE_QUESTION, IDC_MESSAGE_BUTTON1},
      {0x30, IDB_MESSAGE_WARNING, IDC_MESSAGE_BUTTON1},
      {0x40, IDB_MESSAGE_INFORMATION, IDC_MESSAGE_BUTTON1},
      {0x50, IDB_MESSAGE_INFORMATION, IDC_MESSAGE_BUTTON1},  // asterisk before hand
      {0x203, IDB_MESSAGE_INFORMATION, IDC_MESSAGE_BUTTON3},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.bitmap, CMessageBoxDialog::IconBitmapFor(c.flags)) << std::hex << c.flags;
    EXPECT_EQ(c.defaultButton, CMessageBoxDialog::DefaultButtonFor(c.flags)) << std::hex << c.flags;
  }
  Open("Delete?", 0x114);
  EXPECT_EQ(IDC_MESSAGE_BUTTON2, LOWORD(m_box->SendMessage(DM_GETDEFID)));
  m_box->DestroyWindow();
}

TEST_F(MessageBoxTest, TextIsWrappedByItsRules) {
  const std::string longWord(70, 'x');  // 560 pixels against 496
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"One short line", {"One short line"}},
      {"First paragraph\n\nSecond", {"First paragraph", "", "Second"}},
      {"Windows ends\r\nlines so", {"Windows ends", "lines so"}},
      {"\tTabbed", {"Tabbed"}},
      // At the 62nd character the line reaches 496 pixels: no blank, so it
      // breaks right there.
      {longWord, {std::string(62, 'x'), std::string(8, 'x')}},
      // 60 characters, then a word that overflows: the line ends at the blank.
      {std::string(60, 'a') + " bbbbbbbb", {std::string(60, 'a') + " ", "bbbbbbbb"}},
  };
  for (const Case& c : cases) {
    Open(c.text.c_str(), MB_OK);
    ASSERT_EQ(static_cast<int>(c.lines.size()), m_box->GetLineCount()) << c.text;
    for (size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(c.lines[i], Line(int(i))) << c.text;
    m_box->DestroyWindow();
  }
}

TEST_F(MessageBoxTest, TheBoxIsAtLeast250WideAndGrowsWithItsWidestLine) {
  struct Case {
    int chars;
    int width;
  } cases[] = {{10, 250}, {19, 250}, {20, 252}, {50, 492}};
  for (const Case& c : cases) {
    Open(std::string(c.chars, 'w').c_str(), MB_OK);
    EXPECT_EQ(c.width, WindowRect().Width()) << c.chars;
    m_box->DestroyWindow();
  }
  Open("a\nb\nc\nd", MB_OK);  // four lines of 13: 52 for the text
  const CRect button = [&] {
    CRect r;
    m_box->Button(0).GetWindowRect(&r);
    return r;
  }();
  EXPECT_EQ(52 + 72 + button.Height(), WindowRect().Height());
  m_box->DestroyWindow();
}

TEST_F(MessageBoxTest, EnabledButtonsAreCentredTwelveApartAboveTheBottom) {
  for (UINT flags : {0x10u, 0x14u, 0x13u}) {
    Open("Centred", flags);
    CRect client;
    m_box->GetClientRect(&client);
    std::vector<CRect> placed;
    for (int i = 0; i < 3; ++i) {
      if (!Enabled(i)) continue;
      CRect r;
      m_box->Button(i).GetWindowRect(&r);
      m_box->ScreenToClient(&r);
      placed.push_back(r);
    }
    for (size_t i = 1; i < placed.size(); ++i) EXPECT_EQ(placed[i - 1].right + 12, placed[i].left);
    for (const CRect& r : placed) EXPECT_EQ(client.bottom - 12, r.bottom);
    const int groupCentre = (placed.front().left + placed.back().right) / 2;
    EXPECT_NEAR(client.Width() / 2, groupCentre, 6) << std::hex << flags;
    m_box->DestroyWindow();
  }
}

TEST_F(MessageBoxTest, TheFrameShowsEveryMessageWithTheProductNameAndAnEmptyOneNotAtAll) {
  CScriptedAppSystem system;
  CFrameFixture frame;
  system.m_nAnswer = IDNO;
  EXPECT_EQ(IDNO, frame->ShowMessage(NULL, "Save the changes?", 0x14));
  ASSERT_EQ(1u, system.m_shown.size());
  EXPECT_EQ("Save the changes?", system.m_shown[0].text);
  EXPECT_EQ("Velmoran", system.m_shown[0].caption);
  EXPECT_EQ(0x14u, system.m_shown[0].flags);
  EXPECT_EQ(0, frame->ShowMessage(NULL, "", 0x14));
  EXPECT_EQ(0, frame->ShowMessageWithCaption(frame.Get(), "Text", "", 0x10));
  EXPECT_EQ(1u, system.m_shown.size());
}

}  // namespace
