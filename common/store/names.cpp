// Names inside the engines, and the workstation's sign in the locks it holds.

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <mutex>

#include "store/backend.h"

namespace orvant::store {
namespace {
std::mutex identityMutex;
LockHolder identity{"", 0};
}  // namespace

std::string quoteIdent(const std::string& name)
{
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (char c : name) {
        if (c == '"') out += '"';
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    out += '"';
    return out;
}

std::string sqlTableName(const std::string& tableName) { return canonicalTableName(tableName); }

std::string schemaForDirectory(const std::string& directory)
{
    std::string path = std::filesystem::path(directory).lexically_normal().string();
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    const auto slash = path.rfind('/');
    const std::string parent = slash == std::string::npos ? std::string() : path.substr(0, slash);
    // FNV-1a: the same on every workstation and every build, unlike std::hash.
    std::uint64_t mark = 0xcbf29ce484222325ull;
    for (unsigned char c : parent) mark = (mark ^ c) * 0x100000001b3ull;
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, "r%012llx_", static_cast<unsigned long long>(mark & 0xFFFFFFFFFFFFull));
    std::string schema = prefix;
    for (char c : path.substr(slash == std::string::npos ? 0 : slash + 1)) {
        const auto u = static_cast<unsigned char>(c);
        schema += std::isalnum(u) ? static_cast<char>(std::tolower(u)) : '_';
    }
    return schema.substr(0, 63);
}

void setWorkstationIdentity(std::string user, int session)
{
    std::lock_guard guard(identityMutex);
    identity = LockHolder{std::move(user), session};
}

LockHolder workstationIdentity()
{
    std::lock_guard guard(identityMutex);
    return identity;
}

}  // namespace orvant::store
