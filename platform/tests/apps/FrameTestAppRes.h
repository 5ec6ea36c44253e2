// Resource ids of the frame test application.
#pragma once

#define IDR_MAINFRAME 128
#define ID_TEST_MENU 32771
#define ID_TEST_ACCEL 32772
#define ID_TEST_APPCMD 32773
#define ID_TEST_STATE 32774
