// Preloaded into the real program by bench/game-frames.sh: at every buffer
// swap it notes the wall clock and the CPU time of the whole process (all
// threads, Mesa's drawing threads included), one line per swap in the file
// named by SWAP_TIMES: "<wall ns> <cpu ns>".
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

long long Nanoseconds(clockid_t clock)
{
    timespec t{};
    clock_gettime(clock, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

FILE* Output()
{
    static FILE* file = [] {
        const char* path = std::getenv("SWAP_TIMES");
        return path ? std::fopen(path, "w") : nullptr;
    }();
    return file;
}

}  // namespace

extern "C" void SDL_GL_SwapWindow(void* window)
{
    using Swap = void (*)(void*);
    static const auto real = reinterpret_cast<Swap>(dlsym(RTLD_NEXT, "SDL_GL_SwapWindow"));
    real(window);
    if (FILE* file = Output()) {
        std::fprintf(file, "%lld %lld\n", Nanoseconds(CLOCK_REALTIME), Nanoseconds(CLOCK_PROCESS_CPUTIME_ID));
        std::fflush(file);
    }
}
