#pragma once

namespace platform {

// True when the default EGL display can be initialised, i.e. an OpenGL ES capable
// driver is there; the program then prefers OpenGL ES over software rendering.
bool initialiseDefaultEglDisplay();

} // namespace platform
