// The game's start-up settings, made before the QApplication exists: the
// game (main.cpp) and its soak benchmark start alike.
#pragma once

namespace lastrino::app {

inline void prepareStartup() {}

}  // namespace lastrino::app
