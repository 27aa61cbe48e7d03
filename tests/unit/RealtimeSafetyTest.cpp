// processBlock must neither allocate nor take a lock. This file replaces the global allocation
// functions and pthread_mutex_lock for the whole test binary and counts calls made by a thread
// while it is inside a counted region.

#include "TestSupport.h"
#include "processor/PluginProcessor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <dlfcn.h>
#include <new>
#include <pthread.h>
#include <random>

namespace
{
thread_local bool counting = false;
std::atomic<long> allocations { 0 };
std::atomic<long> locks { 0 };

void* allocate (std::size_t size, std::size_t alignment = 0)
{
    if (counting)
        allocations.fetch_add (1, std::memory_order_relaxed);
    if (size == 0)
        size = 1;
    void* p = nullptr;
    if (alignment > alignof (std::max_align_t))
    {
        if (posix_memalign (&p, alignment, size) != 0)
            p = nullptr;
    }
    else
    {
        p = std::malloc (size);
    }
    return p;
}

struct CountedRegion
{
    CountedRegion() { counting = true; }
    ~CountedRegion() { counting = false; }
};
} // namespace

// ThreadSanitizer intercepts pthread_mutex_lock itself; replacing it there would hide every lock
// from the race detector, so lock counting is left out of that build.
#if ! defined (__SANITIZE_THREAD__)
#define BRUME2_COUNT_LOCKS 1
namespace
{
using MutexLock = int (*) (pthread_mutex_t*);
MutexLock realMutexLock = nullptr;

// Resolved before main, while the process has one thread.
__attribute__ ((constructor)) void resolveMutexLock()
{
    realMutexLock = reinterpret_cast<MutexLock> (dlsym (RTLD_NEXT, "pthread_mutex_lock"));
}
} // namespace

extern "C" int pthread_mutex_lock (pthread_mutex_t* mutex)
{
    if (counting)
        locks.fetch_add (1, std::memory_order_relaxed);
    if (realMutexLock == nullptr)
        resolveMutexLock();
    return realMutexLock (mutex);
}
#endif

void* operator new (std::size_t size)
{
    if (void* p = allocate (size))
        return p;
    throw std::bad_alloc();
}
void* operator new[] (std::size_t size) { return operator new (size); }
void* operator new (std::size_t size, const std::nothrow_t&) noexcept { return allocate (size); }
void* operator new[] (std::size_t size, const std::nothrow_t&) noexcept { return allocate (size); }
void* operator new (std::size_t size, std::align_val_t a)
{
    if (void* p = allocate (size, (std::size_t) a))
        return p;
    throw std::bad_alloc();
}
void* operator new[] (std::size_t size, std::align_val_t a) { return operator new (size, a); }
void operator delete (void* p) noexcept { std::free (p); }
void operator delete[] (void* p) noexcept { std::free (p); }
void operator delete (void* p, std::size_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t) noexcept { std::free (p); }
void operator delete (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::align_val_t) noexcept { std::free (p); }
void operator delete (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }
void operator delete[] (void* p, std::size_t, std::align_val_t) noexcept { std::free (p); }

TEST (RealtimeSafety, CountersSeeAllocationsAndLocks)
{
    allocations = 0;
    locks = 0;
    {
        CountedRegion region;
        static int* volatile sink;   // keeps the compiler from eliding the pair
        sink = new int (3);
        delete sink;
        std::mutex m;
        m.lock();
        m.unlock();
    }
    EXPECT_EQ (allocations.load(), 1);
#if BRUME2_COUNT_LOCKS
    EXPECT_EQ (locks.load(), 1);
#endif
}

TEST (RealtimeSafety, ProcessBlockNeitherAllocatesNorLocks)
{
    TemporaryRoots roots;
    Brume2AudioProcessor processor (roots.roots());
    std::mt19937 rng (42);
    std::uniform_real_distribution<float> value (0.0f, 1.0f);

    for (const bool mono : { false, true })
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (mono ? juce::AudioChannelSet::mono() : juce::AudioChannelSet::stereo());
        layout.outputBuses.add (juce::AudioChannelSet::stereo());
        ASSERT_TRUE (processor.setBusesLayout (layout));

        for (const int blockSize : { 1, 17, 64, 512, 4096 })
        {
            processor.prepareToPlay (48000.0, blockSize);
            juce::AudioBuffer<float> buffer (2, blockSize);
            juce::MidiBuffer midi;

            allocations = 0;
            locks = 0;
            for (int block = 0; block < 40; ++block)
            {
                // Host automation between blocks, all parameters moving, bypass switching now and then.
                for (int i = 0; i < kNumParameters - 1; ++i)
                    processor.getParameterByIndex (i).setValueNotifyingHost (value (rng));
                processor.getParameterByIndex (kBypassParameterIndex).setValueNotifyingHost (block % 10 < 5 ? 0.0f : 1.0f);
                for (int ch = 0; ch < 2; ++ch)
                    for (int n = 0; n < blockSize; ++n)
                        buffer.setSample (ch, n, value (rng) - 0.5f);

                CountedRegion region;
                processor.processBlock (buffer, midi);
            }
            EXPECT_EQ (allocations.load(), 0) << "block size " << blockSize << (mono ? " mono" : " stereo");
            EXPECT_EQ (locks.load(), 0) << "block size " << blockSize << (mono ? " mono" : " stereo");
        }
    }
}
