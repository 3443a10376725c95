#include "platform/Graphics.h"

namespace platform {

const char EglProbe::ProgramName[] = "nova-eglprobe";

bool EglProbe::start(const QString &programFolder)
{
    if (m_program)
        return false;
    StartRequest request;
    request.program = programFolder + QLatin1Char('/') + QLatin1String(ProgramName);
    m_program = std::make_unique<StartedProgram>(request);
    return m_program->started();
}

bool EglProbe::succeeded(int waitMs)
{
    if (!m_program)
        return false;
    const LaunchResult result = m_program->finish(waitMs);
    return result.status == LaunchResult::Finished && !result.crashed && result.exitCode == 0;
}

} // namespace platform
