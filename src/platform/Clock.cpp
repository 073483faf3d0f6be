#include "platform/Clock.h"

namespace Clock {

namespace {
Source &source()
{
    static Source current;
    return current;
}
} // namespace

QDateTime now()
{
    return source() ? source()() : QDateTime::currentDateTime();
}

void setSource(Source newSource)
{
    source() = std::move(newSource);
}

} // namespace Clock
