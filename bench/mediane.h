#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

// The median of tours timed runs of travail, in milliseconds; avant runs untimed before each
// run and apres untimed after it (to set up or put back what a run changed).
inline double Mediane(int tours, const std::function<void()>& travail,
                      const std::function<void()>& avant = {},
                      const std::function<void()>& apres = {}) {
    std::vector<double> temps;
    for (int i = 0; i < tours; ++i) {
        if (avant)
            avant();
        QElapsedTimer t;
        t.start();
        travail();
        temps.push_back(double(t.nsecsElapsed()) / 1e6);
        if (apres)
            apres();
    }
    std::sort(temps.begin(), temps.end());
    return temps[temps.size() / 2];
}
