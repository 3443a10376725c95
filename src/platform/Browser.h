#pragma once

#include <QString>

namespace platform {

// The desktop user's default web browser (and mail program, for mailto addresses).
class Browser {
public:
    // The file in a sandbox machine's root that records the addresses opened there.
    static constexpr const char *RecordFile = "opened-urls.log";

    // Opens an http, https or mailto address in the desktop user's default program for it
    // and returns at once. Run as root, the program starts as the desktop user, never as
    // root, and not at all when there is none. A sandbox machine starts nothing and appends
    // the address to RecordFile, one line each. Addresses come from page content, so any
    // other address (a local file, a text that reads as a command-line option, nothing) is
    // refused. False, with a log line, when the address is refused or nothing started.
    static bool openUrl(const QString &address);

    // The address as it is handed on: the URL fully percent-encoded, so it is one word
    // without quotes, spaces or line breaks. Empty, with the reason in *refusal, when it is
    // not an address that openUrl opens.
    static QString openableAddress(const QString &address, QString *refusal);
};

} // namespace platform
