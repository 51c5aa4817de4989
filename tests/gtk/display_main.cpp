// The GTK back end's tests start here: the platform opened on the display, when there is one.
#include "tests/gtk/display_main.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/startup.h"

namespace {
bool opened = false;
}

bool displayOpened()
{
    return opened;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') {
        initialisePlatform(argc, argv);
        opened = true;
    }
    return RUN_ALL_TESTS();
}
