#include "platform/Clipboard.h"

#include <gtest/gtest.h>

namespace ravlet {

TEST(Clipboard, TheProcessClipboardKeepsText) {
    Clipboard& clip = SystemClipboard();
    clip.Clear();
    EXPECT_FALSE(clip.HasText());
    std::string text = "left";
    ASSERT_TRUE(clip.GetText(text));
    EXPECT_EQ(text, "") << "an empty clipboard reads as empty text";
    clip.SetText(std::string("a\0b", 3));
    EXPECT_TRUE(clip.HasText());
    ASSERT_TRUE(clip.GetText(text));
    EXPECT_EQ(text, std::string("a\0b", 3));
    clip.Clear();
    EXPECT_FALSE(clip.HasText());
}

TEST(Clipboard, EveryLineEndBecomesCrLf) {
    const struct {
        const char* in;
        const char* out;
    } rows[] = {{"a\nb\nc", "a\r\nb\r\nc"},
                {"a\rb\r", "a\r\nb\r\n"},
                {"a\r\nb", "a\r\nb"},
                {"a\n\nb", "a\r\n\r\nb"},
                {"a\n\r\nb\r\r", "a\r\n\r\nb\r\n\r\n"},
                {"", ""},
                {"no line end", "no line end"}};
    for (const auto& r : rows) EXPECT_EQ(CrLfLineEnds(r.in), r.out) << r.in;
}

TEST(Clipboard, AnInstalledClipboardServesUntilRemoved) {
    MemoryClipboard mine;
    SetClipboard(&mine);
    SystemClipboard().SetText("mine");
    SetClipboard(nullptr);
    EXPECT_EQ(mine.text, "mine");
    std::string text;
    SystemClipboard().GetText(text);
    EXPECT_NE(text, "mine");
    mine.locked = true;  // a locked clipboard cannot be read
    text = "before";
    EXPECT_FALSE(mine.GetText(text));
    EXPECT_EQ(text, "before");
    EXPECT_EQ(mine.reads, 1);
}

}  // namespace ravlet
