#include "report/fr_interpretator.h"

#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_globals.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

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
    auto* memo = dynamic_cast<TfrMemoView*>(view);
    if (index >= kFirstMemoProperty && memo == nullptr) {
        AskReport(name, value);
        return;
    }
    if (view->ObjectType == gtBand) {
        const TfrBand* band = view->Parent;
        if (band == nullptr)
            return;
        switch (index) {
        case prLeft:
            value = Variant(band->X);
            break;
        case prTop:
            value = Variant(band->Y);
            break;
        case prWidth:
            value = Variant(band->DX);
            break;
        case prHeight:
            value = Variant(band->DY);
            break;
        case prVisible:
            value = Variant(band->Visible);
            break;
        default:
            break;
        }
        return;
    }
    switch (index) {
    case prLeft:
        value = Variant(view->x);
        break;
    case prTop:
        value = Variant(view->y);
        break;
    case prWidth:
        value = Variant(view->dx);
        break;
    case prHeight:
        value = Variant(view->dy);
        break;
    case prFlags:
        value = Variant(static_cast<int>(view->Flags));
        break;
    case prVisible:
        value = Variant(view->Visible != 0);
        break;
    case prFrameTyp:
        value = Variant(static_cast<int>(view->FrameTyp));
        break;
    case prFrameWidth:
        value = Variant(static_cast<double>(view->FrameWidth));
        break;
    case prFrameColor:
        value = Variant(view->FrameColor);
        break;
    case prFillColor:
        value = Variant(view->FillColor);
        break;
    case prText:
        value = Variant(view->Memo.Text());
        break;
    case prFontName:
        value = Variant(memo->Font.Name);
        break;
    case prFontSize:
        value = Variant(memo->Font.Size);
        break;
    case prFontStyle:
        value = Variant(frGetFontStyle(frSetFontStyle(memo->Font.Style)));
        break;
    case prFontColor:
        value = Variant(memo->Font.Color);
        break;
    case prAdjust:
        value = Variant(memo->Alignment);
        break;
    default:
        break;
    }
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
        TfrBand* band = view->Parent;
        if (band == nullptr)
            return;
        switch (index) {
        case prLeft:
            band->X = static_cast<int>(value.AsInteger());
            break;
        case prTop:
            band->Y = static_cast<int>(value.AsInteger());
            break;
        case prWidth:
            band->DX = static_cast<int>(value.AsInteger());
            break;
        case prHeight:
            band->DY = static_cast<int>(value.AsInteger());
            break;
        case prVisible:
            band->Visible = value.AsBoolean();
            break;
        default:
            break;
        }
        return;
    }
    switch (index) {
    case prLeft:
        view->x = static_cast<int>(value.AsInteger());
        break;
    case prTop:
        view->y = static_cast<int>(value.AsInteger());
        break;
    case prWidth:
        view->dx = static_cast<int>(value.AsInteger());
        break;
    case prHeight:
        view->dy = static_cast<int>(value.AsInteger());
        break;
    case prFlags:
        view->Flags = static_cast<uint16_t>(value.AsInteger());
        break;
    case prVisible:
        view->Visible = value.AsBoolean() ? 0xFFFF : 0;
        break;
    case prFrameTyp:
        view->FrameTyp = static_cast<uint16_t>(value.AsInteger());
        break;
    case prFrameWidth:
        view->FrameWidth = static_cast<float>(value.AsFloat());
        break;
    case prFrameColor:
        view->FrameColor = static_cast<int>(value.AsInteger());
        break;
    case prFillColor:
        view->FillColor = static_cast<int>(value.AsInteger());
        break;
    case prText:
        view->Memo.SetText(value.AsString());
        break;
    case prFontName:
        memo->Font.Name = value.AsString();
        break;
    case prFontSize:
        memo->Font.Size = static_cast<int>(value.AsInteger());
        break;
    case prFontStyle:
        memo->Font.Style = frGetFontStyle(frSetFontStyle(static_cast<int>(value.AsInteger())));
        break;
    case prFontColor:
        memo->Font.Color = static_cast<int>(value.AsInteger());
        break;
    case prAdjust:
        memo->Alignment = static_cast<int>(value.AsInteger());
        break;
    default:
        break;
    }
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
