// Trennick: the console helper that the installer starts with one switch at a time.
#include <windows.h>

#include "Trennick.h"

int main(int argc, char* argv[]) {
  // The installer's user should see no console flash by.
  ShowWindow(GetConsoleWindow(), SW_HIDE);
  CTrennick trennick;
  return trennick.Run(argc, argv);
}
