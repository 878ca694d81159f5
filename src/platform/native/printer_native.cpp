// Natively there are no printer devices: printing falls back to the default page and refuses jobs.

#include "platform/printer.hpp"

namespace tips::platform {

TPrinterPort& DefaultPrinterPort() {
    static TNoPrinterPort port;
    return port;
}

}  // namespace tips::platform
