#pragma once
// The simulator's own time: how long calls spent inside its COM methods, summed over threads, so
// a benchmark can tell the program's cost from the stand-in's within one run. Counted only while
// switched on; a call made from inside another call of the same thread counts once.
namespace QbSim {

// Times one call into the simulator for as long as it lives.
class OwnTimeScope {
public:
    OwnTimeScope();
    ~OwnTimeScope();
    OwnTimeScope(const OwnTimeScope&) = delete;
    OwnTimeScope& operator=(const OwnTimeScope&) = delete;

private:
    bool m_outermost;
    long long m_start;
};

// Zeroes the time and switches the counting on or off.
void CountOwnTime(bool on);
double OwnTimeSeconds();
long long OwnTimeCalls();

}  // namespace QbSim
