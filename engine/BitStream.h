#pragma once
// The byte stream behind every data file that is not text (scene files,
// profiles). Values are little-endian. Reading never fails: a byte beyond the
// end reads as 0, so truncated files yield zeros instead of crashes.
#include <cstdint>
#include <string>
#include <vector>

namespace qor {

class cBitStream {
  public:
    void Clear();
    // Replaces the content with these bytes; the read cursor goes to 0.
    void Load(const uint8_t* data, size_t size);

    void WriteU8(uint8_t v);
    void WriteBool(bool v) { WriteU8(v ? 1 : 0); }
    void WriteU32(uint32_t v);
    void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
    void WriteF32(float v);
    void WriteString(std::u16string_view s);

    uint8_t ReadU8();
    uint32_t ReadU32();
    int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
    float ReadF32();
    bool ReadBool() { return ReadU8() != 0; }
    std::u16string ReadString();

    size_t BitLength() const { return m_bitsWritten; }
    size_t ByteLength() const { return (m_bitsWritten + 7) / 8; }
    const uint8_t* Data() const { return m_bytes.data(); }
    size_t ReadPosition() const { return m_readBit; }
    // Moves the read cursor back to the first byte.
    void Rewind() { m_readBit = 0; }
    bool AtEnd() const { return m_readBit >= m_bitsWritten; }

  private:
    void WriteBits8(uint8_t v);
    uint8_t ReadBits8();

    std::vector<uint8_t> m_bytes;
    size_t m_writeBit = 0;
    size_t m_readBit = 0;
    size_t m_bitsWritten = 0;
};

}  // namespace qor
