// Preloaded into the game to make std::thread fail to start, as it does when the system is out
// of threads: pthread_create refuses every thread that the C++ library asks for and passes all
// others (the GL driver's, the sanitizers') on to the real one.
#include <dlfcn.h>
#include <pthread.h>

#include <cerrno>
#include <cstring>

namespace {

using CreateThread = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);

bool startedByTheCppLibrary(void* (*start)(void*))
{
    Dl_info info;
    return dladdr(reinterpret_cast<void*>(start), &info) != 0 && info.dli_fname &&
           std::strstr(info.dli_fname, "libstdc++") != nullptr;
}

}  // namespace

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes,
                              void* (*start)(void*), void* argument)
{
    if (startedByTheCppLibrary(start))
        return EAGAIN;
    static const auto next = reinterpret_cast<CreateThread>(dlsym(RTLD_NEXT, "pthread_create"));
    return next(thread, attributes, start, argument);
}
