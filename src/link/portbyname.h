#pragma once

#include "link/iserialport.h"

#include <QString>

#include <memory>

namespace olma::link {

// The port object for a port name: a network port for "tcp://" and "tls://" addresses, the
// computer's serial port otherwise.
std::unique_ptr<ISerialPort> makePort(const QString& name);

} // namespace olma::link
