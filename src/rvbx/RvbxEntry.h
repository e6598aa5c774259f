#pragma once
// The four entry points of librvbx.so, as its users find them with dlsym: results in the
// HRESULT convention (0 success, 1 "false", negative failure).
#include <cstdint>

namespace ravlet::rvbx {

inline constexpr std::int32_t kS_OK = 0;
inline constexpr std::int32_t kS_FALSE = 1;
inline constexpr std::int32_t kE_FAIL = static_cast<std::int32_t>(0x80004005u);
inline constexpr std::int32_t kE_POINTER = static_cast<std::int32_t>(0x80004003u);
inline constexpr std::int32_t kCLASS_E_CLASSNOTAVAILABLE = static_cast<std::int32_t>(0x80040111u);

using DllRegisterServerFn = std::int32_t (*)();
using DllUnregisterServerFn = std::int32_t (*)();
// Creates the object of progId ("RVBXmenu.Exec" only) as an IExec* in *object.
using DllGetClassObjectFn = std::int32_t (*)(const char* progId, void** object);
// kS_OK when no object of the library is alive, kS_FALSE otherwise.
using DllCanUnloadNowFn = std::int32_t (*)();

}  // namespace ravlet::rvbx
