// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a key filter makes of a typed character: the rule itself, apart from
// the text boxes that apply it.

#include <QChar>

#include <functional>

namespace birth {

// What a key filter makes of a typed character.
struct KeyVerdict {
    enum Action { Pass, Replace, Discard };
    Action action = Pass;
    QChar replacement;

    static KeyVerdict pass() { return {}; }
    static KeyVerdict replace(QChar c) { return {Replace, c}; }
    static KeyVerdict discard() { return {Discard, {}}; }
};

using KeyFilter = std::function<KeyVerdict(char32_t code)>;

}  // namespace birth
