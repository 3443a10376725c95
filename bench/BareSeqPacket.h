#pragma once

#include <QByteArray>

// The rate, in exchanges per second, of the pipe's work done on bare AF_UNIX
// SOCK_SEQPACKET sockets at socketPath: per exchange one connection, message out, "OK"
// back, close; served by a second thread. The yardstick for the pipe benchmarks.
double bareSeqPacketRate(int exchanges, const QByteArray &socketPath, const QByteArray &message);
