// Ids of the program's resources; shared by the resource script and the code.
#pragma once

#define TARVOLIN_ICON 1
#define TARVOLIN_BANNER 2
