#include "base/error_texts.h"

namespace ErrorTexts {

QString InvalidFloat(const QString& text) { return QStringLiteral("'%1' geçerli bir sayı değil").arg(text); }
QString InvalidInteger(const QString& text) { return QStringLiteral("'%1' geçerli bir tamsayı değil").arg(text); }
QString InvalidDate(const QString& text) { return QStringLiteral("'%1' geçerli bir tarih değil").arg(text); }
QString InvalidTime(const QString& text) { return QStringLiteral("'%1' geçerli bir saat değil").arg(text); }
QString InvalidDateTime(const QString& text)
{
    return QStringLiteral("'%1' geçerli bir tarih ve saat değil").arg(text);
}
QString InvalidBoolean(const QString& text)
{
    return QStringLiteral("'%1' geçerli bir mantıksal değer değil").arg(text);
}
QString VariantCast(const QString& fromType, const QString& toType)
{
    return QStringLiteral("(%1) türündeki değer (%2) türüne dönüştürülemez").arg(fromType, toType);
}
QString DivByZero() { return QStringLiteral("Sıfıra bölme hatası"); }
QString InvalidOp() { return QStringLiteral("Geçersiz kayan nokta işlemi"); }
QString Overflow() { return QStringLiteral("Kayan nokta taşması: sonuç çok büyük"); }
QString ReadError() { return QStringLiteral("Akış okuma hatası"); }
QString WriteError() { return QStringLiteral("Akış yazma hatası"); }
QString NegativePosition() { return QStringLiteral("Akış konumu sıfırdan küçük olamaz"); }
QString ListIndex(int index) { return QStringLiteral("Liste sırası sınırların dışında (%1)").arg(index); }
QString SortedListOperation() { return QStringLiteral("Sıralı listede bu işlem yapılamaz"); }
QString DuplicateString(const QString& text)
{
    return QStringLiteral("Listede \"%1\" zaten var; aynı metin iki kez eklenemez").arg(text);
}
QString FileNotFound(const QString& fileName) { return QStringLiteral("\"%1\" dosyası bulunamadı.").arg(fileName); }
QString FileOpen(const QString& fileName) { return QStringLiteral("\"%1\" dosyası açılamıyor.").arg(fileName); }
QString FileCreate(const QString& fileName)
{
    return QStringLiteral("\"%1\" dosyası oluşturulamıyor.").arg(fileName);
}
QString FileRead(const QString& fileName) { return QStringLiteral("\"%1\" dosyası okunamadı.").arg(fileName); }
QString FileWrite(const QString& fileName) { return QStringLiteral("\"%1\" dosyasına yazılamadı.").arg(fileName); }
QString FileSeek(const QString& fileName) { return QStringLiteral("\"%1\" dosyasında konumlanamadı.").arg(fileName); }

}  // namespace ErrorTexts
