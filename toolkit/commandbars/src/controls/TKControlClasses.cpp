// The classes a control type makes.
#include "commandbars/TKControlClasses.h"

