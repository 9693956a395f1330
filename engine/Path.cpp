#include "engine/Path.h"

#include <array>

#include "engine/Strings.h"

namespace qor {

namespace {
cSystemPaths g_systemPaths = {u"", u"data", u"", u""};

std::u16string ToSlashes(std::u16string text) {
    for (char16_t& c : text) {
        if (c == u'\\') c = u'/';
    }
    return text;
}
}  // namespace

void SetSystemPaths(const cSystemPaths& paths) { g_systemPaths = paths; }
const cSystemPaths& GetSystemPaths() { return g_systemPaths; }

std::u16string ExpandPath(std::u16string_view text) {
    const std::array<std::pair<std::u16string_view, const std::u16string*>, 4> tokens = {{
        {u"{ExePath}", &g_systemPaths.exePath},
        {u"{StaticPath}", &g_systemPaths.staticPath},
        {u"{AppPath}", &g_systemPaths.appPath},
        {u"{UserPath}", &g_systemPaths.userPath},
    }};
    // Only the first token in the text is expanded; a later one stays as written.
    for (size_t brace = text.find(u'{'); brace != std::u16string_view::npos;
         brace = text.find(u'{', brace + 1)) {
        for (const auto& [token, folder] : tokens) {
            if (text.substr(brace, token.size()) == token) {
                std::u16string out(text.substr(0, brace));
                out += *folder;
                out += text.substr(brace + token.size());
                return out;
            }
        }
    }
    return std::u16string(text);
}

cPath::cPath(std::u16string_view text) {
    folder = ExpandPath(text);
    if (folder.size() > 1 && folder[1] == u':') {
        drive = folder.substr(0, 1);
        folder.erase(0, 2);
    } else if (!folder.empty() && (folder[0] == u'/' || folder[0] == u'\\')) {
        drive = u"/";  // the root of an absolute path plays the drive's part
    }
    for (char16_t& c : folder) {
        if (c == u'/') c = u'\\';
    }
    if (!folder.empty() && folder[0] == u'\\') folder.erase(0, 1);

    std::u16string file;
    const size_t slash = folder.rfind(u'\\');
    if (slash == std::u16string::npos) {
        file = folder;
        folder.clear();
    } else {
        file = folder.substr(slash + 1);
        folder.erase(slash);
    }
    const size_t dot = file.rfind(u'.');
    if (dot == std::u16string::npos) {
        name = file;
    } else {
        name = file.substr(0, dot);
        ext = file.substr(dot + 1);
    }

    // The last ".zip" that ends a folder component names the archive.
    for (size_t zip = folder.rfind(u".zip"); zip != std::u16string::npos;
         zip = zip == 0 ? std::u16string::npos : folder.rfind(u".zip", zip - 1)) {
        const size_t end = zip + 4;
        if (end == folder.size() || folder[end] == u'\\') {
            archive = folder.substr(0, end);
            folder.erase(0, end == folder.size() ? end : end + 1);
            break;
        }
    }

    if (drive == u"/") {
        full = u"/";
    } else if (!drive.empty()) {
        full = drive + u":/";
    }
    if (!archive.empty()) full += archive + u"\\";
    if (!folder.empty()) full += folder + u"\\";
    full += name;
    if (!ext.empty()) full += u"." + ext;
    full = ToSlashes(std::move(full));
}

cPath cPath::Join(std::u16string_view entry) const {
    if (full.empty()) return cPath(entry);
    std::u16string text = full;
    if (text.back() != u'/') text += u'/';
    text += entry;
    return cPath(text);
}

std::u16string cPath::ArchiveFile() const {
    std::u16string out;
    if (drive == u"/") {
        out = u"/";
    } else if (!drive.empty()) {
        out = drive + u":/";
    }
    out += archive;
    return ToSlashes(std::move(out));
}

std::u16string cPath::MemberName() const {
    std::u16string out;
    if (!folder.empty()) out = folder + u"/";
    out += name;
    if (!ext.empty()) out += u"." + ext;
    return ToSlashes(std::move(out));
}

std::string cPath::FullUtf8() const { return ToUtf8(full); }

}  // namespace qor
