// The viewer's counter step against the simulated card's driver, which
// install-counters.sh has set up for the two interfaces below.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>

#include "wlanstat/info/system_services.h"
#include "wlanstat/info/traffic_counters.h"

namespace wlanstat {
namespace {

constexpr wchar_t kFirst[] = L"{5A1C0DE0-9B0A-4C1E-8F3A-2D6B7E81A001}";
constexpr wchar_t kSecond[] = L"{5A1C0DE0-9B0A-4C1E-8F3A-2D6B7E81A002}";

AdapterStatus Counters(const wchar_t* guid) {
    SystemCounterDevice device;
    AdapterStatus status;
    QueryTrafficCounters(device, guid, status);
    return status;
}

// The driver's counts: sent from 5 000 001 000, received from 6 000 002 000,
// each interface 100 000 000 further, growing 1000 and 2000 per answer.
TEST(CounterDriver, AnswersBothCountsPerInterfaceAndTheyGrow) {
    const AdapterStatus first = Counters(kFirst);
    EXPECT_GE(first.txFrames, 5'000'001'000u);
    EXPECT_LT(first.txFrames, 5'100'000'000u);
    EXPECT_GE(first.rxFrames, 6'000'002'000u);
    EXPECT_LT(first.rxFrames, 6'100'000'000u);
    const AdapterStatus again = Counters(kFirst);
    EXPECT_EQ(again.txFrames, first.txFrames + 1000);
    EXPECT_EQ(again.rxFrames, first.rxFrames + 2000);

    const AdapterStatus second = Counters(kSecond);
    EXPECT_GE(second.txFrames, 5'100'001'000u);
    EXPECT_LT(second.txFrames, 5'200'000'000u);
    EXPECT_GE(second.rxFrames, 6'100'002'000u);
    EXPECT_LT(second.rxFrames, 6'200'000'000u);

    // The GUID's case does not matter; an interface the driver was not given has no device.
    EXPECT_NE(Counters(L"{5a1c0de0-9b0a-4c1e-8f3a-2d6b7e81a001}").txFrames, 0u);
    const AdapterStatus unknown = Counters(L"{5A1C0DE0-9B0A-4C1E-8F3A-2D6B7E81A003}");
    EXPECT_EQ(unknown.txFrames, 0u);
    EXPECT_EQ(unknown.rxFrames, 0u);
}

// A caller with another control code, object id or a short buffer gets no count.
TEST(CounterDriver, RefusesOtherRequests) {
    const HANDLE device = CreateFileW(L"\\\\.\\{5A1C0DE0-9B0A-4C1E-8F3A-2D6B7E81A001}", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    const auto ask = [device](DWORD code, ULONG oid, DWORD outBytes) {
        std::uint64_t value = 0;
        DWORD returned = 0;
        return DeviceIoControl(device, code, &oid, sizeof oid, &value, outBytes, &returned, nullptr) != FALSE;
    };
    EXPECT_TRUE(ask(0x00170002, 0x00020101, 8));
    EXPECT_FALSE(ask(0x00170000, 0x00020101, 8));  // the same request buffered
    EXPECT_FALSE(ask(0x00170006, 0x00020101, 8));  // the next function number
    EXPECT_FALSE(ask(0x00170002, 0x00020103, 8));  // transmit errors
    EXPECT_FALSE(ask(0x00170002, 0x00010101, 8));  // supported list
    EXPECT_FALSE(ask(0x00170002, 0x00020102, 4));
    CloseHandle(device);
}

// The service key's "ShortAnswers" for the life of a test; removed after it.
class ShortAnswers {
public:
    explicit ShortAnswers(DWORD bits) {
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"System\\CurrentControlSet\\Services\\QuorixCounters", 0,
                      KEY_SET_VALUE, &key_);
        set = key_ != nullptr && RegSetValueExW(key_, L"ShortAnswers", 0, REG_DWORD,
                                                reinterpret_cast<const BYTE*>(&bits), sizeof bits) == ERROR_SUCCESS;
    }
    ~ShortAnswers() {
        if (key_ == nullptr) return;
        RegDeleteValueW(key_, L"ShortAnswers");
        RegCloseKey(key_);
    }
    ShortAnswers(const ShortAnswers&) = delete;
    ShortAnswers& operator=(const ShortAnswers&) = delete;
    bool set = false;

private:
    HKEY key_ = nullptr;
};

// Told to, it answers the frames received as an older driver does: 4 bytes of
// a 32-bit count, the rest of the caller's buffer untouched.
TEST(CounterDriver, AnswersTheReceiveCountInFourBytesWhenTold) {
    ShortAnswers shortReceive(2);
    ASSERT_TRUE(shortReceive.set);
    const HANDLE device = CreateFileW(L"\\\\.\\{5A1C0DE0-9B0A-4C1E-8F3A-2D6B7E81A001}", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(device, INVALID_HANDLE_VALUE);
    std::uint64_t value = ~0ull;
    DWORD returned = 0;
    ULONG oid = 0x00020102;
    EXPECT_TRUE(DeviceIoControl(device, 0x00170002, &oid, sizeof oid, &value, sizeof value, &returned, nullptr));
    EXPECT_EQ(returned, 4u);
    EXPECT_EQ(value >> 32, 0xFFFFFFFFu);
    EXPECT_GE(value & 0xFFFFFFFF, 3'000'002'000u);
    CloseHandle(device);

    // The viewer's counter step takes it as the count it is, beside a whole 8-byte transmit count.
    const AdapterStatus status = Counters(kFirst);
    EXPECT_GE(status.txFrames, 5'000'001'000u);
    EXPECT_LT(status.txFrames, 5'100'000'000u);
    EXPECT_GE(status.rxFrames, 3'000'002'000u);
    EXPECT_LT(status.rxFrames, 3'100'000'000u);
}

}  // namespace
}  // namespace wlanstat
