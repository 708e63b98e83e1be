#include "base/stream.h"

#include "base/atomic_file.h"
#include "base/error_texts.h"
#include "base/exceptions.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <type_traits>

namespace {

[[noreturn]] void NegativePosition()
{
    throw EStreamError(ErrorTexts::NegativePosition());
}

template <class T>
T ReadLittleEndian(TStream& s)
{
    unsigned char b[sizeof(T)];
    s.ReadBuffer(b, sizeof b);
    std::make_unsigned_t<T> v = 0;
    for (size_t i = sizeof(T); i-- > 0;)
        v = static_cast<std::make_unsigned_t<T>>((v << 8) | b[i]);
    return static_cast<T>(v);
}

template <class T>
void WriteLittleEndian(TStream& s, T value)
{
    auto v = static_cast<std::make_unsigned_t<T>>(value);
    unsigned char b[sizeof(T)];
    for (size_t i = 0; i < sizeof(T); ++i, v = static_cast<decltype(v)>(v >> 8))
        b[i] = static_cast<unsigned char>(v & 0xFF);
    s.WriteBuffer(b, sizeof b);
}

// The 10-byte x87 extended form: 64-bit mantissa with an explicit integer bit, 15-bit exponent
// biased by 16383, sign. Converted arithmetically so that it does not depend on how this machine
// lays out long double.
constexpr int kBias = 16383;

void EncodeExtended(long double v, uint64_t& mantissa, uint16_t& signExp)
{
    const uint16_t sign = std::signbit(v) ? 0x8000 : 0;
    if (std::isnan(v)) {
        mantissa = 0xC000000000000000ULL;
        signExp = sign | 0x7FFF;
        return;
    }
    if (std::isinf(v)) {
        mantissa = 0x8000000000000000ULL;
        signExp = sign | 0x7FFF;
        return;
    }
    if (v == 0) {
        mantissa = 0;
        signExp = sign;
        return;
    }
    int e = 0;
    const long double m = std::frexp(std::fabs(v), &e);  // |v| = m * 2^e, m in [0.5, 1)
    const int biased = e - 1 + kBias;
    if (biased >= 0x7FFF) {
        mantissa = 0x8000000000000000ULL;
        signExp = sign | 0x7FFF;
    } else if (biased <= 0) {  // denormal: value = mantissa * 2^(1 - bias - 63)
        mantissa = static_cast<uint64_t>(std::ldexp(std::fabs(v), kBias + 62));
        signExp = sign;
    } else {
        mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
        signExp = static_cast<uint16_t>(sign | biased);
    }
}

long double DecodeExtended(uint64_t mantissa, uint16_t signExp)
{
    const bool negative = signExp & 0x8000;
    const int exp = signExp & 0x7FFF;
    long double v;
    if (exp == 0x7FFF)
        v = (mantissa << 1) == 0 ? HUGE_VALL : std::numeric_limits<long double>::quiet_NaN();
    else
        v = std::ldexp(static_cast<long double>(mantissa), (exp == 0 ? 1 : exp) - kBias - 63);
    return negative ? -v : v;
}

QString DescribeOpenFailure(const QString& fileName, bool creating)
{
    if (creating)
        return ErrorTexts::FileCreate(fileName);
    return QFileInfo::exists(fileName) ? ErrorTexts::FileOpen(fileName) : ErrorTexts::FileNotFound(fileName);
}

}  // namespace

void TStream::ReadBuffer(void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Read(buffer, count) != count))
        throw EReadError(ErrorTexts::ReadError());
}

void TStream::WriteBuffer(const void* buffer, int64_t count)
{
    if (count < 0 || (count > 0 && Write(buffer, count) != count))
        throw EWriteError(ErrorTexts::WriteError());
}

QByteArray TStream::ReadBytes(int64_t count)
{
    // Checked before allocating, so that a damaged length field cannot ask for gigabytes.
    if (count < 0 || count > Remaining())
        throw EReadError(ErrorTexts::ReadError());
    QByteArray bytes(count, Qt::Uninitialized);
    ReadBuffer(bytes.data(), count);
    return bytes;
}

void TStream::WriteBytes(const QByteArray& bytes) { WriteBuffer(bytes.constData(), bytes.size()); }

int64_t TStream::CopyFrom(TStream& source, int64_t count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    char chunk[64 * 1024];
    for (int64_t left = count; left > 0;) {
        const int64_t n = std::min<int64_t>(left, sizeof chunk);
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= n;
    }
    return count;
}

uint8_t TStream::ReadByte() { return ReadLittleEndian<uint8_t>(*this); }
uint16_t TStream::ReadWord() { return ReadLittleEndian<uint16_t>(*this); }
int16_t TStream::ReadSmallInt() { return ReadLittleEndian<int16_t>(*this); }
int32_t TStream::ReadInteger() { return ReadLittleEndian<int32_t>(*this); }
uint32_t TStream::ReadCardinal() { return ReadLittleEndian<uint32_t>(*this); }
int64_t TStream::ReadInt64() { return ReadLittleEndian<int64_t>(*this); }

