#pragma once

#include "base/stream.h"
#include "report/fr_globals.h"
#include "report/fr_prntr.h"
#include "test_support.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <initializer_list>

// Builds stream bytes by hand, little-endian, the way the expected bytes of a format are written down.
class Bytes {
public:
    Bytes& u8(std::initializer_list<int> values)
    {
        for (int v : values)
            data_.append(static_cast<char>(v));
        return *this;
    }
    Bytes& u16(int v) { return u8({v & 0xFF, (v >> 8) & 0xFF}); }
    Bytes& i32(int32_t v)
    {
        auto u = static_cast<uint32_t>(v);
        return u8({static_cast<int>(u & 0xFF), static_cast<int>((u >> 8) & 0xFF),
                   static_cast<int>((u >> 16) & 0xFF), static_cast<int>(u >> 24)});
    }
    // ASCII text as its bytes, no length or terminator.
    Bytes& text(const char* s)
    {
        data_.append(s);
        return *this;
    }
    Bytes& str(const char* s)  // length-prefixed string
    {
        u16(static_cast<int>(qstrlen(s)));
        text(s);
        return u8({0});
    }
    Bytes& oldStr(const char* s)  // terminated string of the old templates
    {
        text(s);
        return u8({0});
    }
    Bytes& bytes(const QByteArray& b)
    {
        data_.append(b);
        return *this;
    }
    const QByteArray& data() const { return data_; }
    int size() const { return static_cast<int>(data_.size()); }
private:
    QByteArray data_;
};

// Every engine test here lays pages out on the virtual printer, so that page sizes do not depend on
// the printers of the machine; the printer object is put back afterwards.
class VirtualPrinterTest : public WorkingFolderTest {
protected:
    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        frInitEngine();
        saved_ = frPrinterObject();
        frPrinterObject().SetPrinterIndex(frPrinterObject().VirtualPrinterIndex);
    }
    void TearDown() override
    {
        frPrinterObject() = saved_;
        WorkingFolderTest::TearDown();
    }
    TfrPrinter saved_;
};

inline int32_t Int32At(const QByteArray& data, int offset)
{
    TMemoryStream s(data);
    s.SetPosition(offset);
    return s.ReadInteger();
}
