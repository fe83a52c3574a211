#include "core/unit_stats.hpp"

UnitStats initialUnitStats(std::int32_t type) {
    UnitStats stats;
    stats.life = static_cast<std::int32_t>(stats.maxLife);
    stats.type = type;
    stats.unitIndex = -1;
    return stats;
}
