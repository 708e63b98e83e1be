#include "report/fr_ctrls.h"

#include "base/fonts.h"
#include "report/fr_glyphs.h"

#include <QApplication>
#include <QEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <qdrawutil.h>

#include <algorithm>

namespace {
const char* const kAlignProperty = "frAlign";

TGlyphCache*& cacheSlot()
{
    static TGlyphCache* cache = nullptr;
    return cache;
}

int& glyphObjects()
{
    static int count = 0;
    return count;
}

bool SameRgb(QRgb a, QColor b)
{
    return (a & 0xFFFFFF) == (b.rgb() & 0xFFFFFF);
}
}  // namespace

TfrAlign frWidgetAlign(const QWidget* widget)
{
    if (widget == nullptr)
        return TfrAlign::alNone;
    const QVariant v = widget->property(kAlignProperty);
    return v.isValid() ? static_cast<TfrAlign>(v.toInt()) : TfrAlign::alNone;
}

void frSetWidgetAlign(QWidget* widget, TfrAlign align)
{
    widget->setProperty(kAlignProperty, static_cast<int>(align));
}

namespace {
// Parents being laid out: the children's own move and resize events must not start it again.
std::vector<const QWidget*>& aligningParents()
{
    static std::vector<const QWidget*> parents;
    return parents;
}

// A toolbar control put into a parent takes the alignment of where it is, follows the parent's
// resizing and has the parent laid out.
void joinToolbar(QWidget* control, QPointer<QWidget>& alignedIn, QWidget* parent)
{
    alignedIn = parent;
    frSetWidgetAlign(control, frToolbarAlignIn(parent));
    if (parent != nullptr)
        parent->installEventFilter(control);
    frAlignControls(parent);
}

// What a toolbar control does on its own events: lays out the parent it left and joins the new one,
// and has its parent laid out again when it moves, resizes, shows or hides.
void toolbarControlEvent(QWidget* control, QPointer<QWidget>& alignedIn, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        if (alignedIn != nullptr) {
            alignedIn->removeEventFilter(control);
            frAlignControls(alignedIn);
        }
        joinToolbar(control, alignedIn, control->parentWidget());
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        frAlignControls(control->parentWidget());
        break;
    default:
        break;
    }
}

void alignOnParentResize(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched->isWidgetType())
        frAlignControls(static_cast<QWidget*>(watched));
}
}  // namespace

void frAlignControls(QWidget* parent)
{
    auto& busy = aligningParents();
    if (parent == nullptr || std::find(busy.begin(), busy.end(), parent) != busy.end())
        return;
    busy.push_back(parent);
    const QRect client = parent->contentsRect();
    int left = client.left();
    int top = client.top();
    int right = client.left() + client.width();
    int bottom = client.top() + client.height();
    for (TfrAlign kind : {TfrAlign::alTop, TfrAlign::alBottom, TfrAlign::alLeft, TfrAlign::alRight, TfrAlign::alClient}) {
        for (QObject* child : parent->children()) {
            auto* c = qobject_cast<QWidget*>(child);
            if (c == nullptr || c->isWindow() || c->isHidden() || frWidgetAlign(c) != kind)
                continue;
            const int w = c->width();
            const int h = c->height();
            const int across = std::max(0, right - left);
            const int down = std::max(0, bottom - top);
            switch (kind) {
            case TfrAlign::alTop:
                c->setGeometry(left, top, across, h);
                top += h;
                break;
            case TfrAlign::alBottom:
                c->setGeometry(left, bottom - h, across, h);
                bottom -= h;
                break;
            case TfrAlign::alLeft:
                c->setGeometry(left, top, w, down);
                left += w;
                break;
            case TfrAlign::alRight:
                c->setGeometry(right - w, top, w, down);
                right -= w;
                break;
            default:
                c->setGeometry(left, top, across, down);
                break;
            }
        }
    }
    busy.pop_back();
}

