#pragma once
// ZIP archives made at test time with minizip, for the file system tests and
// the fuzz seeds.
#include <string>
#include <utility>
#include <vector>

namespace qor::test {

struct cZipMember {
    std::string name;
    std::string content;
    bool deflate = true;  // else stored
};

// False when minizip refuses any step.
bool WriteTestZip(const std::string& file, const std::vector<cZipMember>& members);

}  // namespace qor::test
