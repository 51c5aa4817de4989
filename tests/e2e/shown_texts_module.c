/* A GTK module for the end-to-end tests: appends the title of every window and the text of
   every label the program puts on the screen to the file named by VELMORA_SHOWN_TEXTS, one
   per line ("title<TAB>text" or "label<TAB>text", line breaks written as \n). */
#include <gtk/gtk.h>
#include <stdio.h>

static FILE *shownTexts;

static void writeText(const char *kind, const char *text)
{
    if (!text || !*text)
        return;
    fprintf(shownTexts, "%s\t", kind);
    for (const char *at = text; *at; ++at) {
        if (*at == '\n')
            fputs("\\n", shownTexts);
        else
            fputc(*at, shownTexts);
    }
    fputc('\n', shownTexts);
    fflush(shownTexts);
}

static gboolean widgetMapped(GSignalInvocationHint *hint, guint count, const GValue *values,
                             gpointer data)
{
    (void)hint;
    (void)count;
    (void)data;
    GObject *widget = g_value_get_object(&values[0]);
    if (GTK_IS_LABEL(widget))
        writeText("label", gtk_label_get_label(GTK_LABEL(widget)));
    else if (GTK_IS_WINDOW(widget))
        writeText("title", gtk_window_get_title(GTK_WINDOW(widget)));
    return TRUE;
}

G_MODULE_EXPORT void gtk_module_init(gint *argc, gchar ***argv)
{
    (void)argc;
    (void)argv;
    const char *path = g_getenv("VELMORA_SHOWN_TEXTS");
    shownTexts = path ? fopen(path, "a") : NULL;
    if (!shownTexts)
        return;
    g_type_class_ref(GTK_TYPE_WIDGET);
    g_signal_add_emission_hook(g_signal_lookup("map", GTK_TYPE_WIDGET), 0, widgetMapped, NULL,
                               NULL);
}
