#include "base/text_run_recorder.h"

#include <QPaintEngine>
#include <QTransform>

class TTextRunEngine : public QPaintEngine {
public:
    explicit TTextRunEngine(TTextRunRecorder* device) : QPaintEngine(AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        QString text = item.text();
        QRectF r(p.x(), p.y() - item.ascent(), item.width(), item.ascent() + item.descent());
        device_->runs_.push_back({text, transform_.mapRect(r).toAlignedRect()});
    }

    // Shapes and images leave no trace.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
    void drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawPolygon(const QPoint*, int, PolygonDrawMode) override {}
    void drawLines(const QLineF*, int) override {}
    void drawLines(const QLine*, int) override {}
    void drawRects(const QRectF*, int) override {}
    void drawRects(const QRect*, int) override {}
    void drawEllipse(const QRectF&) override {}
    void drawPoints(const QPointF*, int) override {}

private:
    TTextRunRecorder* device_;
    QTransform transform_;
};

TTextRunRecorder::TTextRunRecorder(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi), engine_(std::make_unique<TTextRunEngine>(this))
{
}

TTextRunRecorder::~TTextRunRecorder() = default;

QPaintEngine* TTextRunRecorder::paintEngine() const
{
    return engine_.get();
}

int TTextRunRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return width_;
    case PdmHeight: return height_;
    case PdmWidthMM: return qRound(width_ * 25.4 / dpi_);
    case PdmHeightMM: return qRound(height_ * 25.4 / dpi_);
    case PdmNumColors: return 0x7FFFFFFF;
    case PdmDepth: return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY: return dpi_;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
    default: return QPaintDevice::metric(metric);
    }
}
