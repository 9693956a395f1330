#include "engine/BitStream.h"

#include <cstring>

namespace qor {

void cBitStream::Clear() {
    m_bytes.clear();
    m_writeBit = m_readBit = m_bitsWritten = 0;
}

void cBitStream::Load(const uint8_t* data, size_t size) {
    Clear();
    if (size > 0 && data) m_bytes.assign(data, data + size);
    m_writeBit = m_bitsWritten = m_bytes.size() * 8;
}

void cBitStream::WriteBits8(uint8_t v) {
    const size_t byte = m_writeBit / 8;
    const unsigned shift = m_writeBit % 8;
    if (m_bytes.size() < byte + 2) m_bytes.resize(byte + 2, 0);
    if (shift == 0) {
        m_bytes[byte] = v;
    } else {
        m_bytes[byte] = static_cast<uint8_t>((m_bytes[byte] & ((1u << shift) - 1)) | (v << shift));
        m_bytes[byte + 1] = static_cast<uint8_t>(v >> (8 - shift));
    }
    m_writeBit += 8;
    if (m_writeBit > m_bitsWritten) m_bitsWritten = m_writeBit;
    m_bytes.resize((m_bitsWritten + 7) / 8 + 1);
}

uint8_t cBitStream::ReadBits8() {
    // Bytes beyond the written data read as 0: truncated files give zeros.
    auto at = [this](size_t i) -> unsigned {
        return i < (m_bitsWritten + 7) / 8 && i < m_bytes.size() ? m_bytes[i] : 0u;
    };
    const size_t byte = m_readBit / 8;
    const unsigned shift = m_readBit % 8;
    unsigned v = at(byte) >> shift;
    if (shift) v |= at(byte + 1) << (8 - shift);
    if (m_readBit + 8 > m_bitsWritten) {
        // Bits past the end count as zero too.
        const size_t valid = m_readBit < m_bitsWritten ? m_bitsWritten - m_readBit : 0;
        v &= (1u << valid) - 1;
    }
    m_readBit += 8;
    return static_cast<uint8_t>(v);
}

void cBitStream::WriteU8(uint8_t v) { WriteBits8(v); }

void cBitStream::WriteU32(uint32_t v) {
    for (int i = 0; i < 4; ++i) WriteBits8(static_cast<uint8_t>(v >> (8 * i)));
}

void cBitStream::WriteF32(float v) {
    uint32_t bits;
    std::memcpy(&bits, &v, 4);
    WriteU32(bits);
}

void cBitStream::WriteString(std::u16string_view s) {
    // Lengths of 32768 and more read back as empty strings: never write them.
    const size_t n = s.size() < 0x8000 ? s.size() : 0x7FFF;
    WriteBits8(static_cast<uint8_t>(n));
    WriteBits8(static_cast<uint8_t>(n >> 8));
    for (size_t i = 0; i < n; ++i) {
        WriteBits8(static_cast<uint8_t>(s[i]));
        WriteBits8(static_cast<uint8_t>(s[i] >> 8));
    }
}

uint8_t cBitStream::ReadU8() { return ReadBits8(); }

uint32_t cBitStream::ReadU32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(ReadBits8()) << (8 * i);
    return v;
}

float cBitStream::ReadF32() {
    const uint32_t bits = ReadU32();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
}

std::u16string cBitStream::ReadString() {
    const unsigned lo = ReadBits8();
    const unsigned n = lo | (static_cast<unsigned>(ReadBits8()) << 8);
    if (n & 0x8000) return {};
    std::u16string s;
    // A length beyond the data would only read zeros: stop at the end instead
    // of building a string of up to 32767 NULs from a truncated file.
    s.reserve(n);
    for (unsigned i = 0; i < n && m_readBit < m_bitsWritten; ++i) {
        const unsigned a = ReadBits8();
        s += static_cast<char16_t>(a | (static_cast<unsigned>(ReadBits8()) << 8));
    }
    return s;
}

}  // namespace qor