double TStream::ReadDouble()
{
    const uint64_t bits = ReadLittleEndian<uint64_t>(*this);
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

long double TStream::ReadExtended()
{
    unsigned char b[10];
    ReadBuffer(b, sizeof b);
    uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | b[i];
    return DecodeExtended(mantissa, static_cast<uint16_t>(b[8] | (b[9] << 8)));
}

void TStream::WriteByte(uint8_t v) { WriteLittleEndian(*this, v); }
void TStream::WriteWord(uint16_t v) { WriteLittleEndian(*this, v); }
void TStream::WriteSmallInt(int16_t v) { WriteLittleEndian(*this, v); }
void TStream::WriteInteger(int32_t v) { WriteLittleEndian(*this, v); }
void TStream::WriteCardinal(uint32_t v) { WriteLittleEndian(*this, v); }
void TStream::WriteInt64(int64_t v) { WriteLittleEndian(*this, v); }

void TStream::WriteDouble(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteLittleEndian(*this, bits);
}

void TStream::WriteExtended(long double v)
{
    uint64_t mantissa;
    uint16_t signExp;
    EncodeExtended(v, mantissa, signExp);
    unsigned char b[10];
    for (int i = 0; i < 8; ++i, mantissa >>= 8)
        b[i] = static_cast<unsigned char>(mantissa & 0xFF);
    b[8] = static_cast<unsigned char>(signExp & 0xFF);
    b[9] = static_cast<unsigned char>(signExp >> 8);
    WriteBuffer(b, sizeof b);
}

int64_t TMemoryStream::Read(void* buffer, int64_t count)
{
    const int64_t n = std::clamp<int64_t>(data_.size() - pos_, 0, std::max<int64_t>(count, 0));
    if (n > 0)
        std::memcpy(buffer, data_.constData() + pos_, n);
    pos_ += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    if (pos_ + count > data_.size())
        data_.resize(pos_ + count, '\0');  // a gap left by seeking past the end reads as zeros
    std::memcpy(data_.data() + pos_, buffer, count);
    pos_ += count;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? pos_ : data_.size();
    if (base + offset < 0)
        NegativePosition();
    pos_ = base + offset;
    return pos_;
}

void TMemoryStream::SetSize(int64_t size)
{
    if (size < 0)
        NegativePosition();
    data_.resize(size, '\0');
    pos_ = std::min(pos_, size);
}

void TMemoryStream::Clear()
{
    data_.clear();
    pos_ = 0;
}

void TMemoryStream::LoadFromFile(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EInOutError(DescribeOpenFailure(fileName, false));
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw EInOutError(ErrorTexts::FileRead(fileName));
    data_ = std::move(bytes);
    pos_ = 0;
}

void TMemoryStream::SaveToFile(const QString& fileName) const
{
    // A cut file in place of the old one on a full disk would lose both.
    WriteFileAtomically(fileName, data_);
}

TFileStream::TFileStream(const QString& fileName, Mode mode) : file_(std::make_unique<QFile>(fileName))
{
    QIODevice::OpenMode m;
    switch (mode) {
    case fmOpenRead: m = QIODevice::ReadOnly; break;
    // Opening for writing keeps what the file holds; only fmCreate empties it.
    case fmOpenWrite:
    case fmOpenReadWrite: m = QIODevice::ReadWrite | QIODevice::ExistingOnly; break;
    case fmCreate: m = QIODevice::ReadWrite | QIODevice::Truncate; break;
    }
    if (!file_->open(m))
        throw EInOutError(DescribeOpenFailure(fileName, mode == fmCreate));
}

TFileStream::~TFileStream() = default;

int64_t TFileStream::Read(void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    return std::max<int64_t>(file_->read(static_cast<char*>(buffer), count), 0);
}

int64_t TFileStream::Write(const void* buffer, int64_t count)
{
    if (count <= 0)
        return 0;
    return std::max<int64_t>(file_->write(static_cast<const char*>(buffer), count), 0);
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? file_->pos() : file_->size();
    if (base + offset < 0)
        NegativePosition();
    if (!file_->seek(base + offset))
        throw EStreamError(ErrorTexts::FileSeek(file_->fileName()));
    return file_->pos();
}

int64_t TFileStream::Size() const { return file_->size(); }

void TFileStream::SetSize(int64_t size)
{
    if (size < 0)
        NegativePosition();
    const int64_t pos = file_->pos();
    if (!file_->resize(size))
        throw EWriteError(ErrorTexts::WriteError());
    if (pos > size)
        file_->seek(size);
}
