// The wallpaper settings of GNOME-style desktops, written through GSettings (used by the back
// ends and their tests, never by the game).
#pragma once

#include <string>

#include <gio/gio.h>

// Points the background settings of every desktop whose schema `schemas` holds at the image
// file: GNOME (picture-uri and picture-uri-dark), Cinnamon (picture-uri) and MATE
// (picture-filename). `backend` null means the default settings back end. Answers true when at
// least one desktop's schema is installed and every value written reads back as written.
bool writeWallpaperSettings(GSettingsSchemaSource* schemas, GSettingsBackend* backend,
                            const std::string& path);
