#pragma once

#include "base/exceptions.h"

#include <QString>

// The message of the E the call raises, or "<no error>"; another exception goes on to fail the test.
template <typename E = Exception, typename Call>
QString ErrorOf(Call&& call)
{
    try {
        call();
    } catch (const E& e) {
        return e.Message();
    }
    return "<no error>";
}
