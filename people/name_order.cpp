// SPDX-License-Identifier: GPL-3.0-or-later
#include "name_order.h"

#include <unicode/ucol.h>

#include <vector>

namespace people {

struct NameOrder::Collator {
    UCollator* collator = nullptr;
    ~Collator() {
        if (collator)
            ucol_close(collator);
    }
};

NameOrder::NameOrder(const QLocale& locale)
    : localeName_(locale.name()), collator_(std::make_unique<Collator>()) {
    // ICU's collator for the locale with its own defaults, as QCollator opens it.
    UErrorCode status = U_ZERO_ERROR;
    collator_->collator = ucol_open(locale.bcp47Name().toLatin1().constData(), &status);
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator_->collator = ucol_open("", &status);  // the root order
    }
}

NameOrder::~NameOrder() = default;

QByteArray NameOrder::key(const QString& name) const {
    if (!collator_->collator)
        return name.toUtf8();
    const auto* text = reinterpret_cast<const UChar*>(name.utf16());
    const auto length = int32_t(name.size());
    QByteArray key(64, Qt::Uninitialized);
    int32_t needed = ucol_getSortKey(collator_->collator, text, length,
                                     reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (needed > key.size()) {
        key.resize(needed);
        needed = ucol_getSortKey(collator_->collator, text, length,
                                 reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    }
    // Without the closing zero byte, which every key has.
    key.resize(needed > 0 ? needed - 1 : 0);
    return key;
}

}  // namespace people
