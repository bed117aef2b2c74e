// The per-call cost of change detection (CheckUpdate) and of a full read of
// the configuration into the window (ReadConfig), on the simulated sensor.
#include "form1.h"
#include "quietboxes.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The median time of one call, in microseconds, over `rounds` rounds of
// `calls` calls each.
double medianMicroseconds(const std::function<void()> &call, int rounds, int calls)
{
    std::vector<double> perCall;
    for (int r = 0; r < rounds; ++r) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < calls; ++i)
            call();
        const std::chrono::duration<double, std::micro> took =
            std::chrono::steady_clock::now() - start;
        perCall.push_back(took.count() / calls);
    }
    std::nth_element(perCall.begin(), perCall.begin() + rounds / 2, perCall.end());
    return perCall[rounds / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    bench::QuietBoxes boxes;
    Form1 form(boxes);
    form.show();
    QApplication::processEvents();

    const double check = medianMicroseconds([&] { form.CheckUpdate(); }, rounds, 200);
    const double read = medianMicroseconds([&] { form.ReadConfig(); }, rounds, 20);
    std::printf("CheckUpdate  %8.1f us per call\n", check);
    std::printf("ReadConfig   %8.1f us per call\n", read);
    return 0;
}
