#include "controls/chart/ChartModel.h"

void ChartModel::Clear() {
    series.clear();
    for (ChartAxis* axis : {&left, &bottom}) {
        axis->limitsSet = false;
        axis->userView = false;
        axis->logarithmic = false;
    }
}
