// iconv over ICU: a conversion goes from the source encoding to UTF-16 and on to the target
// one through a buffer kept between calls, so that a call stopped by a full output resumes
// where it stopped, as iconv's callers expect.
#include "iconv.h"

#include <unicode/ucnv.h>

#include <cerrno>
#include <new>

namespace {

struct Conversion {
    UConverter* from = nullptr;
    UConverter* to = nullptr;
    UChar pivot[1024];
    UChar* pivotSource = pivot;
    UChar* pivotTarget = pivot;
    bool started = false;

    ~Conversion()
    {
        if (from)
            ucnv_close(from);
        if (to)
            ucnv_close(to);
    }
};

const size_t failed = static_cast<size_t>(-1);

} // namespace

extern "C" iconv_t iconv_open(const char* toCode, const char* fromCode)
{
    Conversion* conversion = new (std::nothrow) Conversion;
    if (!conversion) {
        errno = ENOMEM;
        return reinterpret_cast<iconv_t>(-1);
    }
    UErrorCode status = U_ZERO_ERROR;
    conversion->from = ucnv_open(fromCode, &status);
    conversion->to = ucnv_open(toCode, &status);
    if (U_FAILURE(status)) {
        delete conversion;
        errno = EINVAL;
        return reinterpret_cast<iconv_t>(-1);
    }
    // A character the source cannot hold, or the target cannot write, stops the conversion.
    ucnv_setToUCallBack(conversion->from, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(conversion->to, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return conversion;
}

extern "C" size_t iconv(iconv_t handle, char** input, size_t* inputLeft, char** output, size_t* outputLeft)
{
    Conversion& conversion = *static_cast<Conversion*>(handle);
    if (!input || !*input) {
        // Back to the initial state.
        ucnv_reset(conversion.from);
        ucnv_reset(conversion.to);
        conversion.pivotSource = conversion.pivotTarget = conversion.pivot;
        conversion.started = false;
        return 0;
    }
    const char* source = *input;
    char* target = *output;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_convertEx(conversion.to, conversion.from, &target, target + *outputLeft, &source, source + *inputLeft,
                   conversion.pivot, &conversion.pivotSource, &conversion.pivotTarget,
                   conversion.pivot + sizeof conversion.pivot / sizeof conversion.pivot[0], !conversion.started, true,
                   &status);
    conversion.started = true;
    *inputLeft -= static_cast<size_t>(source - *input);
    *outputLeft -= static_cast<size_t>(target - *output);
    *input = const_cast<char*>(source);
    *output = target;
    if (status == U_BUFFER_OVERFLOW_ERROR) {
        errno = E2BIG;
        return failed;
    }
    if (status == U_TRUNCATED_CHAR_FOUND) {
        errno = EINVAL;
        return failed;
    }
    if (U_FAILURE(status)) {
        errno = EILSEQ;
        return failed;
    }
    return 0;
}

extern "C" int iconv_close(iconv_t handle)
{
    delete static_cast<Conversion*>(handle);
    return 0;
}
