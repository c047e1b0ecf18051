// SPDX-License-Identifier: GPL-3.0-or-later
#include "atlas/message_catalogue.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace atlas {

namespace {

constexpr std::uint32_t kMagic = 0x950412de;
constexpr std::uint32_t kSwappedMagic = 0xde120495;

std::uint32_t swapped(std::uint32_t value) {
    return (value >> 24) | ((value >> 8) & 0xff00) | ((value << 8) & 0xff0000) | (value << 24);
}

}  // namespace

std::optional<MessageCatalogue> MessageCatalogue::read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return std::nullopt;
    return parse(std::move(bytes));
}

std::optional<MessageCatalogue> MessageCatalogue::parse(std::string bytes) {
    MessageCatalogue catalogue;
    catalogue.bytes_ = std::move(bytes);
    const std::string& data = catalogue.bytes_;
    // The header: magic, revision, count, and where the tables of keys and
    // of translations begin; each table entry a length and an offset.
    if (data.size() < 20)
        return std::nullopt;
    const auto word = [&data](std::size_t at, bool swap) -> std::optional<std::uint32_t> {
        if (at > data.size() || data.size() - at < 4)
            return std::nullopt;
        std::uint32_t value = 0;
        std::memcpy(&value, data.data() + at, 4);
        return swap ? swapped(value) : value;
    };
    const std::uint32_t magic = *word(0, false);
    if (magic != kMagic && magic != kSwappedMagic)
        return std::nullopt;
    const bool swap = magic == kSwappedMagic;
    const std::uint32_t count = *word(8, swap);
    const std::uint32_t keys = *word(12, swap);
    const std::uint32_t translations = *word(16, swap);
    const auto text = [&](std::uint32_t table, std::uint32_t i) -> std::optional<std::string_view> {
        const std::optional<std::uint32_t> length =
            word(std::size_t(table) + 8 * std::size_t(i), swap);
        const std::optional<std::uint32_t> offset =
            word(std::size_t(table) + 8 * std::size_t(i) + 4, swap);
        if (!length || !offset || *offset > data.size() || data.size() - *offset < *length)
            return std::nullopt;
        return std::string_view(data.data() + *offset, *length);
    };
    catalogue.messages_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::optional<std::string_view> key = text(keys, i);
        const std::optional<std::string_view> translation = text(translations, i);
        if (!key || !translation)
            return std::nullopt;
        // The header entry (empty key) and plural or context entries are
        // not place names.
        if (key->empty() || key->find('\0') != std::string_view::npos ||
            key->find('\x04') != std::string_view::npos)
            continue;
        catalogue.messages_.emplace(*key, *translation);
    }
    return catalogue;
}

std::optional<std::string_view> MessageCatalogue::find(std::string_view key) const {
    const auto found = messages_.find(key);
    if (found == messages_.end() || found->second.empty())
        return std::nullopt;
    return found->second;
}

}  // namespace atlas
