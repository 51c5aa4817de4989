// The file dialogs' filters as GTK filters.
#pragma once

#include <gtk/gtk.h>

#include "platform/dialogs.h"

// A GTK filter with the filter's name and pattern. "*.*" means every file, as on Windows,
// where GTK alone would read it as every name with a dot.
GtkFileFilter* newFileFilter(const FileFilter& filter);
