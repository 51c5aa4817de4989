// A puzzle's title as its message can keep it: the message is code page 932 text, so letters
// the code page lacks become their plain forms (é → e, Æ → AE) where they have one, '?' else.
#pragma once

#include <string>
#include <utility>
#include <string_view>
#include <vector>

struct KeptTitle {
    std::string text;  // UTF-8, every letter one that code page 932 keeps
    // Each letter replaced, once, in the order met: the letter and what it became ("" for a
    // mark that goes without trace, such as an accent typed on its own or a joiner).
    std::vector<std::pair<std::string, std::string>> replaced;
};

KeptTitle keptTitle(std::string_view utf8);
