#pragma once

#include <QString>

namespace olma::vpanel {

// A pseudo-terminal whose slave side is the panel's serial port as the configurator sees it.
// The slave is set to raw mode so every byte value passes unchanged both ways, and one slave
// descriptor stays open here: otherwise the master would hang up each time the configurator
// closes the port between operations.
class PseudoTerminal
{
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open(QString* error);
    void close();

    bool isOpen() const { return _master >= 0; }
    // Non-blocking master descriptor: what the panel reads and writes.
    int masterFd() const { return _master; }
    // The device path the configurator opens.
    QString slavePath() const { return _slavePath; }

private:
    int _master = -1;
    int _slave = -1;
    QString _slavePath;
};

} // namespace olma::vpanel
