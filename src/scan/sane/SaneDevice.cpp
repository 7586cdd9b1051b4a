// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneDevice.h"

namespace quillon {

std::unique_ptr<SaneDevice> SaneHandleDevice::Open(const char* name, int* status) {
    SANE_Handle handle = nullptr;
    *status = sane_open(name, &handle);
    if (*status != SANE_STATUS_GOOD || !handle) {
        if (*status == SANE_STATUS_GOOD) *status = SANE_STATUS_INVAL;
        return nullptr;
    }
    return std::unique_ptr<SaneDevice>(new SaneHandleDevice(handle));
}

SaneHandleDevice::~SaneHandleDevice() {
    sane_cancel(handle_);
    sane_close(handle_);
}

int SaneHandleDevice::OptionCount() {
    // Option 0 holds the number of options, itself included.
    SANE_Int count = 0;
    if (sane_control_option(handle_, 0, SANE_ACTION_GET_VALUE, &count, nullptr) != SANE_STATUS_GOOD) return 0;
    return count;
}

}  // namespace quillon
