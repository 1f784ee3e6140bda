#include "link/portbyname.h"

#include "link/networkport.h"
#include "link/serialport.h"

namespace olma::link {

std::unique_ptr<ISerialPort> makePort(const QString& name)
{
    if (isNetworkPortName(name))
        return std::make_unique<NetworkPort>();
    return std::make_unique<SerialPort>();
}

} // namespace olma::link
