// SPDX-FileCopyrightText: 2026 Horavane developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QHash>
#include <QTranslator>

// A language, for as long as it lives, that shows every text in brackets, so a translated text tells itself from
// an English one. Texts in `replaced` read as given instead, as in a language with another word order.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(QHash<QByteArray, QString> replaced = {}) : m_replaced(std::move(replaced))
    {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    MarkingTranslator(const MarkingTranslator&) = delete;
    MarkingTranslator& operator=(const MarkingTranslator&) = delete;

    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const auto replaced = m_replaced.constFind(QByteArray(source));
        if (replaced != m_replaced.cend())
            return *replaced;
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }

private:
    QHash<QByteArray, QString> m_replaced;
};
