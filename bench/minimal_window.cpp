// The baseline of the start-up benchmark: a plain GTK window with the game's menu bar (the same
// menus, items, Japanese labels and font) that paints the board colour once.
#include <gtk/gtk.h>

#include <string>

#include "platform/gtk/mnemonic_text.h"
#include "platform/templates.h"

namespace {

constexpr int mainMenuId = 113;

gboolean paint(GtkWidget*, cairo_t* cairo, gpointer)
{
    cairo_set_source_rgb(cairo, 0.0, 128.0 / 255.0, 128.0 / 255.0);
    cairo_paint(cairo);
    return TRUE;
}

// A popup with its items, or a command item with its shortcut shown at the right.
void appendEntry(GtkMenuShell* shell, const MenuTemplate& entry)
{
    if (!entry.text) {
        gtk_menu_shell_append(shell, gtk_separator_menu_item_new());
        return;
    }
    const std::string text = entry.text;
    const std::size_t tab = text.find('\t');
    const std::string label = toGtkMnemonic(text.substr(0, tab).c_str());
    if (!entry.children.empty()) {
        GtkWidget* item = gtk_menu_item_new_with_mnemonic(label.c_str());
        GtkWidget* submenu = gtk_menu_new();
        for (const MenuTemplate& child : entry.children)
            appendEntry(GTK_MENU_SHELL(submenu), child);
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), submenu);
        gtk_menu_shell_append(shell, item);
        return;
    }
    GtkWidget* item = gtk_check_menu_item_new_with_mnemonic(label.c_str());
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), entry.checked);
    if (tab != std::string::npos) {
        std::string accelerator = text.substr(tab + 1);
        if (accelerator.starts_with("Ctrl+"))
            accelerator = "<Control>" + accelerator.substr(5);
        guint key = 0;
        GdkModifierType modifiers{};
        gtk_accelerator_parse(accelerator.c_str(), &key, &modifiers);
        gtk_accel_label_set_accel(GTK_ACCEL_LABEL(gtk_bin_get_child(GTK_BIN(item))), key,
                                  modifiers);
    }
    gtk_menu_shell_append(shell, item);
}

}  // namespace

int main(int argc, char** argv)
{
    gdk_set_allowed_backends("x11");
    gtk_init(&argc, &argv);
    g_object_set(gtk_settings_get_default(), "gtk-font-name", "IPAPGothic, Noto Sans CJK JP 9",
                 nullptr);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "minimal");
    gtk_window_move(GTK_WINDOW(window), 0, 0);
    gtk_window_set_default_size(GTK_WINDOW(window), 1000, 700);
    GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    gtk_container_add(GTK_CONTAINER(window), column);
    GtkWidget* menuBar = gtk_menu_bar_new();
    std::size_t count = 0;
    const MenuTemplate* entries = findMenuTemplate(mainMenuId, &count);
    for (std::size_t index = 0; index < count; ++index)
        appendEntry(GTK_MENU_SHELL(menuBar), entries[index]);
    gtk_box_pack_start(GTK_BOX(column), menuBar, FALSE, FALSE, 0);
    GtkWidget* area = gtk_drawing_area_new();
    g_signal_connect(area, "draw", G_CALLBACK(paint), nullptr);
    gtk_box_pack_start(GTK_BOX(column), area, TRUE, TRUE, 0);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), nullptr);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
