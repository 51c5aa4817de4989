// The main window's menu bar built from a menu template; commands and check marks.
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/mnemonic_text.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

constexpr const char* commandKey = "velmora-command";

// Only the game's checkMenuItem changes a mark: GTK's own toggle on activation is undone.
void itemActivated(GtkCheckMenuItem* item, Window* window)
{
    const int commandId = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(item), commandKey));
    postMessage(window, WM_COMMAND, static_cast<std::uintptr_t>(commandId), 0);
    checkMenuItem(window, commandId, window->menuItems[commandId].checked);
}

// The text after a tab ("Ctrl+N") shown at the item's right, as Windows menus show it.
void showShortcut(GtkWidget* item, const std::string& shortcut)
{
    const std::string control = "Ctrl+";
    std::string accelerator = shortcut;
    if (accelerator.compare(0, control.size(), control) == 0) {
        // GTK names the keys that Windows menus write as signs.
        std::string key = accelerator.substr(control.size());
        if (key == "+")
            key = "plus";
        else if (key == "-")
            key = "minus";
        accelerator = "<Control>" + key;
    }
    guint key = 0;
    GdkModifierType modifiers{};
    gtk_accelerator_parse(accelerator.c_str(), &key, &modifiers);
    GtkWidget* label = gtk_bin_get_child(GTK_BIN(item));
    if (key != 0 && GTK_IS_ACCEL_LABEL(label))
        gtk_accel_label_set_accel(GTK_ACCEL_LABEL(label), key, modifiers);
}

void appendEntry(Window* window, GtkMenuShell* shell, const MenuTemplate& entry)
{
    if (!entry.text) {
        gtk_menu_shell_append(shell, gtk_separator_menu_item_new());
        return;
    }
    const std::string text = translate(entry.text);
    const std::size_t tab = text.find('\t');
    const std::string label = toGtkMnemonic(text.substr(0, tab).c_str());
    if (!entry.children.empty()) {
        GtkWidget* item = gtk_menu_item_new_with_mnemonic(label.c_str());
        GtkWidget* submenu = gtk_menu_new();
        for (const MenuTemplate& child : entry.children)
            appendEntry(window, GTK_MENU_SHELL(submenu), child);
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(item), submenu);
        gtk_menu_shell_append(shell, item);
        return;
    }
    GtkWidget* item = gtk_check_menu_item_new_with_mnemonic(label.c_str());
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), entry.checked);
    if (tab != std::string::npos)
        showShortcut(item, text.substr(tab + 1));
    g_object_set_data(G_OBJECT(item), commandKey, GINT_TO_POINTER(entry.commandId));
    window->menuItems[entry.commandId] = MenuCommandItem{
        GTK_CHECK_MENU_ITEM(item),
        g_signal_connect(item, "activate", G_CALLBACK(itemActivated), window), entry.checked};
    gtk_menu_shell_append(shell, item);
}

// Every command item is a check item, as any Windows menu item can carry a mark; an item
// without its mark looks like a plain one.
void hideEmptyCheckBoxes()
{
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(
        provider,
        "menu menuitem check:not(:checked) { border-color: transparent; background: none;"
        " box-shadow: none; -gtk-icon-source: none; }",
        -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                              GTK_STYLE_PROVIDER(provider),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

}  // namespace

namespace gtkbackend {

GtkWidget* buildMenuBar(Window* window, int menuId)
{
    std::size_t count = 0;
    const MenuTemplate* entries = findMenuTemplate(menuId, &count);
    if (!entries)
        return nullptr;
    static bool styled = false;
    if (!styled) {
        hideEmptyCheckBoxes();
        styled = true;
    }
    GtkWidget* menuBar = gtk_menu_bar_new();
    for (std::size_t index = 0; index < count; ++index)
        appendEntry(window, GTK_MENU_SHELL(menuBar), entries[index]);
    return menuBar;
}

}  // namespace gtkbackend

void checkMenuItem(Window* window, int commandId, bool checked)
{
    if (!gtkbackend::isLive(window))
        return;
    const auto found = window->menuItems.find(commandId);
    if (found == window->menuItems.end())
        return;
    MenuCommandItem& command = found->second;
    command.checked = checked;
    // Setting the state activates the item; that must not come back as a command.
    g_signal_handler_block(command.item, command.activateHandler);
    gtk_check_menu_item_set_active(command.item, checked);
    g_signal_handler_unblock(command.item, command.activateHandler);
}

void enableMenuItem(Window* window, int commandId, bool enabled)
{
    if (!gtkbackend::isLive(window))
        return;
    const auto found = window->menuItems.find(commandId);
    if (found != window->menuItems.end())
        gtk_widget_set_sensitive(GTK_WIDGET(found->second.item), enabled);
}
