// The message catalog the program loaded for the player's language, shared by both systems'
// ways of choosing it.
#pragma once

#include "platform/mo_catalog.h"

// The catalog translate() reads; empty until a language's catalog is loaded into it.
MoCatalog& loadedCatalog();
