#include "RunnerFakes.h"
#include "snapshot/SaveSnapshot.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lumivane::test {
namespace {

/// A page of one colour that covers `width` x `height` pixels.
class ColourDocument : public WebDocument {
public:
    void Draw(Bitmap32& page) override
    {
        ++draws;
        for (int y = 0; y < std::min(height, page.height()); ++y)
            for (int x = 0; x < std::min(width, page.width()); ++x)
                page.setPixel(x, y, colour);
    }
    std::uint32_t colour = 0x00FF0000;
    int width = 1000;
    int height = 1000;
    int draws = 0;
};

class DocumentBrowser : public FakeBrowser {
public:
    WebDocument* Document() override { return document; }
    WebDocument* document = nullptr;
};

std::uint32_t bmpPixel(const std::string& bytes, int width, int height, int x, int y)
{
    const auto offset = 54 + ((height - 1 - y) * width + x) * 4;
    std::uint32_t value = 0;
    for (int i = 0; i < 3; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[offset + i]))
            << (8 * i);
    return value;
}

TEST(SaveSnapshot, NoDocumentWritesNothing)
{
    TempDir out;
    DocumentBrowser browser;
    SaveSnapshot(browser, {800, 600, 200, 150}, out.file("a.jpg"));
    EXPECT_FALSE(std::filesystem::exists(out.file("a.jpg")));
}

TEST(SaveSnapshot, ShrinksThePageIntoTheThumbnailOfTheChosenFormat)
{
    TempDir out;
    ColourDocument document;
    document.width = 400; // the right half of the page stays white
    DocumentBrowser browser;
    browser.document = &document;
    SaveSnapshot(browser, {800, 600, 4, 3}, out.file("a.bmp"));
    const auto bytes = readFile(out.file("a.bmp"));
    ASSERT_EQ(bytes.size(), 14u + 40u + 4u * 3u * 4u);
    EXPECT_EQ(bmpPixel(bytes, 4, 3, 0, 0), 0xFF0000u);
    EXPECT_EQ(bmpPixel(bytes, 4, 3, 3, 2), 0xFFFFFFu);

    SaveSnapshot(browser, {800, 600, 200, 150}, out.file("a.xyz"));
    EXPECT_FALSE(std::filesystem::exists(out.file("a.xyz")));
}

TEST(SaveSnapshot, FailuresRaise)
{
    TempDir out;
    ColourDocument document;
    DocumentBrowser browser;
    browser.document = &document;
    EXPECT_THROW(SaveSnapshot(browser, {0, 600, 200, 150}, out.file("a.jpg")), Error);
    EXPECT_THROW(SaveSnapshot(browser, {800, 600, 200, 150}, out.file("missing/a.jpg")), Error);
    EXPECT_THROW(SaveSnapshot(browser, {100000, 100000, 200, 150}, out.file("a.jpg")), Error);
    EXPECT_FALSE(std::filesystem::exists(out.file("a.jpg")));
}

} // namespace
} // namespace lumivane::test
