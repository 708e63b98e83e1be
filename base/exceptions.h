#pragma once

#include <QString>

#include <exception>

// The program's one exception tree. Message() is what the default error handling shows.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

#define TAVRELO_EXCEPTION(Name, Base)                                                                     \
    class Name : public Base {                                                                           \
    public:                                                                                              \
        using Base::Base;                                                                                \
    };

TAVRELO_EXCEPTION(EConvertError, Exception)   // a text that is no number or date
TAVRELO_EXCEPTION(EMathError, Exception)
TAVRELO_EXCEPTION(EZeroDivide, EMathError)    // division by zero
TAVRELO_EXCEPTION(EParserError, Exception)    // expression or template syntax
TAVRELO_EXCEPTION(EClassNotFound, Exception)  // unknown class name in a stream
TAVRELO_EXCEPTION(EDSError, Exception)        // data set errors
TAVRELO_EXCEPTION(EStreamError, Exception)    // short reads, bad stream contents
TAVRELO_EXCEPTION(EReadError, EStreamError)
TAVRELO_EXCEPTION(EWriteError, EStreamError)
TAVRELO_EXCEPTION(EListError, Exception)      // list index out of range
TAVRELO_EXCEPTION(EStringListError, EListError)  // duplicates or inserts into a sorted list
TAVRELO_EXCEPTION(EInOutError, Exception)     // files that cannot be read or written
TAVRELO_EXCEPTION(EArchiveError, Exception)   // damaged archives, wrong passwords
TAVRELO_EXCEPTION(EPrinter, Exception)        // a printer that cannot be chosen or cannot print

#undef TAVRELO_EXCEPTION

// The text an error shows: our own message, or the standard library's (UTF-8) text.
inline QString ExceptionText(const std::exception& e)
{
    if (const auto* own = dynamic_cast<const Exception*>(&e))
        return own->Message();
    return QString::fromUtf8(e.what());
}
