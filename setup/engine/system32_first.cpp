#include "setup/engine/system32_first.h"

namespace engine {

namespace {
// PROCESS_CREATION_MITIGATION_POLICY_IMAGE_LOAD_PREFER_SYSTEM32_ALWAYS_ON; the
// headers hide it below Windows 10, the oldest system we run on is Windows 7.
constexpr DWORD64 kPreferSystem32 = 0x1ULL << 60;
}  // namespace

System32FirstStartup::System32FirstStartup() : policy_(kPreferSystem32) {
    startup_.StartupInfo.cb = sizeof startup_;
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    if (size == 0) return;
    list_.assign(size, 0);
    auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list_.data());
    if (!InitializeProcThreadAttributeList(list, 1, 0, &size)) return;
    initialized_ = true;
    if (!UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_MITIGATION_POLICY, &policy_, sizeof policy_, nullptr,
                                   nullptr)) {
        return;
    }
    startup_.lpAttributeList = list;
    ready_ = true;
}

System32FirstStartup::~System32FirstStartup() {
    if (initialized_) DeleteProcThreadAttributeList(reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(list_.data()));
}

}  // namespace engine
