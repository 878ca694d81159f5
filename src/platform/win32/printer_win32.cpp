// The Windows build reports no printer until its device port is written; printing then falls back
// to the default page and refuses jobs, as on a machine without printers.

#include "platform/printer.hpp"

namespace tips::platform {

TPrinterPort& DefaultPrinterPort() {
    static TNoPrinterPort port;
    return port;
}

}  // namespace tips::platform
