#include "setup/engine/installer_trust.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(InstallerTrust, OnlyMicrosoftsOwnNameIsAccepted) {
    EXPECT_TRUE(IsMicrosoftSigner(L"Microsoft Corporation"));
    for (const wchar_t* other : {L"", L"microsoft corporation", L"Microsoft Corporation ", L" Microsoft Corporation",
                                 L"Microsoft Corporation Ltd", L"Microsoft",
                                 L"Other Vendor TEST ONLY"}) {
        EXPECT_FALSE(IsMicrosoftSigner(other)) << other;
    }
    EXPECT_FALSE(IsMicrosoftSigner(std::wstring_view(L"Microsoft Corporation\0x", 23)));
}

TEST(InstallerTrust, ARunWhoseEndIsUnknownHasNoExitCode) {
    EXPECT_EQ(FinishedExitCode(true, true, 0x80010001u), 0x80010001u);
    EXPECT_EQ(FinishedExitCode(true, true, 0u), 0u);
    // A failed wait leaves the process running: its code would read STILL_ACTIVE.
    EXPECT_EQ(FinishedExitCode(false, true, 259u), std::nullopt);
    EXPECT_EQ(FinishedExitCode(true, false, 0u), std::nullopt);
    EXPECT_EQ(FinishedExitCode(false, false, 0u), std::nullopt);
}

}  // namespace
}  // namespace engine
