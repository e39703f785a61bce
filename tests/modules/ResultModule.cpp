// A loadable module whose registration entry point returns the number in
// TALVORIN_TEST_REGISTER_RESULT, so that tests can choose success or failure.
#include <cstdint>
#include <cstdlib>

extern "C" __attribute__((visibility("default"))) std::int32_t DllRegisterServer() {
    const char* result = std::getenv("TALVORIN_TEST_REGISTER_RESULT");
    return result ? static_cast<std::int32_t>(std::strtoll(result, nullptr, 0)) : 0;
}
