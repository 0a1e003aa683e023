#pragma once

#include "core/Notice.h"
#include "core/ProgramFolder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnelo {

// What the window "Esporta,   Importa:" moves between the program folder
// and another folder: a system (qor/<name>.sse and .cna), a crossword set
// (andor/<name>.sck) or a personal reduced system (ridotti/<name>.rid).
enum class ItemKind { System, Crossword, Reduced };

struct TransferItem {
    ItemKind kind = ItemKind::System;
    std::string name;
    bool operator==(const TransferItem&) const = default;
};

enum class Direction { Export, Import };

// "Sistema", "Cruciverba", "Ridotto".
std::string kindText(ItemKind kind);

// The items of the program folder, by kind and name; the archive system is
// left out, since it is rebuilt from the draw archive.
std::vector<TransferItem> programItems(const ProgramFolder& folder);
// The items lying in a folder outside the program, by kind and name.
std::vector<TransferItem> folderItems(const std::filesystem::path& dir);

// A name that keeps a file inside its folder: no separators, no "..", not
// absolute, nothing but a file name.
bool isPlainFileName(std::string_view name);

// The files the transfer would write over; the window asks before.
std::vector<std::filesystem::path> filesToReplace(const ProgramFolder& folder,
                                                  const TransferItem& item,
                                                  const std::filesystem::path& dir,
                                                  Direction direction);

struct TransferOutcome {
    bool done = false;
    Notice notice;
};

// Copies the item's files, each through a temporary file beside its target.
TransferOutcome transferItem(const ProgramFolder& folder, const TransferItem& item,
                             const std::filesystem::path& dir, Direction direction);

} // namespace varnelo
