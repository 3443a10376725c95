#include "install/DownloadParser.h"

DownloadParser::DownloadParser(QObject *parent)
    : ExitCodeResultParser("DownloadParser", parent)
{
}
