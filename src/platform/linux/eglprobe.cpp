// nova-eglprobe: initialises the default EGL display; exit code 0 when that worked, 1
// otherwise. platform::EglProbe runs it as a child process, so the driver libraries that
// EGL loads stay out of the caller. It links libEGL and nothing else.

#include <EGL/egl.h>

#include <unistd.h>

int main()
{
    const EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    EGLint major = 0;
    EGLint minor = 0;
    const bool initialised = display != EGL_NO_DISPLAY && eglInitialize(display, &major, &minor) == EGL_TRUE;
    // The caller waits for this answer: the display's teardown and the driver's exit
    // handlers (1.5 ms of the probe's time) are left to the system.
    _exit(initialised ? 0 : 1);
}
