#include "tools/qbsim/OwnTime.h"

#include <windows.h>

#include <atomic>

namespace QbSim {

namespace {

std::atomic<bool> g_counting(false);
std::atomic<long long> g_ticks(0);
std::atomic<long long> g_calls(0);
thread_local int t_depth = 0;

long long Ticks()
{
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

}  // namespace

OwnTimeScope::OwnTimeScope() : m_outermost(g_counting.load(std::memory_order_relaxed) && t_depth == 0), m_start(0)
{
    ++t_depth;
    if (m_outermost)
        m_start = Ticks();
}

OwnTimeScope::~OwnTimeScope()
{
    --t_depth;
    if (!m_outermost)
        return;
    g_ticks.fetch_add(Ticks() - m_start, std::memory_order_relaxed);
    g_calls.fetch_add(1, std::memory_order_relaxed);
}

void CountOwnTime(bool on)
{
    g_counting.store(false);
    g_ticks.store(0);
    g_calls.store(0);
    g_counting.store(on);
}

double OwnTimeSeconds()
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(g_ticks.load()) / frequency.QuadPart;
}

long long OwnTimeCalls()
{
    return g_calls.load();
}

}  // namespace QbSim
