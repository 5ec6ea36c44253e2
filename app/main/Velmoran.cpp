// Velmoran.exe: the one application object.
#include "app/VelmoranApp.h"

CVelmoranApp theApp;