TfrAlign frToolbarAlignIn(const QWidget* parent)
{
    const QWidget* outer = parent != nullptr ? parent->parentWidget() : nullptr;
    const TfrAlign a = frWidgetAlign(outer);
    return a == TfrAlign::alLeft || a == TfrAlign::alRight ? TfrAlign::alTop : TfrAlign::alLeft;
}

int TGlyphList::Add(const QPixmap& image)
{
    auto free = std::find(used_.begin(), used_.end(), false);
    const auto index = static_cast<size_t>(free - used_.begin());
    if (free == used_.end()) {
        used_.push_back(true);
        images_.push_back(image);
    } else {
        *free = true;
        images_[index] = image;
    }
    ++count_;
    return static_cast<int>(index);
}

void TGlyphList::Delete(int index)
{
    const auto i = static_cast<size_t>(index);
    if (index < 0 || i >= used_.size() || !used_[i])
        return;
    used_[i] = false;
    images_[i] = QPixmap();
    --count_;
}

TGlyphList* TGlyphCache::GetList(QSize size)
{
    for (auto& list : lists_)
        if (list->Size() == size)
            return list.get();
    lists_.push_back(std::make_unique<TGlyphList>(size));
    return lists_.back().get();
}

void TGlyphCache::ReturnList(TGlyphList* list)
{
    if (list == nullptr || list->Count() != 0)
        return;
    std::erase_if(lists_, [list](const std::unique_ptr<TGlyphList>& l) { return l.get() == list; });
}

TGlyphCache* frGlyphCache()
{
    return cacheSlot();
}

QRgb frGrayPixel(QRgb pixel)
{
    const int g = (qRed(pixel) * 77 + qGreen(pixel) * 150 + qBlue(pixel) * 29) / 256;
    return qRgb(g, g, g);
}

TButtonGlyph::TButtonGlyph()
{
    if (glyphObjects()++ == 0 && cacheSlot() == nullptr)
        cacheSlot() = new TGlyphCache;
}

TButtonGlyph::~TButtonGlyph()
{
    Invalidate();
    if (--glyphObjects() == 0 && cacheSlot() != nullptr && cacheSlot()->Empty()) {
        delete cacheSlot();
        cacheSlot() = nullptr;
    }
}

void TButtonGlyph::Invalidate()
{
    if (list_ == nullptr)
        return;
    for (int& index : indexes_) {
        if (index >= 0)
            list_->Delete(index);
        index = -1;
    }
    if (cacheSlot() != nullptr)
        cacheSlot()->ReturnList(list_);
    list_ = nullptr;
}

void TButtonGlyph::SetGlyph(const QImage& bitmap)
{
    Invalidate();
    original_ = bitmap.convertToFormat(QImage::Format_RGB32);
    if (original_.isNull()) {
        transparentColor_ = QColor(128, 128, 0);
        return;
    }
    transparentColor_ = QColor(original_.pixel(0, original_.height() - 1));
    const int w = original_.width();
    const int h = original_.height();
    if (h > 0 && w % h == 0) {
        const int n = w / h;
        numGlyphs_ = n > 4 ? 1 : std::max(n, 1);
    }
}

void TButtonGlyph::SetNumGlyphs(int value)
{
    value = std::clamp(value, 1, 4);
    if (value == numGlyphs_)
        return;
    Invalidate();
    numGlyphs_ = value;
}

QSize TButtonGlyph::GlyphSize() const
{
    if (original_.isNull())
        return {};
    return {original_.width() / numGlyphs_, original_.height()};
}

QImage TButtonGlyph::StripImage(int state) const
{
    const QSize size = GlyphSize();
    const int index = state < numGlyphs_ ? state : 0;
    return original_.copy(index * size.width(), 0, size.width(), size.height());
}

QPixmap TButtonGlyph::StateImage(TfrButtonState state, const QPalette& palette)
{
    const QSize size = GlyphSize();
    if (size.isEmpty())
        return {};
    if (list_ == nullptr) {
        if (cacheSlot() == nullptr)
            cacheSlot() = new TGlyphCache;
        list_ = cacheSlot()->GetList(size);
    }
    int& index = indexes_[state];
    if (index < 0)
        index = list_->Add(BuildImage(state, palette));
    return list_->Image(index);
}

