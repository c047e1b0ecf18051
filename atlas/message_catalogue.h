// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A gettext message catalogue (.mo) read whole, for looking texts up by
// their key without changing the process's locale: the atlas asks for the
// names of places in languages other than the one the process runs in.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace atlas {

class MessageCatalogue {
public:
    // The catalogue in `path`; nothing when the file cannot be read or is
    // not a message catalogue.
    static std::optional<MessageCatalogue> read(const std::string& path);
    // The catalogue from its bytes, as read from a file.
    static std::optional<MessageCatalogue> parse(std::string bytes);

    // The translation of `key`; nothing when the catalogue has none.
    std::optional<std::string_view> find(std::string_view key) const;
    std::size_t size() const { return messages_.size(); }

private:
    std::string bytes_;
    std::unordered_map<std::string_view, std::string_view> messages_;
};

}  // namespace atlas
