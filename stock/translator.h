#pragma once

#include <QCoreApplication>
#include <QString>

namespace rcl {

// The texts that a class without QObject shows the user, looked up in its
// own context: `constexpr Translator tr{"Settings"};` then tr("...").
struct Translator
{
    const char *context;

    [[nodiscard]] QString operator()(const char *text) const { return QCoreApplication::translate(context, text); }
};

} // namespace rcl
