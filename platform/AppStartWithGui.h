#pragma once

#include "AppStart.h"

// The entry routine: makes the application object of the part `app` needs, then runs `app`.
int RunApp(StartableApp& app, int argc, char** argv);
