#pragma once

#include <QPaintDevice>
#include <QRect>
#include <QString>

#include <memory>
#include <vector>

// One drawn text with the device rectangle it covers.
struct TTextRun {
    QString Text;
    QRect Bounds;
};

// A paint device that draws nothing and keeps every text run painted on it, in drawing order, with its
// bounds: the preview's search reads a page's texts from it. Recorded drawings replayed onto it give
// their texts too.
class TTextRunRecorder : public QPaintDevice {
public:
    TTextRunRecorder(int width, int height, int dpi = 96);
    ~TTextRunRecorder() override;

    QPaintEngine* paintEngine() const override;
    const std::vector<TTextRun>& Runs() const { return runs_; }
    void Clear() { runs_.clear(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    friend class TTextRunEngine;
    int width_;
    int height_;
    int dpi_;
    std::vector<TTextRun> runs_;
    std::unique_ptr<QPaintEngine> engine_;
};
