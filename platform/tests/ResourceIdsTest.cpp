// The numbers of ids, styles and flags that resources, stored settings and
// other programs share with the layer: each must keep its value.
#include <afxwin.h>
#include <afxext.h>

#include <gtest/gtest.h>

namespace {

struct IdCase {
  const char* name;
  unsigned long value;
  unsigned long expected;
};

#define ID_CASE(name, expected) \
  { #name, static_cast < unsigned long>(name), expected }

TEST(ResourceIds, KeepTheirValues) {
  const IdCase cases[] = {
      ID_CASE(AFX_IDW_STATUS_BAR, 0xE801),
      ID_CASE(AFX_IDW_REBAR, 0xE804),
      ID_CASE(AFX_IDS_IDLEMESSAGE, 0xE001),
      ID_CASE(ID_EDIT_COPY, 0xE122),
      ID_CASE(ID_EDIT_CUT, 0xE123),
      ID_CASE(ID_EDIT_PASTE, 0xE125),
      ID_CASE(ID_EDIT_UNDO, 0xE12B),
      ID_CASE(HID_BASE_COMMAND, 0x10000),
      ID_CASE(HID_BASE_CONTROL, 0x50000),
      ID_CASE(SBPS_NOBORDERS, 0x0100),
      ID_CASE(SBPS_POPOUT, 0x0200),
      ID_CASE(SBPS_DISABLED, 0x04000000),
      ID_CASE(SBPS_STRETCH, 0x08000000),
      ID_CASE(FS_SHOW, 0x01),
      ID_CASE(FS_SYNCACTIVE, 0x40),
      ID_CASE(WF_STAYACTIVE, 0x20),
      ID_CASE(WF_NOPOPMSG, 0x40),
      ID_CASE(ID_COMMAND_FROM_SC(SC_CLOSE), 0xEF06),
      ID_CASE(ID_COMMAND_FROM_SC(SC_RESTORE), 0xEF12),
  };
  for (const IdCase& c : cases) EXPECT_EQ(c.expected, c.value) << c.name;
}

}  // namespace
