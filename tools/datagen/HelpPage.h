#pragma once

namespace datagen {

/// The body of the help page: the rules of the game and how to play it with the mouse (HTML, UTF-8).
const char* helpPageBody();

} // namespace datagen
