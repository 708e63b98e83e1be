#include "report/fr_interpretator.h"

#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

#include <algorithm>
#include <limits>

const char* const frPropertyNames[16] = {"Left",      "Top",        "Width",      "Height",    "Flags",    "Visible",
                                         "FrameTyp",  "FrameWidth", "FrameColor", "FillColor", "Text",     "FontName",
                                         "FontSize",  "FontStyle",  "FontColor",  "Adjust"};

namespace {

enum TProperty {
    prLeft, prTop, prWidth, prHeight, prFlags, prVisible, prFrameTyp, prFrameWidth, prFrameColor, prFillColor,
    prText, prFontName, prFontSize, prFontStyle, prFontColor, prAdjust
};
constexpr int kFirstMemoProperty = prFontName;

struct ColorName {
    const char* name;
    int value;
};

constexpr ColorName kColors[] = {
    {"clWhite", 0xFFFFFF}, {"clBlack", 0},          {"clMaroon", 0x80},       {"clGreen", 0x8000},
    {"clOlive", 0x8080},   {"clNavy", 0x800000},    {"clPurple", 0x800080},   {"clTeal", 0x808000},
    {"clGray", 0x808080},  {"clSilver", 0xC0C0C0}, {"clRed", 0xFF},          {"clLime", 0xFF00},
    {"clYellow", 0xFFFF},  {"clBlue", 0xFF0000},    {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clTransparent", 0x1FFFFFFF},
};

int PropertyIndex(const QString& name)
{
    for (int i = 0; i < 16; ++i) {
        if (frSameName(name, QLatin1String(frPropertyNames[i])))
            return i;
    }
    return -1;
}

// The view a name refers to and the property it names: the current view, or "View.Property" on
// the current page.
TfrView* ObjectOf(const QString& name, QString& property)
{
    const int dot = name.indexOf('.');
    if (dot < 0) {
        property = name;
        return frCurrentView;
    }
    property = name.mid(dot + 1).left(255);
    return frCurrentPage == nullptr ? nullptr : frCurrentPage->FindObject(name.left(dot));
}

void AskReport(const QString& name, Variant& value)
{
    if (frGlobalParser != nullptr && frGlobalParser->OnGetValue)
        frGlobalParser->OnGetValue(name, value);
}

}  // namespace

bool frColorByName(const QString& name, int& color)
{
    for (const ColorName& c : kColors) {
        if (frSameName(name, QLatin1String(c.name))) {
            color = c.value;
            return true;
        }
    }
    return false;
}

namespace {

int AsInt(const Variant& v)
{
    // a value beyond int keeps its sign instead of wrapping round
    return static_cast<int>(std::clamp<int64_t>(v.AsInteger(), std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

// Reading and writing one property of a view; the memo argument is set for the memo properties.
struct PropertyAccess {
    Variant (*get)(const TfrView& view, const TfrMemoView* memo);
    void (*set)(TfrView& view, TfrMemoView* memo, const Variant& value);
};

const PropertyAccess kAccess[16] = {
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.x); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.x = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.y); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.y = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.dx); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.dx = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.dy); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.dy = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(static_cast<int>(v.Flags)); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.Flags = static_cast<uint16_t>(a.AsInteger()); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.Visible != 0); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.Visible = a.AsBoolean() ? 0xFFFF : 0; }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(static_cast<int>(v.FrameTyp)); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.FrameTyp = static_cast<uint16_t>(a.AsInteger()); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(static_cast<double>(v.FrameWidth)); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.FrameWidth = static_cast<float>(a.AsFloat()); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.FrameColor); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.FrameColor = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.FillColor); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.FillColor = AsInt(a); }},
    {[](const TfrView& v, const TfrMemoView*) { return Variant(v.Memo.Text()); },
     [](TfrView& v, TfrMemoView*, const Variant& a) { v.Memo.SetText(a.AsString()); }},
    {[](const TfrView&, const TfrMemoView* m) { return Variant(m->Font.Name); },
     [](TfrView&, TfrMemoView* m, const Variant& a) { m->Font.Name = a.AsString(); }},
    {[](const TfrView&, const TfrMemoView* m) { return Variant(m->Font.Size); },
     [](TfrView&, TfrMemoView* m, const Variant& a) { m->Font.Size = AsInt(a); }},
    {[](const TfrView&, const TfrMemoView* m) { return Variant(frGetFontStyle(frSetFontStyle(m->Font.Style))); },
     [](TfrView&, TfrMemoView* m, const Variant& a) { m->Font.Style = frGetFontStyle(frSetFontStyle(AsInt(a))); }},
    {[](const TfrView&, const TfrMemoView* m) { return Variant(m->Font.Color); },
     [](TfrView&, TfrMemoView* m, const Variant& a) { m->Font.Color = AsInt(a); }},
    {[](const TfrView&, const TfrMemoView* m) { return Variant(m->Alignment); },
     [](TfrView&, TfrMemoView* m, const Variant& a) { m->Alignment = AsInt(a); }},
};

