#pragma once

#include <QString>

// Turns the messages of one pipe into signals. A concrete parser derives from QObject
// first and MessageParser second, so one object is both a signal source and a parser.
class MessageParser {
public:
    virtual ~MessageParser() = default;
    // Handles one message; true ends the conversation (the pipe server stops).
    virtual bool parseMessage(const QString &message) = 0;
};
