// Decodes one embedded icon or cursor image (a PNG) into a pixbuf.
#pragma once

#include <gdk-pixbuf/gdk-pixbuf.h>

#include <cstdint>
#include <span>

// A new pixbuf, or null when the bytes are no image GdkPixbuf reads.
GdkPixbuf* pixbufFromImage(std::span<const std::uint8_t> bytes);
