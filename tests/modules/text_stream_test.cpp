// The module frame hands a text to a rich edit in the pieces it asks for.
#include "modules/frame/text_stream.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Streams text the way a rich edit does, one buffer of bufferSize at a time.
std::vector<int32_t> Pieces(const std::vector<uint8_t>& text, uint32_t& offset, int32_t bufferSize,
                            std::vector<uint8_t>* received = nullptr) {
    std::vector<int32_t> pieces;
    std::vector<uint8_t> buffer(bufferSize > 0 ? bufferSize : 1);
    for (;;) {
        int32_t got = NextTextChunk(text.data(), static_cast<uint32_t>(text.size()), offset,
                                    buffer.data(), bufferSize);
        if (got == 0) break;
        pieces.push_back(got);
        if (received) received->insert(received->end(), buffer.begin(), buffer.begin() + got);
    }
    return pieces;
}

}  // namespace

TEST(TextStream, LongTextArrivesInPiecesTheLastOneShorter) {
    std::vector<uint8_t> text(10000);
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<uint8_t>(i * 7);
    uint32_t offset = 0;
    std::vector<uint8_t> received;
    EXPECT_EQ(Pieces(text, offset, 4096, &received), (std::vector<int32_t>{4096, 4096, 1808}));
    EXPECT_EQ(received, text);
    EXPECT_EQ(offset, 10000u);

    // Without a reset the text is over; with one it comes again, whole.
    EXPECT_TRUE(Pieces(text, offset, 4096).empty());
    offset = 0;
    std::vector<uint8_t> again;
    Pieces(text, offset, 4096, &again);
    EXPECT_EQ(again, text);
}

TEST(TextStream, EdgeSizes) {
    struct Case {
        size_t textSize;
        int32_t bufferSize;
        std::vector<int32_t> pieces;
    };
    const Case cases[] = {
        {4096, 4096, {4096}},
        {1, 4096, {1}},
        {0, 4096, {}},
        {5, 2, {2, 2, 1}},
        {5, 0, {}},
        {5, -3, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.textSize);
        std::vector<uint8_t> text(c.textSize, 'x');
        uint32_t offset = 0;
        EXPECT_EQ(Pieces(text, offset, c.bufferSize), c.pieces);
    }
    uint8_t buffer[4];
    uint32_t offset = 0;
    EXPECT_EQ(NextTextChunk(nullptr, 10, offset, buffer, 4), 0);
}
