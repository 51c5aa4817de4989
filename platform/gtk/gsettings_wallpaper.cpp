// Wallpaper through GSettings: each desktop's background schema is looked up before use, since
// making settings for a schema that is not installed ends the program.
#include "platform/gtk/gsettings_wallpaper.h"

namespace {

// One desktop's background setting: its schema, its keys and whether they take a URI.
struct BackgroundSchema {
    const char* schemaId;
    const char* keys[2];
    bool takesUri;
};

constexpr BackgroundSchema backgroundSchemas[] = {
    {"org.gnome.desktop.background", {"picture-uri", "picture-uri-dark"}, true},
    {"org.cinnamon.desktop.background", {"picture-uri", nullptr}, true},
    {"org.mate.background", {"picture-filename", nullptr}, false},
};

// Writes the value into every key the schema has, then reads each back: a settings back end
// without a session (dconf with no bus) accepts writes and drops them.
bool writeAndCheck(GSettingsSchema* schema, GSettingsBackend* backend, const char* const* keys,
                   const char* value)
{
    GSettings* settings = g_settings_new_full(schema, backend, nullptr);
    bool stuck = true;
    for (int i = 0; i < 2 && keys[i]; ++i)
        if (g_settings_schema_has_key(schema, keys[i]))
            stuck = g_settings_set_string(settings, keys[i], value) && stuck;
    g_settings_sync();
    for (int i = 0; i < 2 && keys[i]; ++i) {
        if (!g_settings_schema_has_key(schema, keys[i]))
            continue;
        gchar* stored = g_settings_get_string(settings, keys[i]);
        stuck = stuck && g_strcmp0(stored, value) == 0;
        g_free(stored);
    }
    g_object_unref(settings);
    return stuck;
}

}  // namespace

bool writeWallpaperSettings(GSettingsSchemaSource* schemas, GSettingsBackend* backend,
                            const std::string& path)
{
    if (!schemas)
        return false;
    gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
    if (!uri)
        return false;
    bool anyInstalled = false;
    bool allStuck = true;
    for (const BackgroundSchema& background : backgroundSchemas) {
        GSettingsSchema* schema =
            g_settings_schema_source_lookup(schemas, background.schemaId, TRUE);
        if (!schema)
            continue;
        anyInstalled = true;
        allStuck = writeAndCheck(schema, backend, background.keys,
                                 background.takesUri ? uri : path.c_str()) &&
                   allStuck;
        g_settings_schema_unref(schema);
    }
    g_free(uri);
    return anyInstalled && allStuck;
}
