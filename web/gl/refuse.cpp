#include "web/gl/refuse.h"

#include <emscripten/console.h>

#include <cstdarg>
#include <cstdlib>

namespace {

RefusalHandler refusalHandler;

// One message at a time, built in place: nothing is allocated, not even on the way out.
struct Message {
    char text[256];
    unsigned length;
} message;

void put(char c)
{
    if (message.length + 1 < sizeof message.text)
        message.text[message.length++] = c;
    message.text[message.length] = 0;
}

void putText(const char* text)
{
    while (*text)
        put(*text++);
}

void putNumber(unsigned value, unsigned base, int width)
{
    char digits[32];
    int n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value);
    while (n < width && n < int(sizeof digits))
        digits[n++] = '0';
    while (n)
        put(digits[--n]);
}

// Only the conversions the layer's messages use: %d, %u, %s and %x with a zero-padded
// width. The C library's printf would bring ten kilobytes of code to every page load.
void format(const char* f, va_list args)
{
    for (; *f; ++f) {
        if (*f != '%') {
            put(*f);
            continue;
        }
        int width = 0;
        while (*++f >= '0' && *f <= '9')
            width = width * 10 + (*f - '0');
        switch (*f) {
        case 'd': {
            const int value = va_arg(args, int);
            if (value < 0)
                put('-');
            putNumber(value < 0 ? 0u - unsigned(value) : unsigned(value), 10, width);
            break;
        }
        case 'u': putNumber(va_arg(args, unsigned), 10, width); break;
        case 'x': putNumber(va_arg(args, unsigned), 16, width); break;
        case 's': putText(va_arg(args, const char*)); break;
        case 0: return;
        default: put(*f); break;
        }
    }
}

void startMessage(const char* call)
{
    message.length = 0;
    message.text[0] = 0;
    putText("GL layer: ");
    putText(call);
}

}  // namespace

void refuse(const char* call, const char* limit, ...)
{
    startMessage(call);
    putText(": ");
    va_list details;
    va_start(details, limit);
    format(limit, details);
    va_end(details);
    if (refusalHandler) {
        refusalHandler(message.text);
        return;
    }
    emscripten_console_error(message.text);
    std::abort();
}

void report(const char* what, ...)
{
    startMessage("");
    va_list details;
    va_start(details, what);
    format(what, details);
    va_end(details);
    emscripten_console_error(message.text);
}

void setRefusalHandler(RefusalHandler handler)
{
    refusalHandler = handler;
}
