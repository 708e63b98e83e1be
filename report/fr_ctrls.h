#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class QShortcut;

#include <cstdint>
#include <memory>
#include <vector>

// Small window-less buttons of the report engine's windows: a push or toggle button with a glyph and
// an optional caption, its flat toolbar form, and a toolbar gap with an etched line.

// Button states, as one byte.
enum TfrButtonState : uint8_t { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3, bsInactive = 4 };
enum class TfrButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TfrAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Where a control's alignment is kept (a dynamic property of any widget), so that toolbar controls can
// ask how their container's container is aligned.
TfrAlign frWidgetAlign(const QWidget* widget);
void frSetWidgetAlign(QWidget* widget, TfrAlign align);

// The images of one glyph size, with a bit set of the used slots.
class TGlyphList {
public:
    explicit TGlyphList(QSize size) : size_(size) {}
    QSize Size() const { return size_; }
    int Count() const { return count_; }
    int Add(const QPixmap& image);  // the first free slot
    void Delete(int index);
    const QPixmap& Image(int index) const { return images_.at(static_cast<size_t>(index)); }

private:
    QSize size_;
    std::vector<QPixmap> images_;
    std::vector<bool> used_;
    int count_ = 0;
};

// The glyph lists of all buttons, one per glyph size.
class TGlyphCache {
public:
    TGlyphList* GetList(QSize size);
    void ReturnList(TGlyphList* list);  // frees the list once it holds nothing
    bool Empty() const { return lists_.empty(); }

private:
    std::vector<std::unique_ptr<TGlyphList>> lists_;
};

// The shared cache; it lives while some glyph object does.
TGlyphCache* frGlyphCache();

// One button's glyph: the source strip (up, disabled, down, exclusive) and the images built from it per
// state, kept in the shared list of its size.
class TButtonGlyph {
public:
    TButtonGlyph();
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return original_; }
    // Copies the bitmap; its bottom-left pixel is its transparent colour; a strip whose width is a whole
    // multiple of its height sets NumGlyphs (a quotient above 4 counts as 1).
    void SetGlyph(const QImage& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int value);  // 1..4; other values are taken as the nearest
    QColor TransparentColor() const { return transparentColor_; }
    QSize GlyphSize() const;  // zero when there is no bitmap

    // The image of a state, built on first use; null when there is no bitmap.
    QPixmap StateImage(TfrButtonState state, const QPalette& palette);
    bool HasStateImage(TfrButtonState state) const { return indexes_[state] >= 0; }
    void Invalidate();  // throws the built state images away

    // The source strip's image for the state (index = state when the strip has it, else 0).
    QImage StripImage(int state) const;

private:
    QPixmap BuildImage(TfrButtonState state, const QPalette& palette) const;

    QImage original_;
    TGlyphList* list_ = nullptr;
    int indexes_[5] = {-1, -1, -1, -1, -1};
    QColor transparentColor_{128, 128, 0};
    int numGlyphs_ = 1;
};

// Where the glyph and the caption go in a client rectangle.
struct TfrButtonLayoutResult {
    QPoint GlyphPos;
    QRect TextBounds;
};
TfrButtonLayoutResult frCalcButtonLayout(const QRect& client, QSize glyphSize, QSize textSize,
                                         TfrButtonLayout layout, int margin, int spacing);

// The grey value that an inactive flat button shows for a pixel.
QRgb frGrayPixel(QRgb pixel);

class TfrSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TfrSpeedButton(QWidget* parent = nullptr);
    ~TfrSpeedButton() override;

    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool value);
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value);
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);
    QString Caption() const { return caption_; }
    void SetCaption(const QString& value);
    const QImage& Glyph() const { return glyph_.Glyph(); }
    void SetGlyph(const QImage& bitmap);
    bool GrayedInactive() const { return grayedInactive_; }
    void SetGrayedInactive(bool value);
    TfrButtonLayout Layout() const { return layout_; }
    void SetLayout(TfrButtonLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);  // -1 and more
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    int Tag() const { return tag_; }
    void SetTag(int value) { tag_ = value; }
    TfrAlign Align() const { return frWidgetAlign(this); }
    void SetAlign(TfrAlign value);

    TfrButtonState State() const { return state_; }
    bool MouseInControl() const { return mouseInControl_; }
    TButtonGlyph& ButtonGlyph() { return glyph_; }
    // The state the next paint draws in (what the user sees).
    TfrButtonState DrawnState() const;

    // Clicks the button as the mouse would (OnClick).
    void Click();

signals:
    void clicked();
    void doubleClicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ButtonPressed(int groupIndex, TfrSpeedButton* sender);
    void UpdateExclusive();
    void UpdateTracking();
    void UpdateShortcut();
    void DrawFace(QPainter& p, TfrButtonState drawn, TfrButtonState kept);

    TButtonGlyph glyph_;
    QString caption_;
    bool allowAllUp_ = false;
    int groupIndex_ = 0;
    bool down_ = false;
    bool flat_ = false;
    bool grayedInactive_ = true;
    TfrButtonLayout layout_ = TfrButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    int tag_ = 0;
    TfrButtonState state_ = bsUp;
    bool dragging_ = false;
    bool mouseInControl_ = false;
    QShortcut* accelerator_ = nullptr;
};

// The flat toolbar form; takes its alignment from where it is put.
class TfrTBButton : public TfrSpeedButton {
    Q_OBJECT
public:
    explicit TfrTBButton(QWidget* parent = nullptr);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // the parent's resizing

private:
    QPointer<QWidget> alignedIn_;  // the parent whose layout the button takes part in
};

// A toolbar gap with an etched line across its middle.
class TfrTBSeparator : public QWidget {
    Q_OBJECT
public:
    explicit TfrTBSeparator(QWidget* parent = nullptr);

    bool DrawBevel() const { return drawBevel_; }
    void SetDrawBevel(bool value);
    TfrAlign Align() const { return frWidgetAlign(this); }
    void SetAlign(TfrAlign value);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;  // the parent's resizing

private:
    bool drawBevel_ = true;
    QPointer<QWidget> alignedIn_;  // the parent whose layout the separator takes part in
};

// Lays a parent's aligned children out as aligned controls are: top ones down from the top across the
// whole width, bottom ones up from the bottom, then left and right ones inwards over the height left
// between them, each kind in child order, and client ones over what remains. Hidden children take no
// room; children without an alignment keep their place. The toolbar controls call it whenever they or
// their parent change.
void frAlignControls(QWidget* parent);

// The alignment a toolbar control takes in a parent: top in a column (the parent's own parent aligned
// left or right), otherwise left.
TfrAlign frToolbarAlignIn(const QWidget* parent);

// The two shared bitmaps of the buttons: the 8 x 8 pattern of a held-down face (pixels whose column and
// row have the same parity white, the others button face).
const QPixmap& frButtonPattern(const QPalette& palette);

// The engine windows' font: Tahoma of 8 points on a 96-dpi screen.
QFont frWindowFont();

// A window's child control, given its component name and its place in the window's fixed layout.
template <class W>
W* frPlace(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(name);
    widget->setGeometry(left, top, width, height);
    return widget;
}
