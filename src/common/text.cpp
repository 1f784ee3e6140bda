#include "common/text.h"

#include <QCoreApplication>

namespace olma {
namespace {

thread_local int russianTextsDepth = 0;

} // namespace

QString translate(const char* context, const char* source)
{
    if (russianTextsDepth > 0)
        return QString::fromUtf8(source);
    return QCoreApplication::translate(context, source);
}

QString Text::toString() const
{
    return translate(_context, _source);
}

RussianTexts::RussianTexts()
{
    ++russianTextsDepth;
}

RussianTexts::~RussianTexts()
{
    --russianTextsDepth;
}

} // namespace olma
