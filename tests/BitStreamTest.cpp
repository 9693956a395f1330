#include "engine/BitStream.h"

#include <gtest/gtest.h>

#include <vector>

namespace qor {
namespace {

TEST(BitStream, RoundTripsEveryTypeLittleEndian) {
    cBitStream s;
    s.WriteU8(0xAB);
    s.WriteU32(0x01020304);
    s.WriteI32(-2);
    s.WriteF32(1.5f);
    s.WriteString(u"Brindlemoor \u00e9");
    ASSERT_EQ(s.ByteLength(), 1u + 4 + 4 + 4 + 2 + 13 * 2);
    EXPECT_EQ(s.Data()[1], 0x04);  // least significant byte first
    EXPECT_EQ(s.Data()[13], 13);   // string length, low byte first

    EXPECT_EQ(s.ReadU8(), 0xAB);
    EXPECT_EQ(s.ReadU32(), 0x01020304u);
    EXPECT_EQ(s.ReadI32(), -2);
    EXPECT_EQ(s.ReadF32(), 1.5f);
    EXPECT_EQ(s.ReadString(), u"Brindlemoor \u00e9");
    EXPECT_TRUE(s.AtEnd());
}

TEST(BitStream, ReadsBeyondTheEndAsZero) {
    const uint8_t bytes[] = {0x05, 0x00, 'a', 0};  // a string of 5 units, truncated
    cBitStream s;
    s.Load(bytes, sizeof bytes);
    EXPECT_EQ(s.ReadString(), std::u16string(u"a"));
    EXPECT_EQ(s.ReadU32(), 0u);
    EXPECT_EQ(s.ReadU8(), 0u);
    EXPECT_FALSE(s.ReadBool());
}

TEST(BitStream, StringWithTopBitLengthIsEmptyAndConsumesTwoBytes) {
    const uint8_t bytes[] = {0x00, 0x80, 0x07, 0, 0, 0};
    cBitStream s;
    s.Load(bytes, sizeof bytes);
    EXPECT_EQ(s.ReadString(), u"");
    EXPECT_EQ(s.ReadU32(), 7u);
}

TEST(BitStream, WritesTheExactBytesOfItsEncodings) {
    struct {
        const char* what;
        void (*write)(cBitStream&);
        std::vector<uint8_t> bytes;
    } cases[] = {
        {"empty string", [](cBitStream& s) { s.WriteString(u""); }, {0x00, 0x00}},
        {"float 1.0", [](cBitStream& s) { s.WriteF32(1.0f); }, {0x00, 0x00, 0x80, 0x3F}},
        {"bools", [](cBitStream& s) { s.WriteBool(true), s.WriteBool(false); }, {1, 0}},
        {"string", [](cBitStream& s) { s.WriteString(u"\u0102"); }, {0x01, 0x00, 0x02, 0x01}},
    };
    for (const auto& c : cases) {
        cBitStream s;
        c.write(s);
        EXPECT_EQ(std::vector<uint8_t>(s.Data(), s.Data() + s.ByteLength()), c.bytes) << c.what;
    }
    const uint8_t ffff[] = {0xFF, 0xFF, 0x2A};
    cBitStream s;
    s.Load(ffff, sizeof ffff);
    EXPECT_EQ(s.ReadString(), u"");
    EXPECT_EQ(s.ReadU8(), 0x2A);  // only the two length bytes were consumed
    EXPECT_TRUE(s.ReadBool() == false && s.AtEnd());
    s.Rewind();
    EXPECT_EQ(s.ReadU8(), 0xFF);
}

TEST(BitStream, ClearResetsBothCursors) {
    cBitStream s;
    s.WriteU32(9);
    s.ReadU8();
    s.Clear();
    EXPECT_EQ(s.BitLength(), 0u);
    s.WriteU8(3);
    EXPECT_EQ(s.ReadU8(), 3);
}

}  // namespace
}  // namespace qor
