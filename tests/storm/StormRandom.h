#pragma once

#include <QList>
#include <cstdint>
#include <random>

// The storm's one source of chance. Everything random in a run comes from here, so a seed
// replays the same run.
class StormRandom {
  public:
    explicit StormRandom(std::uint64_t seed) : engine_(seed) {}

    // 0 .. n-1; 0 when n is 0.
    int below(int n) { return n > 0 ? static_cast<int>(engine_() % static_cast<std::uint64_t>(n)) : 0; }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int p) { return below(100) < p; }

    template <typename T> const T& pick(const QList<T>& items) {
        return items[below(static_cast<int>(items.size()))];
    }

    // An index into `weights`, each chosen in proportion to its weight.
    template <typename Table, typename Weight> int weighted(const Table& table, Weight weightOf) {
        int total = 0;
        for (const auto& row : table) {
            total += weightOf(row);
        }
        int roll = below(total);
        int index = 0;
        for (const auto& row : table) {
            roll -= weightOf(row);
            if (roll < 0) {
                return index;
            }
            ++index;
        }
        return 0;
    }

  private:
    std::mt19937_64 engine_;
};
