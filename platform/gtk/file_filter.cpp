// The file dialogs' filters as GTK filters.
#include "platform/gtk/file_filter.h"

GtkFileFilter* newFileFilter(const FileFilter& filter)
{
    GtkFileFilter* gtkFilter = gtk_file_filter_new();
    gtk_file_filter_set_name(gtkFilter, filter.name.c_str());
    gtk_file_filter_add_pattern(gtkFilter, filter.pattern == "*.*" ? "*" : filter.pattern.c_str());
    return gtkFilter;
}
