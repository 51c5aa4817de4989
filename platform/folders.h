// Questions about paths that each system answers its own way.
#pragma once

#include <string>

// Whether anything (a file, a folder, a link) is at the path.
bool pathExists(const std::string& path);
