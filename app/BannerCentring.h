#pragma once

namespace lumivane {

struct BannerOrigin {
    int left;
    int top;
};

/// Centres a banner in its strip, halving each size on its own with truncation,
/// so a control taller than the strip gets a negative top.
constexpr BannerOrigin centreBanner(int stripWidth, int stripHeight, int width, int height)
{
    return {stripWidth / 2 - width / 2, stripHeight / 2 - height / 2};
}

} // namespace lumivane
