#pragma once
// Enter and Esc never press a default or cancel button on the installer's
// windows: the frame and every page swallow their key-down before the dialog
// manager sees it. Tab and Space keep their usual meaning.
namespace skin {

constexpr bool IsSwallowedKey(unsigned message, unsigned long long key) noexcept {
    constexpr unsigned kWmKeyDown = 0x0100;
    constexpr unsigned long long kVkReturn = 0x0D, kVkEscape = 0x1B;
    return message == kWmKeyDown && (key == kVkReturn || key == kVkEscape);
}

}  // namespace skin
