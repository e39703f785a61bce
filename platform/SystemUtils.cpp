#include "platform/SystemUtils.h"

#include <cstring>
#include <unistd.h>

std::string SplitFirst(std::string& text, const std::string& delimiter) {
    const std::size_t at = delimiter.empty() ? std::string::npos : text.find(delimiter[0]);
    if (at == std::string::npos) {
        std::string whole = std::move(text);
        text.clear();
        return whole;
    }
    std::string head = text.substr(0, at);
    text.erase(0, at + 1);
    return head;
}

char* GetModulePath(char* buffer) {
    const ssize_t length = readlink("/proc/self/exe", buffer, kModulePathSize - 1);
    buffer[length > 0 ? length : 0] = '\0';
    return buffer;
}

std::string GetModuleDir() {
    char buffer[kModulePathSize];
    const std::string path = GetModulePath(buffer);
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}