QPixmap TButtonGlyph::BuildImage(TfrButtonState state, const QPalette& palette) const
{
    const QColor face = palette.color(QPalette::Button);
    const QColor highlight = palette.color(QPalette::Light);
    const QColor shadow = palette.color(QPalette::Dark);
    const QImage up = StripImage(0);
    switch (state) {
    case bsUp:
    case bsDown:
    case bsExclusive:
        return frGlyphPixmap(StripImage(state), transparentColor_);
    case bsDisabled: {
        QImage out(up.size(), QImage::Format_RGB32);
        if (numGlyphs_ > 1) {
            // the strip's own disabled image: white is lit, gray is in shadow
            const QImage own = StripImage(bsDisabled);
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x) {
                    const QRgb p = own.pixel(x, y);
                    if (SameRgb(p, transparentColor_))
                        out.setPixel(x, y, face.rgb());
                    else if (SameRgb(p, Qt::white))
                        out.setPixel(x, y, highlight.rgb());
                    else if (SameRgb(p, QColor(128, 128, 128)))
                        out.setPixel(x, y, shadow.rgb());
                    else
                        out.setPixel(x, y, p);
                }
        } else {
            // embossed silhouette of the up image: every pixel that is neither background nor white
            out.fill(face);
            auto ink = [&](int x, int y) {
                if (x < 0 || y < 0 || x >= up.width() || y >= up.height())
                    return false;
                const QRgb p = up.pixel(x, y);
                return !SameRgb(p, transparentColor_) && !SameRgb(p, Qt::white);
            };
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x) {
                    if (ink(x, y))
                        out.setPixel(x, y, shadow.rgb());
                    else if (ink(x - 1, y - 1))
                        out.setPixel(x, y, highlight.rgb());
                }
        }
        return frGlyphPixmap(out, face);
    }
    case bsInactive: {
        QImage out(up.size(), QImage::Format_RGB32);
        for (int y = 0; y < out.height(); ++y)
            for (int x = 0; x < out.width(); ++x) {
                const QRgb p = up.pixel(x, y);
                if (SameRgb(p, transparentColor_) || SameRgb(p, face))
                    out.setPixel(x, y, face.rgb());
                else
                    out.setPixel(x, y, frGrayPixel(p));
            }
        return frGlyphPixmap(out, face);
    }
    }
    return {};
}

TfrButtonLayoutResult frCalcButtonLayout(const QRect& client, QSize glyphSize, QSize textSize,
                                         TfrButtonLayout layout, int margin, int spacing)
{
    const bool horizontal =
        layout == TfrButtonLayout::blGlyphLeft || layout == TfrButtonLayout::blGlyphRight;
    const int cw = client.width();
    const int ch = client.height();
    QPoint glyphPos;
    QPoint textPos;
    if (horizontal) {
        glyphPos.setY((ch - glyphSize.height() + 1) / 2);
        textPos.setY((ch - textSize.height() + 1) / 2);
    } else {
        glyphPos.setX((cw - glyphSize.width() + 1) / 2);
        textPos.setX((cw - textSize.width() + 1) / 2);
    }
    if (textSize.width() == 0 || glyphSize.width() == 0)
        spacing = 0;

    // lengths along the direction the glyph and caption follow each other
    const int room = horizontal ? cw : ch;
    const int glyphLen = horizontal ? glyphSize.width() : glyphSize.height();
    const int textLen = horizontal ? textSize.width() : textSize.height();
    if (margin == -1) {
        if (spacing == -1) {
            margin = (room - (glyphLen + textLen)) / 3;
            spacing = margin;
        } else {
            const int total = glyphLen + spacing + textLen;
            margin = (room - total + 1) / 2;
        }
    } else if (spacing == -1) {
        const int left = room - (margin + glyphLen);
        spacing = (left - textLen) / 2;
    }

    switch (layout) {
    case TfrButtonLayout::blGlyphLeft:
        glyphPos.setX(margin);
        textPos.setX(glyphPos.x() + glyphSize.width() + spacing);
        break;
    case TfrButtonLayout::blGlyphRight:
        glyphPos.setX(cw - margin - glyphSize.width());
        textPos.setX(glyphPos.x() - spacing - textSize.width());
        break;
    case TfrButtonLayout::blGlyphTop:
        glyphPos.setY(margin);
        textPos.setY(glyphPos.y() + glyphSize.height() + spacing);
        break;
    case TfrButtonLayout::blGlyphBottom:
        glyphPos.setY(ch - margin - glyphSize.height());
        textPos.setY(glyphPos.y() - spacing - textSize.height());
        break;
    }
    return {glyphPos + client.topLeft(), QRect(textPos + client.topLeft(), textSize)};
}

