#include "tools/common/Utf16Text.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace datakit {

bool Utf8ToUtf16(std::string_view utf8, std::u16string* out, std::string* error) {
    out->clear();
    out->reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        size_t extra = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            cp = lead & 0x1F;
            extra = 1;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            cp = lead & 0x0F;
            extra = 2;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            cp = lead & 0x07;
            extra = 3;
            minimum = 0x10000;
        } else {
            *error = "invalid UTF-8 lead byte at offset " + std::to_string(i);
            return false;
        }
        if (i + extra >= utf8.size() && extra > 0) {
            *error = "truncated UTF-8 sequence at offset " + std::to_string(i);
            return false;
        }
        for (size_t k = 1; k <= extra; ++k) {
            const unsigned char c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                *error = "invalid UTF-8 continuation byte at offset " + std::to_string(i + k);
                return false;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (extra > 0 && cp < minimum) {
            *error = "overlong UTF-8 sequence at offset " + std::to_string(i);
            return false;
        }
        if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF) {
            *error = "UTF-8 encodes an invalid code point at offset " + std::to_string(i);
            return false;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out->push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out->push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out->push_back(static_cast<char16_t>(cp));
        }
        i += extra + 1;
    }
    return true;
}

bool WriteBinaryFile(const std::string& path, std::string_view bytes, std::string* error) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);
    const fs::path temp = target.string() + ".part";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        if (!file) {
            *error = "cannot create " + temp.string();
            return false;
        }
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file) {
            *error = "cannot write " + temp.string();
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        *error = "cannot rename " + temp.string() + ": " + ec.message();
        return false;
    }
    return true;
}

bool WriteUtf16File(const std::string& path, std::string_view utf8, std::string* error) {
    std::u16string wide;
    if (!Utf8ToUtf16(utf8, &wide, error))
        return false;
    std::string bytes;
    bytes.reserve(2 + wide.size() * 2);
    bytes.push_back(static_cast<char>(0xFF));
    bytes.push_back(static_cast<char>(0xFE));
    for (char16_t unit : wide) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return WriteBinaryFile(path, bytes, error);
}

bool ReadWholeFile(const std::string& path, std::string* out, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = "cannot open " + path;
        return false;
    }
    out->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

}  // namespace datakit
