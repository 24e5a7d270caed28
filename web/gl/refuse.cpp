#include "web/gl/refuse.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace {

RefusalHandler refusalHandler;

}  // namespace

void refuse(const char* call, const char* limit, ...)
{
    static char message[256];  // no allocation, not even on the way out
    const int start = std::snprintf(message, sizeof message, "GL layer: %s: ", call);
    va_list details;
    va_start(details, limit);
    std::vsnprintf(message + start, sizeof message - size_t(start), limit, details);
    va_end(details);
    if (refusalHandler) {
        refusalHandler(message);
        return;
    }
    std::fprintf(stderr, "%s\n", message);
    std::abort();
}

void setRefusalHandler(RefusalHandler handler)
{
    refusalHandler = handler;
}
