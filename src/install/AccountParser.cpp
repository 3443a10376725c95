#include "install/AccountParser.h"

AccountParser::AccountParser(QObject *parent)
    : ExitCodeResultParser("AccountParser", parent)
{
}
