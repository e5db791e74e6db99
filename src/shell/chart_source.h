// A window holding a chart that copies itself to the clipboard (the graph
// window, the graph editor while it shows its chart): Copy hands the job to it.
#pragma once

namespace orr {

class ChartSource {
public:
    virtual ~ChartSource() = default;
    virtual bool showsChart() const = 0;
    virtual void copyChartToClipboard() = 0;
};

}  // namespace orr
