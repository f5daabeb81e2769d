#pragma once

namespace orvane {

struct PlatformCheck {
    bool ok = true;
    bool bPalette256 = false; // the screen has 8 bits per pixel
};

// The operating system answers and the screen has more than 16 colours; failures are shown.
PlatformCheck CheckPlatform();

// What a screen depth means: 4 bits refuse, 8 bits paint white, every other depth is fine.
PlatformCheck CheckScreenDepth(int bitsPerPixel);

// Some installed font can draw Russian text; otherwise says so and returns false.
bool CheckCyrillicFont();

} // namespace orvane
