#include "platform/Graphics.h"

#include <EGL/egl.h>

namespace platform {

bool initialiseDefaultEglDisplay()
{
    const EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display == EGL_NO_DISPLAY)
        return false;
    EGLint major = 0;
    EGLint minor = 0;
    if (eglInitialize(display, &major, &minor) != EGL_TRUE)
        return false;
    eglTerminate(display);
    return true;
}

} // namespace platform
