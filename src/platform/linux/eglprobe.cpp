// nova-eglprobe: initialises the default EGL display and terminates it again; exit code 0
// when that worked, 1 otherwise. platform::EglProbe runs it as a child process, so the
// driver libraries that EGL loads stay out of the caller. It links libEGL and nothing else.

#include <EGL/egl.h>

int main()
{
    const EGLDisplay display = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (display == EGL_NO_DISPLAY)
        return 1;
    EGLint major = 0;
    EGLint minor = 0;
    if (eglInitialize(display, &major, &minor) != EGL_TRUE)
        return 1;
    eglTerminate(display);
    return 0;
}
