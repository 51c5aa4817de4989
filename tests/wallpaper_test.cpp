// The wallpaper settings through GSettings, on settings back ends that never reach the
// desktop the tests run on.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/gtk/gsettings_wallpaper.h"

#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gsettingsbackend.h>

namespace {

namespace fs = std::filesystem;

std::string readKey(GSettingsSchemaSource* schemas, GSettingsBackend* backend,
                    const char* schemaId, const char* key)
{
    GSettingsSchema* schema = g_settings_schema_source_lookup(schemas, schemaId, TRUE);
    if (!schema)
        return "(no schema)";
    GSettings* settings = g_settings_new_full(schema, backend, nullptr);
    gchar* value = g_settings_get_string(settings, key);
    std::string result = value;
    g_free(value);
    g_object_unref(settings);
    g_settings_schema_unref(schema);
    return result;
}

TEST(Wallpaper, GnomeTakesTheFileAsUriForLightAndDark)
{
    GSettingsSchemaSource* schemas = g_settings_schema_source_get_default();
    ASSERT_NE(g_settings_schema_source_lookup(schemas, "org.gnome.desktop.background", TRUE),
              nullptr)
        << "gsettings-desktop-schemas is needed";
    GSettingsBackend* backend = g_memory_settings_backend_new();
    ASSERT_TRUE(writeWallpaperSettings(schemas, backend, "/tmp/my pictures/完成.bmp"));
    const std::string uri = "file:///tmp/my%20pictures/%E5%AE%8C%E6%88%90.bmp";
    EXPECT_EQ(readKey(schemas, backend, "org.gnome.desktop.background", "picture-uri"), uri);
    EXPECT_EQ(readKey(schemas, backend, "org.gnome.desktop.background", "picture-uri-dark"),
              uri);
    g_object_unref(backend);
}

TEST(Wallpaper, WritesThatDoNotStickAreAFailure)
{
    // The null back end drops every write, as dconf without a session bus does.
    GSettingsBackend* backend = g_null_settings_backend_new();
    EXPECT_FALSE(
        writeWallpaperSettings(g_settings_schema_source_get_default(), backend, "/tmp/a.bmp"));
    g_object_unref(backend);
}

TEST(Wallpaper, NoDesktopSchemaIsAFailure)
{
    EXPECT_FALSE(writeWallpaperSettings(nullptr, nullptr, "/tmp/a.bmp"));
}

TEST(Wallpaper, MateTakesAPlainPathBesideGnome)
{
    const fs::path folder =
        fs::temp_directory_path() / ("velmora-wallpaper-schemas-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(folder / "org.mate.background.gschema.xml")
        << "<schemalist><schema id=\"org.mate.background\" path=\"/org/mate/desktop/background/\">"
           "<key name=\"picture-filename\" type=\"s\"><default>''</default></key>"
           "</schema></schemalist>";
    const std::string compile = "glib-compile-schemas " + folder.string();
    ASSERT_EQ(std::system(compile.c_str()), 0);
    GSettingsSchemaSource* schemas = g_settings_schema_source_new_from_directory(
        folder.c_str(), g_settings_schema_source_get_default(), FALSE, nullptr);
    ASSERT_NE(schemas, nullptr);
    GSettingsBackend* backend = g_memory_settings_backend_new();
    EXPECT_TRUE(writeWallpaperSettings(schemas, backend, "/tmp/wall.bmp"));
    EXPECT_EQ(readKey(schemas, backend, "org.mate.background", "picture-filename"),
              "/tmp/wall.bmp");
    EXPECT_EQ(readKey(schemas, backend, "org.gnome.desktop.background", "picture-uri"),
              "file:///tmp/wall.bmp");
    g_object_unref(backend);
    g_settings_schema_source_unref(schemas);
    fs::remove_all(folder);
}

}  // namespace
