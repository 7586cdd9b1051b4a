// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sane/sane.h>

#include <memory>

namespace quillon {

// The thin wrapper of one open SANE handle: everything the library asks of a
// device passes here, so frame reading can be tested without one.
class SaneDevice {
public:
    virtual ~SaneDevice() = default;
    virtual SANE_Status Start() = 0;
    virtual SANE_Status GetParameters(SANE_Parameters& parameters) = 0;
    virtual SANE_Status Read(SANE_Byte* data, SANE_Int maxLength, SANE_Int* length) = 0;
    // Safe to call from another thread while Read is blocked.
    virtual void Cancel() = 0;
    virtual int OptionCount() = 0;
    virtual const SANE_Option_Descriptor* Descriptor(int index) = 0;
    virtual SANE_Status Control(int index, SANE_Action action, void* value, SANE_Int* info) = 0;
    // The descriptor the device's data arrives on, when it offers one; -1: none.
    virtual int DataDescriptor() { return -1; }
};

// A real device, opened by name; closed when destroyed.
class SaneHandleDevice : public SaneDevice {
public:
    // Null with SANE's status in *status when the device cannot be opened.
    static std::unique_ptr<SaneDevice> Open(const char* name, int* status);
    ~SaneHandleDevice() override;

    SANE_Status Start() override { return sane_start(handle_); }
    SANE_Status GetParameters(SANE_Parameters& parameters) override { return sane_get_parameters(handle_, &parameters); }
    SANE_Status Read(SANE_Byte* data, SANE_Int maxLength, SANE_Int* length) override {
        return sane_read(handle_, data, maxLength, length);
    }
    void Cancel() override { sane_cancel(handle_); }
    int OptionCount() override;
    const SANE_Option_Descriptor* Descriptor(int index) override { return sane_get_option_descriptor(handle_, index); }
    SANE_Status Control(int index, SANE_Action action, void* value, SANE_Int* info) override {
        return sane_control_option(handle_, index, action, value, info);
    }
    int DataDescriptor() override {
        SANE_Int fd = -1;
        return sane_get_select_fd(handle_, &fd) == SANE_STATUS_GOOD ? fd : -1;
    }

private:
    explicit SaneHandleDevice(SANE_Handle handle) : handle_(handle) {}
    SANE_Handle handle_;
};

}  // namespace quillon
