#include "tests/TestZip.h"

#include <minizip/zip.h>

namespace qor::test {

bool WriteTestZip(const std::string& file, const std::vector<cZipMember>& members) {
    zipFile zip = zipOpen(file.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        return false;
    bool ok = true;
    for (const cZipMember& m : members) {
        // No file info: every time stamp is zero, so the same members give the same bytes.
        ok =
            ok && zipOpenNewFileInZip(zip, m.name.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                      m.deflate ? Z_DEFLATED : 0, Z_DEFAULT_COMPRESSION) == ZIP_OK;
        ok = ok && zipWriteInFileInZip(zip, m.content.data(),
                                       static_cast<unsigned>(m.content.size())) == ZIP_OK;
        ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

}  // namespace qor::test
