#include "platform/platform.h"

namespace pv {

namespace {

constexpr HINSTANCE kInstance = 1;

}  // namespace

Platform::Platform() = default;
Platform::~Platform() = default;

HINSTANCE Platform::GetModuleHandleA(const char* /*name*/) {
    return kInstance;
}

const char* Platform::GetCommandLineA() {
    return "pondivar";
}

FileSystem& Platform::Files() {
    return RealFileSystem();
}

}  // namespace pv
