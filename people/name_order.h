// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names in the order people expect them in a language: the collation
// QCollator uses for a locale, as keys of bytes that sort in the same order
// byte by byte, so that a store can keep them and list by them.

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <memory>

namespace people {

class NameOrder {
public:
    explicit NameOrder(const QLocale& locale = QLocale());
    ~NameOrder();
    NameOrder(const NameOrder&) = delete;
    NameOrder& operator=(const NameOrder&) = delete;

    // The locale whose order the keys follow, as "de_DE".
    QString localeName() const { return localeName_; }
    // The key of `name`: a before b in the locale's order exactly when the
    // key of a is before that of b, compared byte by byte.
    QByteArray key(const QString& name) const;

private:
    QString localeName_;
    struct Collator;
    std::unique_ptr<Collator> collator_;
};

}  // namespace people
