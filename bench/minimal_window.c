/* The baseline of the start-up benchmark: a GTK window that paints the board colour once. */
#include <gtk/gtk.h>

static gboolean paint(GtkWidget* widget, cairo_t* cairo, gpointer data)
{
    (void)widget;
    (void)data;
    cairo_set_source_rgb(cairo, 0.0, 128.0 / 255.0, 128.0 / 255.0);
    cairo_paint(cairo);
    return TRUE;
}

int main(int argc, char** argv)
{
    gdk_set_allowed_backends("x11");
    gtk_init(&argc, &argv);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "minimal");
    gtk_window_move(GTK_WINDOW(window), 0, 0);
    gtk_window_set_default_size(GTK_WINDOW(window), 1000, 700);
    GtkWidget* area = gtk_drawing_area_new();
    g_signal_connect(area, "draw", G_CALLBACK(paint), NULL);
    gtk_container_add(GTK_CONTAINER(window), area);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
