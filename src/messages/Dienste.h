#pragma once

// The services object under its former name, for the files that still include
// it so; new code includes services/Dienste.h.
#include "services/Dienste.h"