namespace {
// The pattern lives as long as some button does.
int& buttonCount()
{
    static int count = 0;
    return count;
}

std::unique_ptr<QPixmap>& patternSlot()
{
    static std::unique_ptr<QPixmap> pattern;
    return pattern;
}
}  // namespace

const QPixmap& frButtonPattern(const QPalette& palette)
{
    static QRgb face = 0;
    const QColor buttonFace = palette.color(QPalette::Button);
    std::unique_ptr<QPixmap>& pattern = patternSlot();
    if (pattern == nullptr || face != buttonFace.rgb()) {
        QImage img(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                img.setPixel(x, y, (x % 2) == (y % 2) ? qRgb(255, 255, 255) : buttonFace.rgb());
        pattern = std::make_unique<QPixmap>(QPixmap::fromImage(img));
        face = buttonFace.rgb();
    }
    return *pattern;
}

TfrSpeedButton::TfrSpeedButton(QWidget* parent) : QWidget(parent)
{
    ++buttonCount();
    resize(22, 22);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TfrSpeedButton::SetAlign(TfrAlign value)
{
    frSetWidgetAlign(this, value);
    frAlignControls(parentWidget());
}

TfrSpeedButton::~TfrSpeedButton()
{
    if (--buttonCount() == 0)
        patternSlot().reset();
}

void TfrSpeedButton::SetAllowAllUp(bool value)
{
    if (allowAllUp_ == value)
        return;
    allowAllUp_ = value;
    UpdateExclusive();
}

void TfrSpeedButton::SetGroupIndex(int value)
{
    if (groupIndex_ == value)
        return;
    groupIndex_ = value;
    UpdateExclusive();
}

void TfrSpeedButton::SetDown(bool value)
{
    if (groupIndex_ == 0)
        value = false;
    if (value == down_)
        return;
    if (down_ && !allowAllUp_)
        return;
    down_ = value;
    if (value) {
        if (state_ == bsUp)
            update();
        state_ = bsExclusive;
    } else {
        state_ = bsUp;
        update();
    }
    if (value)
        UpdateExclusive();
}

void TfrSpeedButton::SetFlat(bool value)
{
    if (flat_ == value)
        return;
    flat_ = value;
    UpdateTracking();
    update();
}

void TfrSpeedButton::SetCaption(const QString& value)
{
    if (caption_ == value)
        return;
    caption_ = value;
    UpdateShortcut();
    update();
}

void TfrSpeedButton::SetGlyph(const QImage& bitmap)
{
    glyph_.SetGlyph(bitmap);
    update();
}

void TfrSpeedButton::SetGrayedInactive(bool value)
{
    if (grayedInactive_ == value)
        return;
    grayedInactive_ = value;
    update();
}

void TfrSpeedButton::SetLayout(TfrButtonLayout value)
{
    if (layout_ == value)
        return;
    layout_ = value;
    update();
}

void TfrSpeedButton::SetMargin(int value)
{
    if (value == margin_ || value < -1)
        return;
    margin_ = value;
    update();
}

void TfrSpeedButton::SetNumGlyphs(int value)
{
    glyph_.SetNumGlyphs(value);
    update();
}

void TfrSpeedButton::SetSpacing(int value)
{
    if (spacing_ == value)
        return;
    spacing_ = value;
    update();
}

void TfrSpeedButton::UpdateExclusive()
{
    if (groupIndex_ == 0 || parentWidget() == nullptr)
        return;
    for (QObject* child : parentWidget()->children())
        if (auto* b = qobject_cast<TfrSpeedButton*>(child); b != nullptr && b != this)
            b->ButtonPressed(groupIndex_, this);
}

void TfrSpeedButton::ButtonPressed(int groupIndex, TfrSpeedButton* sender)
{
    if (groupIndex != groupIndex_)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        update();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TfrSpeedButton::UpdateTracking()
{
    if (!flat_ || !isEnabled())
        return;
    const bool inside = isVisible() && rect().contains(mapFromGlobal(QCursor::pos()));
    if (inside != mouseInControl_) {
        mouseInControl_ = inside;
        update();
    }
}

void TfrSpeedButton::UpdateShortcut()
{
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (key.isEmpty()) {
        delete accelerator_;
        accelerator_ = nullptr;
        return;
    }
    if (accelerator_ == nullptr) {
        accelerator_ = new QShortcut(this);
        connect(accelerator_, &QShortcut::activated, this, [this] {
            if (isEnabled() && isVisible())
                Click();
        });
    }
    accelerator_->setKey(key);
}

void TfrSpeedButton::Click()
{
    emit clicked();
}

TfrButtonState TfrSpeedButton::DrawnState() const
{
    if (!isEnabled())
        return bsDisabled;
    TfrButtonState s = state_;
    if (s == bsDisabled)
        s = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    if (flat_ && grayedInactive_ && !mouseInControl_)
        return bsInactive;
    return s;
}

void TfrSpeedButton::paintEvent(QPaintEvent*)
{
    if (!isEnabled()) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ && groupIndex_ != 0 ? bsExclusive : bsUp;
    }
    const TfrButtonState kept = state_;
    const TfrButtonState drawn = DrawnState();
    QPainter p(this);
    DrawFace(p, drawn, kept);
}

void TfrSpeedButton::DrawFace(QPainter& p, TfrButtonState drawn, TfrButtonState kept)
{
    const QPalette& pal = palette();
    const QColor face = pal.color(QPalette::Button);
    QRect client = rect();
    if (flat_) {
        p.fillRect(client, face);
        if (drawn == bsDown)
            client.translate(1, 1);
    } else {
        const bool pushed = drawn == bsDown || drawn == bsExclusive;
        qDrawWinButton(&p, client, pal, pushed, nullptr);
        p.fillRect(client.adjusted(2, 2, -2, -2), face);
        client.adjust(2, 2, -2, -2);
        if (pushed)
            client.translate(1, 1);
    }
    const bool patterned = flat_ ? isEnabled() && !mouseInControl_ && kept == bsExclusive
                                 : drawn == bsExclusive;
    if (patterned)
        p.fillRect(client, QBrush(frButtonPattern(pal)));

    p.setFont(font());
    const QFontMetrics fm(font());
    const QSize textSize = caption_.isEmpty() ? QSize() : fm.size(Qt::TextShowMnemonic | Qt::TextSingleLine, caption_);
    const TfrButtonLayoutResult at =
        frCalcButtonLayout(client, glyph_.GlyphSize(), textSize, layout_, margin_, spacing_);
    const QPixmap image = glyph_.StateImage(drawn, pal);
    if (!image.isNull())
        p.drawPixmap(at.GlyphPos, image);
    if (!caption_.isEmpty()) {
        const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        if (drawn == bsDisabled) {
            p.setPen(Qt::white);
            p.drawText(at.TextBounds.translated(1, 1), flags, caption_);
            p.setPen(QColor(128, 128, 128));
        } else {
            p.setPen(pal.color(QPalette::ButtonText));
        }
        p.drawText(at.TextBounds, flags, caption_);
    }

    if (flat_ && isEnabled() && (mouseInControl_ || down_)) {
        const bool raised = kept == bsUp || kept == bsInactive;
        const QRect r = rect();
        p.setPen(raised ? pal.color(QPalette::Light) : pal.color(QPalette::Dark));
        p.drawLine(r.left(), r.bottom(), r.left(), r.top());
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.setPen(raised ? pal.color(QPalette::Dark) : pal.color(QPalette::Light));
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
        p.drawLine(r.right(), r.bottom(), r.left(), r.bottom());
    }
}

void TfrSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    if (!down_) {
        state_ = bsDown;
        update();
    }
    dragging_ = true;
}

void TfrSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    TfrButtonState s = down_ ? bsExclusive : bsUp;
    if (rect().contains(event->position().toPoint()) && !down_)
        s = bsDown;
    if (s != state_) {
        state_ = s;
        update();
    }
}

void TfrSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragging_)
        return;
    dragging_ = false;
    const bool doClick = rect().contains(event->position().toPoint());
    if (groupIndex_ == 0) {
        state_ = bsUp;
        mouseInControl_ = false;
        update();
    } else if (doClick) {
        SetDown(!down_);
        update();
    } else {
        if (down_)
            state_ = bsExclusive;
        update();
    }
    UpdateTracking();
    if (doClick)
        Click();
}

void TfrSpeedButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
    if (down_)
        emit doubleClicked();
}

void TfrSpeedButton::enterEvent(QEnterEvent*)
{
    if (!flat_ || !isEnabled() || mouseInControl_)
        return;
    mouseInControl_ = true;
    emit mouseEntered();
    update();
}

void TfrSpeedButton::leaveEvent(QEvent*)
{
    if (!flat_ || !isEnabled() || !mouseInControl_)
        return;
    mouseInControl_ = false;
    emit mouseLeft();
    update();
}

void TfrSpeedButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        state_ = isEnabled() ? (down_ && groupIndex_ != 0 ? bsExclusive : bsUp) : bsDisabled;
        if (!isEnabled())
            mouseInControl_ = false;
        UpdateTracking();
        update();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        glyph_.Invalidate();
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

TfrTBButton::TfrTBButton(QWidget* parent) : TfrSpeedButton(parent)
{
    SetFlat(true);
    joinToolbar(this, alignedIn_, parent);
}

