// Reads lines "p v1 v2 ... vn" and prints, for each, the p-percentile of the values
// and then their band (minimum, 10, 25, 50, 75, 90 %, maximum), for a check against
// an independent implementation.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "comparechart/Percentiles.h"

int main() {
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream in(line);
        double p = 0;
        in >> p;
        std::vector<double> values;
        for (double v; in >> v;) values.push_back(v);
        const tellvane::DayBand b = tellvane::bandOf(values);
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        std::printf("%.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", tellvane::percentileOfSorted(sorted, p), b.min,
                    b.p10, b.p25, b.median, b.p75, b.p90, b.max);
    }
}
