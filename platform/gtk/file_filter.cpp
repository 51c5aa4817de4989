// The file dialogs' filters as GTK filters.
#include "platform/gtk/file_filter.h"

#include "platform/language.h"

GtkFileFilter* newFileFilter(const FileFilter& filter)
{
    GtkFileFilter* gtkFilter = gtk_file_filter_new();
    gtk_file_filter_set_name(gtkFilter, translate(filter.name.c_str()));
    // Several patterns are separated by semicolons, as in Windows filters; "*.*" is every
    // file there, dotted or not.
    gchar** patterns = g_strsplit(filter.pattern.c_str(), ";", -1);
    for (gchar** pattern = patterns; *pattern; ++pattern)
        gtk_file_filter_add_pattern(gtkFilter, g_strcmp0(*pattern, "*.*") == 0 ? "*" : *pattern);
    g_strfreev(patterns);
    return gtkFilter;
}
