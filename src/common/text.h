#pragma once

#include <QString>

#include <utility>

namespace olma {

// A text the user reads: its Russian words and the context a translator sees them in. It becomes
// the current language's words each time it is used, so a constant made before any translator
// was installed still speaks the language chosen at start-up.
class Text
{
public:
    constexpr Text() = default;
    constexpr Text(const char* context, const char* source) : _context(context), _source(source) {}

    QString toString() const;
    operator QString() const { return toString(); }
    template <typename... Args> QString arg(Args&&... args) const
    {
        return toString().arg(std::forward<Args>(args)...);
    }
    // The Russian words, as written in the program.
    QString source() const { return QString::fromUtf8(_source); }

private:
    const char* _context = "";
    const char* _source = "";
};

// The words of `source` in the current language; its Russian words while a RussianTexts lives.
QString translate(const char* context, const char* source);

// While one lives on this thread every text keeps its Russian words: exported documents and
// files read the same whatever language the window speaks.
class RussianTexts
{
public:
    RussianTexts();
    ~RussianTexts();
    RussianTexts(const RussianTexts&) = delete;
    RussianTexts& operator=(const RussianTexts&) = delete;
};

} // namespace olma

// lupdate reads OLMA_TEXT as QT_TRANSLATE_NOOP (see translations/CMakeLists.txt).
#define OLMA_TEXT(context, source) ::olma::Text(context, source)