// A band view's geometry lives in its run-time band.
int* BandGeometry(TfrBand& band, int index)
{
    switch (index) {
    case prLeft:
        return &band.X;
    case prTop:
        return &band.Y;
    case prWidth:
        return &band.DX;
    case prHeight:
        return &band.DY;
    default:
        return nullptr;
    }
}

}  // namespace

void TInterpretator::GetValue(const QString& name, Variant& value)
{
    value = Variant(0);
    if (frGlobalVariables != nullptr && frGlobalVariables->IndexOf(name) >= 0) {
        value = frGlobalVariables->GetVariable(name);
        return;
    }
    if (name == QLatin1String("FREESPACE")) {
        if (frCurrentPage != nullptr)
            value = Variant(QString::number(frCurrentPage->BottomLimitY - frCurrentPage->NextY));
        return;
    }
    QString property;
    TfrView* view = ObjectOf(name, property);
    if (view == nullptr) {
        AskReport(name, value);
        return;
    }
    const int index = PropertyIndex(property);
    if (index < 0) {
        int color = 0;
        if (frColorByName(name, color))
            value = Variant(color);
        else
            AskReport(name, value);
        return;
    }
    const auto* memo = dynamic_cast<const TfrMemoView*>(view);
    if (index >= kFirstMemoProperty && memo == nullptr) {
        AskReport(name, value);
        return;
    }
    if (view->ObjectType == gtBand) {
        if (TfrBand* band = view->Parent) {
            if (index == prVisible)
                value = Variant(band->Visible);
            else if (const int* field = BandGeometry(*band, index))
                value = Variant(*field);
        }
        return;
    }
    value = kAccess[index].get(*view, memo);
}

void TInterpretator::SetValue(const QString& name, const Variant& value)
{
    QString property;
    TfrView* view = ObjectOf(name, property);
    const int index = PropertyIndex(property);
    if (index < 0) {
        if (frGlobalVariables != nullptr)
            frGlobalVariables->SetVariable(name, value);
        return;
    }
    if (view == nullptr)
        return;  // no such view on the page: nothing to change
    auto* memo = dynamic_cast<TfrMemoView*>(view);
    if (index >= kFirstMemoProperty && memo == nullptr)
        return;
    if (view->ObjectType == gtBand) {
        if (TfrBand* band = view->Parent) {
            if (index == prVisible)
                band->Visible = value.AsBoolean();
            else if (int* field = BandGeometry(*band, index))
                *field = AsInt(value);
        }
        return;
    }
    kAccess[index].set(*view, memo, value);
}

void TInterpretator::CallFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                                  QString& value)
{
    if (name == QLatin1String("NEWPAGE") || name == QLatin1String("NEWCOLUMN")) {
        value = QStringLiteral("0");
        return;
    }
    if (frGlobalParser != nullptr && frGlobalParser->OnFunction)
        frGlobalParser->OnFunction(name, p1, p2, p3, value);
}
