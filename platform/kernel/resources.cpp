// Resources: the files embedded at build time, plus any that tests register, found by name and
// type without regard to case.
#include "platform/kernel/resources.h"

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/kernel/debug.h"
#include "platform/kernel/embedded_resources.h"
#include "platform/kernel/files.h"

namespace tkp::kernel {

// A name or a type: an integer id, a string, or both (a file "32512.ico" answers to either).
struct ResKey {
    int id = -1;
    std::string text;
};

struct Resource {
    ResKey name;
    ResKey type;
    const unsigned char* data = nullptr;
    std::size_t size = 0;
    std::vector<unsigned char> owned;  // the copy of a registered resource
    bool replaced = false;             // hidden by a later registration of the same name and type
};

}  // namespace tkp::kernel

namespace {

using tkp::kernel::ResKey;
using tkp::kernel::Resource;

// LoadResource of an empty resource still succeeds.
const unsigned char kEmpty[1] = {0};

char fold(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string upper(const std::string& s) {
    std::string out = s;
    for (char& c : out) c = fold(c);
    return out;
}

// Decimal digits only, below 0x10000: the id; else -1.
int parseId(const std::string& digits) {
    if (digits.empty() || digits.size() > 5) return -1;
    int value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value <= 0xFFFF ? value : -1;
}

// A name or type as callers pass it: MAKEINTRESOURCE id, "#123", or a string.
ResKey keyOf(LPCSTR s) {
    ResKey key;
    if (IS_INTRESOURCE(s)) {
        key.id = static_cast<int>(reinterpret_cast<std::uintptr_t>(s));
    } else if (s[0] == '#') {
        key.id = parseId(s + 1);
        if (key.id < 0) key.text = upper(s);
    } else {
        key.text = upper(s);
    }
    return key;
}

// A query matches a resource by id or by string, whichever the query is.
bool matches(const ResKey& query, const ResKey& have) {
    if (query.id >= 0) return have.id == query.id;
    return !query.text.empty() && query.text == have.text;
}

bool sameKey(const ResKey& a, const ResKey& b) {
    return a.id == b.id && a.text == b.text;
}

// One embedded file as a resource: the type follows the extension, the name is the file name.
std::unique_ptr<tkp::kernel::Resource> fromFile(const tkp_EmbeddedFile& file) {
    auto res = std::make_unique<tkp::kernel::Resource>();
    const std::string fileName = file.fileName;
    const std::size_t dot = fileName.rfind('.');
    const std::string ext = dot == std::string::npos ? "" : upper(fileName.substr(dot + 1));
    res->name.text = upper(fileName);
    res->name.id = parseId(fileName.substr(0, dot));
    res->data = file.begin;
    res->size = static_cast<std::size_t>(file.end - file.begin);
    if (ext == "BMP") {
        // A bitmap resource starts at the info header; the file header is not part of it.
        if (res->size < 14 || res->data[0] != 'B' || res->data[1] != 'M') {
            OutputDebugStringA(("resources: " + fileName + " is not a BMP file; left out\n").c_str());
            return nullptr;
        }
        res->type.id = 2;
        res->data += 14;
        res->size -= 14;
    } else if (ext == "ICO") {
        res->type.id = 14;
    } else {
        res->type.text = ext;
    }
    return res;
}

std::mutex g_mutex;
std::vector<std::unique_ptr<tkp::kernel::Resource>> g_registered;

const std::vector<std::unique_ptr<tkp::kernel::Resource>>& embedded() {
    static const std::vector<std::unique_ptr<tkp::kernel::Resource>> table = [] {
        std::vector<std::unique_ptr<tkp::kernel::Resource>> out;
        std::size_t count = 0;
        const tkp_EmbeddedFile* files = tkp_EmbeddedFiles ? tkp_EmbeddedFiles(&count) : nullptr;
        for (std::size_t i = 0; files && i < count; ++i) {
            if (auto res = fromFile(files[i])) out.push_back(std::move(res));
        }
        return out;
    }();
    return table;
}

bool isOwnModule(HMODULE module) {
    return !module || module == GetModuleHandleA(nullptr);
}

}  // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (!isOwnModule(module)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!name || !type) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const ResKey nameKey = keyOf(name);
    const ResKey typeKey = keyOf(type);
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        for (const auto& res : g_registered) {
            if (!res->replaced && matches(typeKey, res->type) && matches(nameKey, res->name))
                return res.get();
        }
    }
    for (const auto& res : embedded()) {
        if (matches(typeKey, res->type) && matches(nameKey, res->name)) return res.get();
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    if (!isOwnModule(module) || !resource) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const unsigned char* data = resource->size ? resource->data : kEmpty;
    return const_cast<unsigned char*>(data);
}

LPVOID LockResource(HGLOBAL data) {
    return data;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    if (!isOwnModule(module) || !resource) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(resource->size);
}

namespace tkp::testing {
// The two test hooks of resources, declared in platform/testing/test_hooks.h.
bool RegisterResource(LPCSTR name, LPCSTR type, const void* data, std::size_t size) {
    if (!name || !type || (!data && size) || size > 0xFFFFFFFFu) return false;
    if (!IS_INTRESOURCE(name) && !*name) return false;
    if (!IS_INTRESOURCE(type) && !*type) return false;
    auto res = std::make_unique<tkp::kernel::Resource>();
    res->name = keyOf(name);
    res->type = keyOf(type);
    const auto* bytes = static_cast<const unsigned char*>(data);
    res->owned.assign(bytes, bytes + size);
    res->data = res->owned.data();
    res->size = size;
    std::lock_guard<std::mutex> lock(g_mutex);
    // The newest is searched first; earlier ones of the same key stay allocated for old handles.
    for (auto& old : g_registered) {
        if (sameKey(old->name, res->name) && sameKey(old->type, res->type)) old->replaced = true;
    }
    g_registered.insert(g_registered.begin(), std::move(res));
    return true;
}

void ClearRegisteredResources() {
    std::lock_guard<std::mutex> lock(g_mutex);
    g_registered.clear();
}
}  // namespace tkp::testing