bool TfrTBButton::event(QEvent* event)
{
    toolbarControlEvent(this, alignedIn_, event);
    return TfrSpeedButton::event(event);
}

bool TfrTBButton::eventFilter(QObject* watched, QEvent* event)
{
    alignOnParentResize(watched, event);
    return TfrSpeedButton::eventFilter(watched, event);
}

TfrTBSeparator::TfrTBSeparator(QWidget* parent) : QWidget(parent)
{
    resize(8, 8);
    joinToolbar(this, alignedIn_, parent);
}

void TfrTBSeparator::SetDrawBevel(bool value)
{
    if (drawBevel_ == value)
        return;
    drawBevel_ = value;
    update();
}

void TfrTBSeparator::SetAlign(TfrAlign value)
{
    frSetWidgetAlign(this, value);
    frAlignControls(parentWidget());
    update();
}

bool TfrTBSeparator::event(QEvent* event)
{
    toolbarControlEvent(this, alignedIn_, event);
    return QWidget::event(event);
}

bool TfrTBSeparator::eventFilter(QObject* watched, QEvent* event)
{
    alignOnParentResize(watched, event);
    return QWidget::eventFilter(watched, event);
}

void TfrTBSeparator::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Button));
    if (!drawBevel_)
        return;
    const int w = width();
    const int h = height();
    switch (Align()) {
    case TfrAlign::alTop:
    case TfrAlign::alBottom:
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(2, h / 2 - 1, w - 3, h / 2 - 1);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(2, h / 2, w - 3, h / 2);
        break;
    case TfrAlign::alLeft:
    case TfrAlign::alRight:
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(w / 2 - 1, 2, w / 2 - 1, h - 3);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(w / 2, 2, w / 2, h - 3);
        break;
    default:
        break;
    }
}

QFont frWindowFont()
{
    return FormFont();
}
