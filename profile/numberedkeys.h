#pragma once

#include <QString>
#include <QStringList>

#include <utility>

namespace rcl {

// The numbered keys of rune.dat ("Rune1", "Effect12"): each name is made once
// and then handed out again, as lists read the same few for thousands of
// sections.
class NumberedKeys final
{
public:
    explicit NumberedKeys(QString stem) : m_stem(std::move(stem)) {}

    [[nodiscard]] const QString &operator[](int k)
    {
        while (m_keys.size() <= k)
            m_keys.append(m_stem + QString::number(m_keys.size()));
        return m_keys[k];
    }

private:
    QString m_stem;
    QStringList m_keys;
};

} // namespace rcl
