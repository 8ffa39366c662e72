// Key hits for the effects that light up pressed keys. The interface thread
// reports them; the effect generator takes them on its own thread.
#include "vardexSdk.h"

#include <deque>
#include <mutex>

namespace {

constexpr size_t kMaxWaitingHits = 64;
constexpr int kGridRows = 6;
constexpr int kGridColumns = 22;

std::mutex g_hitLock;
std::deque<std::pair<int, int>> g_hits;

} // namespace

void CVardexHid_keyClickedSendXY(int row, int column)
{
    if (row < 0 || row >= kGridRows || column < 0 || column >= kGridColumns)
        return;
    std::lock_guard<std::mutex> lock(g_hitLock);
    if (g_hits.size() == kMaxWaitingHits)
        g_hits.pop_front();
    g_hits.emplace_back(row, column);
}

int CVardexLight_TakeKeyHits(std::vector<std::pair<int, int>> &hits)
{
    std::lock_guard<std::mutex> lock(g_hitLock);
    hits.assign(g_hits.begin(), g_hits.end());
    g_hits.clear();
    return static_cast<int>(hits.size());
}
