// How one picture is loaded: the load record of the system picture table,
// which belongs to the project's files.
#pragma once

#include "project/SystemBmp.h"
