#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

class QFile;

// Byte streams with little-endian reads and writes. A read that cannot be satisfied in full raises
// EReadError and leaves no partial value.
class TStream {
public:
    enum TSeekOrigin { soBeginning, soCurrent, soEnd };
    virtual ~TStream() = default;

    virtual int64_t Read(void* buffer, int64_t count) = 0;  // bytes actually read
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t Size() const = 0;
    virtual void SetSize(int64_t size) = 0;

    int64_t Position() { return Seek(0, soCurrent); }
    void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
    int64_t Remaining() { return Size() - Position(); }

    void ReadBuffer(void* buffer, int64_t count);         // EReadError on a short read
    void WriteBuffer(const void* buffer, int64_t count);  // EStreamError on a short write
    QByteArray ReadBytes(int64_t count);
    void WriteBytes(const QByteArray& bytes);
    int64_t CopyFrom(TStream& source, int64_t count);  // count 0: the whole source from its start

    uint8_t ReadByte();
    uint16_t ReadWord();
    int16_t ReadSmallInt();
    int32_t ReadInteger();
    uint32_t ReadCardinal();
    int64_t ReadInt64();
    double ReadDouble();
    long double ReadExtended();  // 10-byte x87 form
    void WriteByte(uint8_t v);
    void WriteWord(uint16_t v);
    void WriteSmallInt(int16_t v);
    void WriteInteger(int32_t v);
    void WriteCardinal(uint32_t v);
    void WriteInt64(int64_t v);
    void WriteDouble(double v);
    void WriteExtended(long double v);
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray bytes) : data_(std::move(bytes)) {}
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override { return data_.size(); }
    void SetSize(int64_t size) override;
    void Clear();
    const QByteArray& Data() const { return data_; }
    QByteArray& Data() { return data_; }
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;

private:
    QByteArray data_;
    int64_t pos_ = 0;
};

class TFileStream : public TStream {
public:
    enum Mode { fmOpenRead, fmOpenWrite, fmOpenReadWrite, fmCreate };
    TFileStream(const QString& fileName, Mode mode);  // EInOutError when the file cannot be opened
    ~TFileStream() override;
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t Size() const override;
    void SetSize(int64_t size) override;

private:
    std::unique_ptr<QFile> file_;
};
