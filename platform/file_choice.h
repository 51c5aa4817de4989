// What the file dialogs of every back end make of the path they propose and of the name the
// player chooses. No path from the player or the settings can raise an error here.
#pragma once

#include <optional>
#include <string>

#include "platform/dialogs.h"

// The folder of the remembered path, when it can still be listed; nullopt when there is none
// or it cannot be examined (gone, private, on a dead mount).
std::optional<std::string> proposedFolder(const std::string& rememberedPath);

// Whether the remembered path names a regular file an open dialog can select.
bool isProposedFile(const std::string& rememberedPath);

// The path a dialog answers for the chosen name. A save name gets the default extension when
// its last component has no dot. An open name is taken as it stands when something has that
// name, else with the default extension, as typed names are; nullopt when an open dialog that
// wants an existing file finds nothing under either.
std::optional<std::string> chosenFilePath(const std::string& name,
                                          const FileDialogRequest& request, bool saving);

// Whether anything has this name, a dangling or looping symbolic link included.
bool nameTaken(const std::string& path);
