#pragma once

// Resource ids, shared by the resource scripts and the code that loads them.
// The manifest's and the version's are the platform's own (1 each).
#define GENSEN_ICON_ID 1
