#pragma once

#include "stock/runestock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#include <map>

// Counts by rune index, the others 0.
inline rcl::RuneStock stockOf(const std::map<int, qint32> &counts)
{
    rcl::RuneStock stock;
    for (const auto &[index, count] : counts)
        stock.set(index, count);
    return stock;
}

// The whole of a file; empty when it cannot be read.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes a file and the folders it goes in; a test fails where it cannot.
inline void writeAll(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
}
